#include "support/recording_sound_backend.h"

namespace zm::testing {

std::vector<milliseconds> RecordingSoundBackend::TimesOf(SoundCall::Kind kind) const {
    std::vector<milliseconds> times;
    for (const SoundCall& call : calls)
        if (call.what == kind) times.push_back(call.at);
    return times;
}

bool RecordingSoundBackend::EndMidi(MidiOutcome outcome) {
    if (!midiLive_) return false;
    midiLive_ = false;
    midiDone_(outcome);
    return true;
}

void RecordingSoundBackend::EndStoppedMidi(MidiOutcome outcome) {
    if (midiDone_) midiDone_(outcome);
}

void RecordingSoundBackend::CloseChannel(SoundChannel channel) {
    calls.push_back({SoundCall::Kind::Close, channel, {}, now});
    if (channel == midiChannel_) midiLive_ = false;
}

void RecordingSoundBackend::PlaySystemSound(SystemSound sound) {
    const SoundCall::Kind kind = sound == SystemSound::DefaultBeep   ? SoundCall::Kind::Beep
                                 : sound == SystemSound::Exclamation ? SoundCall::Kind::Exclamation
                                                                     : SoundCall::Kind::Error;
    calls.push_back({kind, 0, {}, now});
}

bool RecordingSoundBackend::PlayWaveFile(SoundChannel channel, const std::string& path) {
    calls.push_back({SoundCall::Kind::WaveFile, channel, path, now});
    return true;
}

bool RecordingSoundBackend::PlayWaveData(SoundChannel channel, std::string_view name,
                                         std::span<const uint8_t>) {
    calls.push_back({SoundCall::Kind::WaveData, channel, std::string(name), now});
    return true;
}

bool RecordingSoundBackend::PlayMidiFile(SoundChannel channel, const std::string& path,
                                         MidiDone done) {
    calls.push_back({SoundCall::Kind::MidiFile, channel, path, now});
    if (!midiStarts) return false;
    midiChannel_ = channel;
    midiDone_ = std::move(done);
    midiLive_ = true;
    return true;
}

void RecordingSoundBackend::StopChannel(SoundChannel channel) {
    calls.push_back({SoundCall::Kind::Stop, channel, {}, now});
    if (channel == midiChannel_) midiLive_ = false;
}

void ManualSoundTimer::Start(milliseconds delay, std::function<void()> fire) {
    due_ = now_ + delay;
    fire_ = std::move(fire);
}

void ManualSoundTimer::RunUntil(milliseconds until) {
    while (fire_ && due_ <= until) {
        now_ = due_;
        const std::function<void()> fire = std::move(fire_);
        fire_ = nullptr;
        fire();
    }
    now_ = until;
}

} // namespace zm::testing
