#pragma once
// The user's settings in the program's settings file, through QSettings (maker "Orvendal",
// application "Zantimore Pro"; an INI file on Linux).

#include "platform/settings.h"

#include <QSettings>
#include <memory>

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
    // the file could not be written.
    bool Sync();

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace zm
