// The module that carries the desktop sound libraries (zantimore-sound.so); the program loads
// it when the first sound is asked for (deferred_sound_backend.h).

#include "adapters/linux/linux_sound_backend.h"
#include "shell/deferred_sound_backend.h"

extern "C" __attribute__((visibility("default"))) zm::SoundBackend*
ZantimoreCreateSoundBackend(const zm::PostToOwnerThread& post) {
    return new zm::LinuxSoundBackend(post);
}
