#include "sound/sound_player.h"

#include "platform/ascii_text.h"
#include "sound/ogg_timing.h"
#include "sound/wave_header.h"

#include <filesystem>
#include <system_error>

namespace zm {

SoundFileKind SoundFileKindOf(std::string_view path) {
    const size_t dot = path.rfind('.');
    if (dot == std::string_view::npos) return SoundFileKind::Unsupported;
    const std::string_view extension = path.substr(dot + 1);
    if (EqualsIgnoringAsciiCase(extension, "wav")) return SoundFileKind::Wave;
    if (EqualsIgnoringAsciiCase(extension, "oga") || EqualsIgnoringAsciiCase(extension, "ogg"))
        return SoundFileKind::Ogg;
    if (EqualsIgnoringAsciiCase(extension, "mid") || EqualsIgnoringAsciiCase(extension, "rmi"))
        return SoundFileKind::Midi;
    return SoundFileKind::Unsupported;
}

SoundPlayer::SoundPlayer(SoundBackend& backend, std::unique_ptr<SoundTimer> timer)
    : backend_(backend), timer_(std::move(timer)) {}

SoundPlayer::~SoundPlayer() {
    Stop();
    if (channel_ != 0) backend_.CloseChannel(channel_);
}

void SoundPlayer::Play(const std::string& file, std::chrono::milliseconds repeatDelay) {
    if (Prepare(file, repeatDelay)) Start();
}

void SoundPlayer::Stop() {
    timer_->Stop();
    if (channel_ != 0 && mode_ != SoundMode::Idle) backend_.StopChannel(channel_);
    ++midiTicket_;
    mode_ = SoundMode::Idle;
    file_.clear();
    delay_ = std::chrono::milliseconds(0);
}

bool SoundPlayer::Prepare(const std::string& file, std::chrono::milliseconds delay) {
    Stop();
    std::error_code error;
    const bool exists = !file.empty() && std::filesystem::is_regular_file(file, error);
    SoundMode mode = SoundMode::Beep;
    if (exists) {
        switch (SoundFileKindOf(file)) {
        case SoundFileKind::Wave:
        case SoundFileKind::Ogg:
            mode = SoundMode::Wave;
            break;
        case SoundFileKind::Midi:
            mode = SoundMode::Midi;
            break;
        case SoundFileKind::Unsupported:
            return false;
        }
    }
    if (channel_ == 0) channel_ = backend_.OpenChannel();
    mode_ = mode;
    file_ = exists ? file : std::string();
    delay_ = delay.count() > 0 ? delay : std::chrono::milliseconds(0);
    return true;
}

void SoundPlayer::Start() {
    switch (mode_) {
    case SoundMode::Idle:
        return;
    case SoundMode::Beep:
        return StartBeep();
    case SoundMode::Wave:
        return StartWave();
    case SoundMode::Midi:
        return StartMidi();
    }
}

void SoundPlayer::StartBeep() {
    backend_.PlaySystemSound(SystemSound::DefaultBeep);
    StartTimer(delay_.count() > 0 ? delay_ : kBeepPlayingTime);
}

void SoundPlayer::StartWave() {
    std::optional<std::chrono::milliseconds> playingTime;
    if (SoundFileKindOf(file_) == SoundFileKind::Ogg) {
        playingTime = ReadOggFilePlayingTime(file_);
    } else if (const auto timing = ReadWaveFileTiming(file_)) {
        playingTime = timing->playingTime;
    }
    if (!playingTime) {
        // A file whose playing time cannot be read still reminds: it beeps instead, from now on.
        mode_ = SoundMode::Beep;
        file_.clear();
        return StartBeep();
    }
    backend_.PlayWaveFile(channel_, file_);
    StartTimer(*playingTime + delay_);
}

void SoundPlayer::StartMidi() {
    const uint64_t ticket = ++midiTicket_;
    if (!backend_.PlayMidiFile(
            channel_, file_, [this, ticket](MidiOutcome outcome) { OnMidiDone(ticket, outcome); }))
        Stop();
}

void SoundPlayer::StartTimer(std::chrono::milliseconds delay) {
    const bool repeats = delay_.count() > 0;
    timer_->Start(delay, [this, repeats] {
        timer_->Stop();
        repeats ? Start() : Finish();
    });
}

void SoundPlayer::OnMidiDone(uint64_t ticket, MidiOutcome outcome) {
    if (ticket != midiTicket_ || mode_ != SoundMode::Midi) return;
    if (outcome == MidiOutcome::Finished && delay_.count() > 0) return StartTimer(delay_);
    Finish();
}

void SoundPlayer::Finish() {
    // What played has ended already: nothing to stop in the backend.
    timer_->Stop();
    ++midiTicket_;
    mode_ = SoundMode::Idle;
    file_.clear();
    delay_ = std::chrono::milliseconds(0);
    if (ended_) ended_();
}

} // namespace zm
