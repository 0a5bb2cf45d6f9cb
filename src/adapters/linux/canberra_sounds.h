#pragma once
// Event sounds and wave files through libcanberra: the freedesktop sound theme for the beeps,
// the file itself for wave files. The program's own beep stands in when the theme has no sound
// for a beep; sounds held in memory are written once to a private folder and played from there.

#include "platform/sound_backend.h"

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>

struct ca_context;

namespace zm {

class CanberraSounds final {
public:
    CanberraSounds() = default;
    ~CanberraSounds();
    CanberraSounds(const CanberraSounds&) = delete;
    CanberraSounds& operator=(const CanberraSounds&) = delete;

    void PlaySystemSound(SystemSound sound);
    // `id` groups sounds for Cancel; id 0 is not cancelled.
    bool PlayFile(uint32_t id, const std::string& path);
    bool PlayData(uint32_t id, std::string_view name, std::span<const uint8_t> wave);
    void Cancel(uint32_t id);

private:
    ca_context* Context();
    // The file a sound held in memory is played from; empty when it cannot be written.
    std::string FileFor(std::string_view name, std::span<const uint8_t> wave);

    ca_context* context_ = nullptr;
    bool contextFailed_ = false;
    std::string folder_;
    std::map<std::string, std::string, std::less<>> files_;
};

} // namespace zm
