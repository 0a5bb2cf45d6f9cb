#include "adapters/plain/settings_file.h"

#include "adapters/plain/ini_text.h"
#include "adapters/plain/small_file.h"

#include <cstdlib>

namespace zm {
namespace {
constexpr const char* kMaker = "Orvendal";
constexpr const char* kApplication = "Zantimore Pro";
constexpr const char* kSystemFolder = "/etc/xdg/";
} // namespace

std::vector<std::string> ProgramSettingsFilesFrom(const char* xdgConfigHome, const char* home) {
    std::string user;
    if (xdgConfigHome && *xdgConfigHome) {
        user = std::string(xdgConfigHome) + "/"; // a relative one is taken from the working folder
    } else {
        std::string homeFolder = home ? home : "";
        while (!homeFolder.empty() && homeFolder.back() == '/')
            homeFolder.pop_back();
        user = homeFolder + "/.config/";
    }
    const std::string appFile = std::string(kMaker) + "/" + kApplication + ".conf";
    const std::string makerFile = std::string(kMaker) + ".conf";
    return {user + appFile, user + makerFile, kSystemFolder + appFile, kSystemFolder + makerFile};
}

std::vector<std::string> ProgramSettingsFiles() {
    return ProgramSettingsFilesFrom(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

FileSettings::FileSettings(std::vector<std::string> files, Writer writer, Unread unread)
    : files_(std::move(files)), writer_(std::move(writer)), unread_(std::move(unread)) {}

void FileSettings::Load() const {
    if (loaded_) return;
    loaded_ = true;
    for (const std::string& file : files_) {
        SmallFileState state = SmallFileState::Missing;
        const std::optional<std::string> text = ReadSmallFile(file, kMaxSettingsFileBytes, &state);
        if (!text && state != SmallFileState::Missing && unread_) unread_(file, state);
        values_.push_back(text ? ParseIniSettings(*text) : decltype(values_)::value_type{});
    }
}

std::optional<std::string> FileSettings::Read(std::string_view key) const {
    Load();
    for (const auto& values : values_) {
        const auto it = values.find(key);
        if (it != values.end()) return it->second;
    }
    return std::nullopt;
}

void FileSettings::Write(std::string_view key, std::string_view value) {
    if (!writer_ || !writer_(key, value)) return;
    Load();
    if (!values_.empty()) values_.front().insert_or_assign(std::string(key), std::string(value));
}

} // namespace zm
