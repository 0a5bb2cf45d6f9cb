#pragma once
// The program's one sound backend, loaded when the first sound is asked for. The desktop sound
// libraries (libcanberra, FluidSynth and everything FluidSynth pulls in) live in a module beside
// the program, so a program that sits idle in the tray neither pays for loading them at start nor
// keeps their pages. Without the module, sounds fail silently and the beeps fall back to the
// display's bell.

#include "platform/sound_backend.h"

#include <memory>
#include <string>

namespace zm {

// The module's entry point: makes the Linux backend with the given poster.
using CreateSoundBackendFunction = SoundBackend* (*)(const PostToOwnerThread& post);
inline constexpr char kSoundModuleName[] = "zantimore-sound.so";
inline constexpr char kCreateSoundBackendSymbol[] = "ZantimoreCreateSoundBackend";

class DeferredSoundBackend final : public SoundBackend {
public:
    // `modulePath`: the module to load on first use.
    DeferredSoundBackend(std::string modulePath, PostToOwnerThread post);
    ~DeferredSoundBackend() override;

    SoundChannel OpenChannel() override;
    void CloseChannel(SoundChannel channel) override;
    void PlaySystemSound(SystemSound sound) override;
    bool PlayWaveFile(SoundChannel channel, const std::string& path) override;
    bool PlayWaveData(SoundChannel channel, std::string_view name,
                      std::span<const uint8_t> wave) override;
    bool PlayMidiFile(SoundChannel channel, const std::string& path, MidiDone done) override;
    void StopChannel(SoundChannel channel) override;

    // The module beside the running program.
    static std::string ModuleBesideProgram();

private:
    // The loaded backend, or null when the module cannot be loaded (tried once).
    SoundBackend* Backend();

    std::string modulePath_;
    PostToOwnerThread post_;
    void* module_ = nullptr;
    std::unique_ptr<SoundBackend> backend_;
    bool tried_ = false;
    SoundChannel nextChannel_ = 1; // channels handed out while no backend could be loaded
};

} // namespace zm
