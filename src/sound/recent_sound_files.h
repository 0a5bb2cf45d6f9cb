#pragma once
// The recently used sound files the two sound dialogs share: at most 15 full paths, oldest
// first, kept in the settings as entries 1 (oldest) to 15. The dialogs show them newest first.

#include "platform/settings.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zm {

inline constexpr size_t kMaxRecentSoundFiles = 15;

class RecentSoundFiles final {
public:
    using FileExists = std::function<bool(const std::string& path)>;

    // `exists` tells whether a path names a file; by default a regular file on disk.
    explicit RecentSoundFiles(FileExists exists = {});

    // Reads entries 1 to 15 in order, up to the first empty one, skipping files that are gone.
    void Load(const Settings& settings);
    // Writes entries 1 to n, oldest first, and empties the entries after them.
    void Save(Settings& settings) const;

    // Adds a chosen file: nothing when it does not exist; selects it when it is listed; else
    // drops the oldest when the list is full, appends it as the newest and selects it.
    // True when the file is (now) listed.
    bool Add(const std::string& path);

    // Oldest first.
    const std::vector<std::string>& Files() const { return files_; }
    // The index in Files() of the selected file.
    std::optional<size_t> Selected() const { return selected_; }
    void Select(std::optional<size_t> index);
    // The selected file's path; empty when none is selected.
    std::string SelectedFile() const;

private:
    FileExists exists_;
    std::vector<std::string> files_;
    std::optional<size_t> selected_;
};

} // namespace zm
