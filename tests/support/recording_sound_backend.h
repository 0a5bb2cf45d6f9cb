#pragma once
// A sound backend that plays nothing and records what it was asked, stamped with a test clock,
// and a repetition timer that fires when the test moves that clock on.

#include "platform/sound_backend.h"
#include "platform/sound_timer.h"

#include <chrono>
#include <string>
#include <vector>

namespace zm::testing {

using std::chrono::milliseconds;

struct SoundCall {
    enum class Kind { Beep, Exclamation, Error, WaveFile, WaveData, MidiFile, Stop, Close };
    Kind what;
    SoundChannel channel = 0;
    std::string file; // the file or the name of the wave data
    milliseconds at{0};
};

class RecordingSoundBackend final : public SoundBackend {
public:
    milliseconds now{0};
    std::vector<SoundCall> calls;
    bool midiStarts = true; // what PlayMidiFile answers

    // The times of the calls of one kind.
    std::vector<milliseconds> TimesOf(SoundCall::Kind kind) const;
    // Ends the last MIDI playback started, as the backend reports it; false when the channel
    // was stopped since, so the backend would not report it.
    bool EndMidi(MidiOutcome outcome);
    // Reports the end of a MIDI playback that was stopped (which a backend must not do), to see
    // that the player ignores it.
    void EndStoppedMidi(MidiOutcome outcome);

    SoundChannel OpenChannel() override { return nextChannel_++; }
    void CloseChannel(SoundChannel channel) override;
    void PlaySystemSound(SystemSound sound) override;
    bool PlayWaveFile(SoundChannel channel, const std::string& path) override;
    bool PlayWaveData(SoundChannel channel, std::string_view name,
                      std::span<const uint8_t> wave) override;
    bool PlayMidiFile(SoundChannel channel, const std::string& path, MidiDone done) override;
    void StopChannel(SoundChannel channel) override;

private:
    SoundChannel nextChannel_ = 1;
    SoundChannel midiChannel_ = 0;
    MidiDone midiDone_;
    bool midiLive_ = false;
};

// Fires on the test clock: RunUntil moves the clock to each firing and then to the end.
class ManualSoundTimer final : public SoundTimer {
public:
    explicit ManualSoundTimer(milliseconds& now) : now_(now) {}
    void Start(milliseconds delay, std::function<void()> fire) override;
    void Stop() override { fire_ = nullptr; }
    bool Running() const { return fire_ != nullptr; }
    void RunUntil(milliseconds until);

private:
    milliseconds& now_;
    milliseconds due_{0};
    std::function<void()> fire_;
};

} // namespace zm::testing
