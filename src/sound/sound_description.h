#pragma once
// The one-line description of a sound that the editors and the preferences show:
// "No sound", "Default Beep" or the file's name, and the repeat pause when it repeats.

#include <cstdint>
#include <string>
#include <string_view>

namespace zm {

std::string SoundDescription(uint32_t sound, uint32_t pause, std::string_view file);

// The last part of a path: what follows its last slash or backslash (paths of events made on
// other systems use backslashes).
std::string_view FileNameOfPath(std::string_view path);

} // namespace zm
