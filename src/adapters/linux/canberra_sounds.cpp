#include "adapters/linux/canberra_sounds.h"

#include "sound/embedded_waves.h"

#include <canberra.h>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace zm {
namespace {

constexpr const char* kBeepSounds[] = {"bell", "message-new-instant", "alarm-clock-elapsed"};
constexpr const char* kExclamationSounds[] = {"dialog-warning", "bell"};
constexpr const char* kErrorSounds[] = {"dialog-error", "bell"};

// Theme sounds to try for each beep, most fitting first.
std::span<const char* const> ThemeSoundsOf(SystemSound sound) {
    switch (sound) {
    case SystemSound::DefaultBeep:
        return kBeepSounds;
    case SystemSound::Exclamation:
        return kExclamationSounds;
    case SystemSound::Error:
        return kErrorSounds;
    }
    return kBeepSounds;
}

// A folder only this user can read, for the sounds held in memory.
std::string MakePrivateFolder() {
    std::error_code error;
    std::filesystem::path base;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime == '/')
        base = runtime;
    if (base.empty() || !std::filesystem::is_directory(base, error))
        base = std::filesystem::temp_directory_path(error);
    if (base.empty()) return {};
    std::string pattern = (base / "zantimore-sounds-XXXXXX").string();
    return ::mkdtemp(pattern.data()) ? pattern : std::string();
}

bool WriteWholeFile(const std::string& path, std::span<const uint8_t> bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    return ::close(fd) == 0 && done == bytes.size();
}

} // namespace

CanberraSounds::~CanberraSounds() {
    if (context_) ca_context_destroy(context_);
    if (!folder_.empty()) {
        std::error_code error;
        std::filesystem::remove_all(folder_, error);
    }
}

ca_context* CanberraSounds::Context() {
    if (!context_ && !contextFailed_) {
        if (ca_context_create(&context_) != CA_SUCCESS) {
            context_ = nullptr;
            contextFailed_ = true;
            return nullptr;
        }
        ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "Zantimore", nullptr);
    }
    return context_;
}

void CanberraSounds::PlaySystemSound(SystemSound sound) {
    ca_context* context = Context();
    if (!context) return;
    for (const char* eventId : ThemeSoundsOf(sound)) {
        const int result = ca_context_play(context, 0, CA_PROP_EVENT_ID, eventId,
                                           CA_PROP_MEDIA_ROLE, "event", nullptr);
        // Only a theme without the sound is worth another try: without a device nothing plays.
        if (result != CA_ERROR_NOTFOUND) return;
    }
    PlayData(0, EmbeddedWaveName(EmbeddedWave::DefaultBeep),
             EmbeddedWaveData(EmbeddedWave::DefaultBeep));
}

bool CanberraSounds::PlayFile(uint32_t id, const std::string& path) {
    ca_context* context = Context();
    return context &&
           ca_context_play(context, id, CA_PROP_MEDIA_FILENAME, path.c_str(), CA_PROP_MEDIA_ROLE,
                           "event", CA_PROP_CANBERRA_CACHE_CONTROL, "never", nullptr) == CA_SUCCESS;
}

bool CanberraSounds::PlayData(uint32_t id, std::string_view name, std::span<const uint8_t> wave) {
    const std::string path = FileFor(name, wave);
    return !path.empty() && PlayFile(id, path);
}

void CanberraSounds::Cancel(uint32_t id) {
    if (context_ && id != 0) ca_context_cancel(context_, id);
}

std::string CanberraSounds::FileFor(std::string_view name, std::span<const uint8_t> wave) {
    if (auto it = files_.find(name); it != files_.end()) return it->second;
    if (folder_.empty()) folder_ = MakePrivateFolder();
    if (folder_.empty()) return {};
    // Named by number: the name is only a key.
    std::string path = folder_ + "/sound-" + std::to_string(files_.size() + 1) + ".wav";
    if (!WriteWholeFile(path, wave)) return {};
    files_.emplace(std::string(name), path);
    return path;
}

} // namespace zm
