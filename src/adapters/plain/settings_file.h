#pragma once
// The program's settings read straight from the files QSettings keeps them in on Linux (maker
// "Orvendal", application "Zantimore Pro"), without Qt: for the command-line companion, which
// starts many times and only reads them.

#include "adapters/plain/small_file.h"
#include "platform/settings.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zm {

// The files QSettings looks a key up in, first to last: the user's file of the application and
// of the maker (under XDG_CONFIG_HOME, else HOME/.config), then the system's.
std::vector<std::string> ProgramSettingsFilesFrom(const char* xdgConfigHome, const char* home);
std::vector<std::string> ProgramSettingsFiles();

class FileSettings final : public Settings {
public:
    // Stores a value where QSettings will find it; false when it could not.
    using Writer = std::function<bool(std::string_view key, std::string_view value)>;
    // Told of each file that is there but is not read: not a regular file, too large,
    // unreadable. Its settings read as their defaults.
    using Unread = std::function<void(const std::string& path, SmallFileState state)>;

    // The files are read once, at the first Read.
    FileSettings(std::vector<std::string> files, Writer writer, Unread unread = {});

    std::optional<std::string> Read(std::string_view key) const override;
    void Write(std::string_view key, std::string_view value) override;

private:
    void Load() const;

    std::vector<std::string> files_;
    Writer writer_;
    Unread unread_;
    mutable bool loaded_ = false;
    mutable std::vector<std::map<std::string, std::string, std::less<>>> values_;
};

} // namespace zm
