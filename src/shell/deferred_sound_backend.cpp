#include "shell/deferred_sound_backend.h"

#include <QApplication>
#include <dlfcn.h>
#include <filesystem>

namespace zm {

DeferredSoundBackend::DeferredSoundBackend(std::string modulePath, PostToOwnerThread post)
    : modulePath_(std::move(modulePath)), post_(std::move(post)) {}

DeferredSoundBackend::~DeferredSoundBackend() {
    backend_.reset();
    // The module stays loaded: a posted task of its threads may still be on its way.
}

std::string DeferredSoundBackend::ModuleBesideProgram() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return kSoundModuleName;
    return (self.parent_path() / kSoundModuleName).string();
}

SoundBackend* DeferredSoundBackend::Backend() {
    if (backend_ || tried_) return backend_.get();
    tried_ = true;
    module_ = dlopen(modulePath_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module_) return nullptr;
    const auto create =
        reinterpret_cast<CreateSoundBackendFunction>(dlsym(module_, kCreateSoundBackendSymbol));
    if (create) backend_.reset(create(post_));
    return backend_.get();
}

SoundChannel DeferredSoundBackend::OpenChannel() {
    if (SoundBackend* backend = Backend()) return backend->OpenChannel();
    return nextChannel_++;
}

void DeferredSoundBackend::CloseChannel(SoundChannel channel) {
    if (backend_) backend_->CloseChannel(channel);
}

void DeferredSoundBackend::PlaySystemSound(SystemSound sound) {
    if (SoundBackend* backend = Backend()) {
        backend->PlaySystemSound(sound);
        return;
    }
    QApplication::beep(); // never silent
}

bool DeferredSoundBackend::PlayWaveFile(SoundChannel channel, const std::string& path) {
    SoundBackend* backend = Backend();
    return backend && backend->PlayWaveFile(channel, path);
}

bool DeferredSoundBackend::PlayWaveData(SoundChannel channel, std::string_view name,
                                        std::span<const uint8_t> wave) {
    SoundBackend* backend = Backend();
    return backend && backend->PlayWaveData(channel, name, wave);
}

bool DeferredSoundBackend::PlayMidiFile(SoundChannel channel, const std::string& path,
                                        MidiDone done) {
    SoundBackend* backend = Backend();
    return backend && backend->PlayMidiFile(channel, path, std::move(done));
}

void DeferredSoundBackend::StopChannel(SoundChannel channel) {
    if (backend_) backend_->StopChannel(channel);
}

} // namespace zm
