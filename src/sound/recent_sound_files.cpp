#include "sound/recent_sound_files.h"

#include "platform/setting_table.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace zm {
namespace {

SettingId EntryId(size_t index) {
    return static_cast<SettingId>(static_cast<size_t>(SettingId::RecentSoundFile1) + index);
}

bool IsRegularFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace

RecentSoundFiles::RecentSoundFiles(FileExists exists)
    : exists_(exists ? std::move(exists) : FileExists(IsRegularFile)) {}

void RecentSoundFiles::Load(const Settings& settings) {
    files_.clear();
    selected_.reset();
    for (size_t i = 0; i < kMaxRecentSoundFiles; ++i) {
        std::string path = ReadText(settings, EntryId(i));
        if (path.empty()) break;
        if (exists_(path) && std::find(files_.begin(), files_.end(), path) == files_.end())
            files_.push_back(std::move(path));
    }
}

void RecentSoundFiles::Save(Settings& settings) const {
    for (size_t i = 0; i < kMaxRecentSoundFiles; ++i)
        WriteText(settings, EntryId(i), i < files_.size() ? files_[i] : std::string());
}

bool RecentSoundFiles::Add(const std::string& path) {
    if (path.empty() || !exists_(path)) return false;
    const auto listed = std::find(files_.begin(), files_.end(), path);
    if (listed != files_.end()) {
        selected_ = static_cast<size_t>(listed - files_.begin());
        return true;
    }
    if (files_.size() == kMaxRecentSoundFiles) files_.erase(files_.begin());
    files_.push_back(path);
    selected_ = files_.size() - 1;
    return true;
}

void RecentSoundFiles::Select(std::optional<size_t> index) {
    selected_ = index && *index < files_.size() ? index : std::nullopt;
}

std::string RecentSoundFiles::SelectedFile() const {
    return selected_ ? files_[*selected_] : std::string();
}

} // namespace zm
