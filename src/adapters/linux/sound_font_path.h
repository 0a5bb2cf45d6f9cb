#pragma once
// Where the General MIDI sound font is: the one FluidSynth was built to use, else the usual
// places of the distributions' sound-font packages.

#include <functional>
#include <string>
#include <vector>

namespace zm {

// The places to look, in order; `fluidDefault` (may be null or empty) first.
std::vector<std::string> SoundFontCandidates(const char* fluidDefault);

// The first candidate that is a readable file; empty when there is none.
std::string FindSoundFont(const std::function<bool(const std::string&)>& usable);
// The same on this machine.
std::string FindSoundFont();

} // namespace zm
