#pragma once
// The sound backend of Linux desktops: libcanberra (the freedesktop sound theme) for the beeps
// and wave files, FluidSynth with the General MIDI sound font for MIDI files.

#include "platform/sound_backend.h"

#include <map>
#include <memory>

namespace zm {

class CanberraSounds;
class FluidMidi;

class LinuxSoundBackend final : public SoundBackend {
public:
    // `post` carries the end of a MIDI playback from its thread to the owner thread.
    explicit LinuxSoundBackend(PostToOwnerThread post);
    ~LinuxSoundBackend() override;

    SoundChannel OpenChannel() override;
    void CloseChannel(SoundChannel channel) override;
    void PlaySystemSound(SystemSound sound) override;
    bool PlayWaveFile(SoundChannel channel, const std::string& path) override;
    bool PlayWaveData(SoundChannel channel, std::string_view name,
                      std::span<const uint8_t> wave) override;
    bool PlayMidiFile(SoundChannel channel, const std::string& path, MidiDone done) override;
    void StopChannel(SoundChannel channel) override;

private:
    // The MIDI playback each channel is waiting for; touched on the owner thread only, and
    // shared with the tasks posted there so that a late one finds out it is stale.
    struct MidiPlays {
        std::map<SoundChannel, uint64_t> current;
    };

    PostToOwnerThread post_;
    std::shared_ptr<MidiPlays> midiPlays_;
    SoundChannel nextChannel_ = 1;
    uint64_t nextPlay_ = 1;
    std::unique_ptr<CanberraSounds> canberra_;
    std::unique_ptr<FluidMidi> midi_;
};

} // namespace zm
