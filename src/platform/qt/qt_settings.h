#pragma once
// The user's settings in the program's settings file, through QSettings (maker "Orvendal",
// application "Zantimore Pro"; an INI file on Linux).
//
// The file is read and replaced only when it, or what it links to, is a regular file: a pipe, a
// device or a link to nothing under its name is left alone and the settings are kept in memory,
// which is told once (Problem()). The file is private to the user.

#include "platform/memory_settings.h"
#include "platform/settings.h"

#include <QSettings>
#include <memory>
#include <string>
#include <vector>

namespace zm {

class QtSettings final : public Settings {
public:
    // The program's own settings.
    QtSettings();
    // Settings in a file of the given path (INI form), for tests and tools.
    explicit QtSettings(const QString& iniPath);

    std::optional<std::string> Read(std::string_view key) const override;
    void Write(std::string_view key, std::string_view value) override;
    // Writes what was changed to the file now (it happens on destruction otherwise); false when
    // the file could not be written. Settings kept in memory write nothing and give true.
    bool Sync();

    // What the user is to be told once about the settings file; empty when nothing.
    const std::string& Problem() const { return problem_; }
    // The settings are kept in memory only: the file is not the program's to replace.
    bool InMemory() const { return !settings_; }

private:
    // `files`: the user's file first, then those QSettings falls back to.
    void Open(const std::vector<std::string>& files, bool native);
    // The file made private before QSettings writes it.
    void PrepareFile() const;

    std::string path_;
    std::string problem_;
    std::unique_ptr<QSettings> settings_;
    MemorySettings memory_;
};

} // namespace zm
