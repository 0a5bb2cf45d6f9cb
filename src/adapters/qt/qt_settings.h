#pragma once
// The user's settings in the program's settings file, through QSettings (maker "Orvendal",
// application "Zantimore Pro"; an INI file on Linux).
//
// The file is read and replaced only when it, or what it links to, is a regular file of a
// settings file's size: a pipe, a device or a link to nothing under its name is left alone and
// the settings are kept in memory; a file too large or damaged to be a settings file is kept
// as a backup and the settings start from their defaults. Either is told once (Problem()). The
// file and its folder are private to the user.

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
    // Moves an unreadable file out of the way as a backup; false when it could not.
    bool KeepAsBackup();
    // The folder and the file made private before QSettings writes them.
    void PrepareFile() const;

    std::string path_;
    std::string problem_;
    std::unique_ptr<QSettings> settings_;
    MemorySettings memory_;
};

} // namespace zm
