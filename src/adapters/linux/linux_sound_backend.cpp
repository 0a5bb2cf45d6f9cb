#include "adapters/linux/linux_sound_backend.h"

#include "adapters/linux/canberra_sounds.h"
#include "adapters/linux/fluid_midi.h"
#include "sound/midi_data.h"

#include <alsa/asoundlib.h>
#include <fstream>
#include <iterator>
#include <mutex>
#include <vector>

namespace zm {
namespace {

// A MIDI file larger than this is not music for a reminder.
constexpr std::streamoff kMaxMidiFileBytes = 8 << 20;

// ALSA writes its failures (no sound card, no such device) to standard error; a missing sound
// device is no news for a program that plays sounds only now and then.
void QuietAlsaError(const char*, int, const char*, int, const char*, ...) {}

void SilenceAlsaErrors() {
    static std::once_flag once;
    std::call_once(once, [] { snd_lib_error_set_handler(QuietAlsaError); });
}

std::vector<uint8_t> ReadSmallFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return {};
    const std::streamoff size = file.tellg();
    if (size <= 0 || size > kMaxMidiFileBytes) return {};
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    file.seekg(0);
    file.read(reinterpret_cast<char*>(bytes.data()), size);
    if (file.gcount() != size) return {};
    return bytes;
}

} // namespace

LinuxSoundBackend::LinuxSoundBackend(PostToOwnerThread post)
    : post_(std::move(post)), midiPlays_(std::make_shared<MidiPlays>()),
      canberra_(std::make_unique<CanberraSounds>()), midi_(std::make_unique<FluidMidi>()) {
    SilenceAlsaErrors();
}

LinuxSoundBackend::~LinuxSoundBackend() {
    midi_.reset();
    canberra_.reset();
}

SoundChannel LinuxSoundBackend::OpenChannel() {
    return nextChannel_++;
}

void LinuxSoundBackend::CloseChannel(SoundChannel channel) {
    StopChannel(channel);
}

void LinuxSoundBackend::PlaySystemSound(SystemSound sound) {
    canberra_->PlaySystemSound(sound);
}

bool LinuxSoundBackend::PlayWaveFile(SoundChannel channel, const std::string& path) {
    return canberra_->PlayFile(channel, path);
}

bool LinuxSoundBackend::PlayWaveData(SoundChannel channel, std::string_view name,
                                     std::span<const uint8_t> wave) {
    return canberra_->PlayData(channel, name, wave);
}

bool LinuxSoundBackend::PlayMidiFile(SoundChannel channel, const std::string& path, MidiDone done) {
    StopChannel(channel);
    const std::vector<uint8_t> file = ReadSmallFile(path);
    const std::span<const uint8_t> midi = StandardMidiOf(file);
    if (midi.empty() || !post_) return false;
    const uint64_t play = nextPlay_++;
    midiPlays_->current[channel] = play;
    std::weak_ptr<MidiPlays> plays = midiPlays_;
    midi_->Play(play, std::vector<uint8_t>(midi.begin(), midi.end()),
                [post = post_, plays, channel, play, done](MidiOutcome outcome) {
                    post([plays, channel, play, done, outcome] {
                        const auto live = plays.lock();
                        if (!live) return;
                        const auto it = live->current.find(channel);
                        if (it == live->current.end() || it->second != play) return;
                        live->current.erase(it);
                        if (done) done(outcome);
                    });
                });
    return true;
}

void LinuxSoundBackend::StopChannel(SoundChannel channel) {
    canberra_->Cancel(channel);
    if (const auto it = midiPlays_->current.find(channel); it != midiPlays_->current.end()) {
        midi_->Stop(it->second);
        midiPlays_->current.erase(it);
    }
}

} // namespace zm
