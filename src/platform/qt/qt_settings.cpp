#include "platform/qt/qt_settings.h"

#include "platform/plain/settings_file.h"
#include "platform/plain/small_file.h"
#include "res/format_text.h"
#include "res/strings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zm {
namespace {

QString ToQString(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

bool Usable(SmallFileState state) {
    return state == SmallFileState::Missing || state == SmallFileState::Regular;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos || slash == 0 ? std::string() : path.substr(0, slash);
}

} // namespace

QtSettings::QtSettings() {
    Open(ProgramSettingsFiles(), true);
}

QtSettings::QtSettings(const QString& iniPath) {
    Open({iniPath.toStdString()}, false);
}

void QtSettings::Open(const std::vector<std::string>& files, bool native) {
    path_ = files.front();
    if (LookAtSmallFile(path_, SIZE_MAX) == SmallFileState::NotRegular) {
        problem_ = FormatText(IDS_SETTINGS_NOT_REGULAR, {path_});
        return;
    }
    // The files QSettings falls back to are read by it too: when one of them is not a regular
    // file, only the user's file is read.
    bool othersUsable = native;
    for (size_t i = 1; i < files.size() && othersUsable; ++i)
        othersUsable = Usable(LookAtSmallFile(files[i], SIZE_MAX));
    if (othersUsable)
        settings_ = std::make_unique<QSettings>(QStringLiteral("Orvendal"),
                                                QStringLiteral("Zantimore Pro"));
    else
        settings_ =
            std::make_unique<QSettings>(QString::fromStdString(path_), QSettings::IniFormat);
}

std::optional<std::string> QtSettings::Read(std::string_view key) const {
    if (!settings_) return memory_.Read(key);
    const QString k = ToQString(key);
    if (!settings_->contains(k)) return std::nullopt;
    return settings_->value(k).toString().toStdString();
}

void QtSettings::Write(std::string_view key, std::string_view value) {
    if (!settings_) return memory_.Write(key, value);
    settings_->setValue(ToQString(key), ToQString(value));
}

void QtSettings::PrepareFile() const {
    // The file made private before QSettings writes it, which keeps the mode of the file it
    // replaces.
    const std::string folder = FolderOf(path_);
    if (!folder.empty()) ::mkdir(folder.c_str(), 0700);
    if (!Usable(LookAtSmallFile(path_, SIZE_MAX))) return;
    const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) return;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 077) != 0)
        ::fchmod(fd, st.st_mode & 0700);
    ::close(fd);
}

bool QtSettings::Sync() {
    if (!settings_) return true;
    // Not written over when it has become something else than a regular file meanwhile.
    if (!Usable(LookAtSmallFile(path_, SIZE_MAX))) return false;
    PrepareFile();
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

} // namespace zm
