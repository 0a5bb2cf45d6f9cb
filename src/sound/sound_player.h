#pragma once
// The sound player: plays the default beep, a wave file or a MIDI file once, or repeats it with
// a pause between the end of one playing and the start of the next, until it is stopped.
//
//   idle --Play--> beep | wave | MIDI --Stop--> idle
//
// Beep: beeps, and with a delay beeps again every delay. Wave: plays the file and, with a delay,
// plays it again the delay after its end (its playing time comes from its header). MIDI: plays
// the file and, when it has played through, waits the delay and plays it again. A missing file
// gives the beep, and so does a wave file whose header is not good; an extension other than
// WAV, MID or RMI plays nothing. Each player (one per reminder window, countdown window and
// sound dialog) has its own channel, opened on its first playing.

#include "platform/sound_backend.h"
#include "platform/sound_timer.h"
#include "sound/sound_setting.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace zm {

enum class SoundMode : uint8_t { Idle, Beep, Wave, Midi };

enum class SoundFileKind : uint8_t { Wave, Midi, Unsupported };
// By the extension after the name's last dot, without regard to case: WAV, MID or RMI.
SoundFileKind SoundFileKindOf(std::string_view path);

class SoundPlayer final {
public:
    SoundPlayer(SoundBackend& backend, std::unique_ptr<SoundTimer> timer);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Stops what plays, then plays `file` (empty: the default beep), repeating with the delay
    // when it is above 0.
    void Play(const std::string& file, std::chrono::milliseconds repeatDelay);
    void Play(const SoundRequest& request) { Play(request.file, request.repeatDelay); }
    // Stops the sound and any repetition to come.
    void Stop();

    SoundMode Mode() const { return mode_; }
    const std::string& File() const { return file_; }
    std::chrono::milliseconds RepeatDelay() const { return delay_; }

private:
    bool Prepare(const std::string& file, std::chrono::milliseconds delay);
    void Start();
    void StartBeep();
    void StartWave();
    void StartMidi();
    void StartTimer(std::chrono::milliseconds delay);
    void OnMidiDone(uint64_t ticket, MidiOutcome outcome);

    SoundBackend& backend_;
    std::unique_ptr<SoundTimer> timer_;
    SoundChannel channel_ = 0;
    SoundMode mode_ = SoundMode::Idle;
    std::string file_;
    std::chrono::milliseconds delay_{0};
    uint64_t midiTicket_ = 0;
};

} // namespace zm
