#pragma once
// MIDI playback through FluidSynth with the General MIDI sound font. Each playback has its own
// synthesizer and its own thread, which loads the font (only the samples the music uses), opens
// the sound device (PulseAudio, else ALSA), plays and tears down, so nothing waits on the
// caller's thread but Stop's signal and, at the end, the joining of the threads.

#include "platform/sound_backend.h"

#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <vector>

namespace zm {

class FluidMidi final {
public:
    // Called on the playback's thread when a playback that was not stopped has ended.
    using Ended = std::function<void(MidiOutcome)>;

    FluidMidi();
    // Stops every playback and waits for their threads.
    ~FluidMidi();
    FluidMidi(const FluidMidi&) = delete;
    FluidMidi& operator=(const FluidMidi&) = delete;

    // `midi` is a standard MIDI file.
    void Play(uint64_t playId, std::vector<uint8_t> midi, Ended ended);
    void Stop(uint64_t playId);

private:
    struct Playback;
    void ReapFinished();

    std::list<std::shared_ptr<Playback>> playbacks_;
};

} // namespace zm
