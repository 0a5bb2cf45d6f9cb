#include "platform/qt/qt_settings.h"

namespace zm {
namespace {

QString ToQString(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

QtSettings::QtSettings()
    : settings_(std::make_unique<QSettings>(QStringLiteral("Orvendal"),
                                            QStringLiteral("Zantimore Pro"))) {}

QtSettings::QtSettings(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

std::optional<std::string> QtSettings::Read(std::string_view key) const {
    const QString k = ToQString(key);
    if (!settings_->contains(k)) return std::nullopt;
    return settings_->value(k).toString().toStdString();
}

void QtSettings::Write(std::string_view key, std::string_view value) {
    settings_->setValue(ToQString(key), ToQString(value));
}

bool QtSettings::Sync() {
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

} // namespace zm
