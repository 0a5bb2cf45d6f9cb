#pragma once
// The sound player: plays the default beep, a wave or Ogg file or a MIDI file once, or repeats it
// with a pause between the end of one playing and the start of the next, until it is stopped.
//
//   idle --Play--> beep | wave | MIDI --Stop, or the end of a playing not repeated--> idle
//
// Beep: beeps, and with a delay beeps again every delay. Wave: plays the file and, with a delay,
// plays it again the delay after its end (its playing time comes from its header; an Ogg file,
// .oga or .ogg, plays the same way, its playing time from its stream). MIDI: plays the file and,
// when it has played through, waits the delay and plays it again. A missing file gives the
// beep, and so does a wave or Ogg file whose playing time cannot be read; an extension other
// than WAV, OGA, OGG, MID or RMI plays nothing. A playing that is not repeated ends after the
// file's playing time (a beep after kBeepPlayingTime, MIDI when it has played through): the
// player is idle again and tells its ended notice. Each player (one per reminder window, countdown
// window and sound dialog) has its own channel, opened on its first playing.

#include "platform/sound_backend.h"
#include "platform/sound_timer.h"
#include "sound/sound_setting.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace zm {

enum class SoundMode : uint8_t { Idle, Beep, Wave, Midi };

enum class SoundFileKind : uint8_t { Wave, Ogg, Midi, Unsupported };
// By the extension after the name's last dot, without regard to case: WAV, OGA or OGG, MID or
// RMI.
SoundFileKind SoundFileKindOf(std::string_view path);

// How long a single beep counts as playing.
inline constexpr std::chrono::milliseconds kBeepPlayingTime{1000};

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
    // Called when a playing that is not repeated has ended by itself (not on Stop).
    void SetEndedNotice(std::function<void()> ended) { ended_ = std::move(ended); }

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
    // The playing once is over: idle, and the ended notice.
    void Finish();

    SoundBackend& backend_;
    std::unique_ptr<SoundTimer> timer_;
    SoundChannel channel_ = 0;
    SoundMode mode_ = SoundMode::Idle;
    std::string file_;
    std::chrono::milliseconds delay_{0};
    uint64_t midiTicket_ = 0;
    std::function<void()> ended_;
};

} // namespace zm
