#include "adapters/qt/qt_settings.h"

#include "adapters/plain/settings_file.h"
#include "adapters/plain/small_file.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "store/io/backup_rotation.h"

#include <cerrno>
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

// Not text a settings file holds: a zero byte, or bytes that are not UTF-8.
bool DamagedText(std::string_view text) {
    if (text.find('\0') != std::string_view::npos) return true;
    const QString decoded = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return decoded.contains(QChar::ReplacementCharacter) &&
           text.find("\xEF\xBF\xBD") == std::string_view::npos;
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
    SmallFileState state = LookAtSmallFile(path_, kMaxSettingsFileBytes);
    if (state == SmallFileState::Regular) {
        // Read here without blocking; QSettings reads it again, a regular file of a settings
        // file's size.
        const std::optional<std::string> text = ReadSmallFile(path_, kMaxSettingsFileBytes, &state);
        if (text && DamagedText(*text)) state = SmallFileState::Unreadable;
    }
    switch (state) {
    case SmallFileState::Missing:
    case SmallFileState::Regular:
        break;
    case SmallFileState::NotRegular:
        problem_ = FormatText(IDS_SETTINGS_NOT_REGULAR, {path_});
        return;
    case SmallFileState::TooLarge:
    case SmallFileState::Unreadable:
        if (!KeepAsBackup()) return;
        break;
    }
    // Made private now: QSettings also writes on its own from the event loop after a change.
    PrepareFile();
    // The files QSettings falls back to are read by it too: when one of them is not a regular
    // file, only the user's file is read.
    bool othersUsable = native;
    for (size_t i = 1; i < files.size() && othersUsable; ++i)
        othersUsable = Usable(LookAtSmallFile(files[i], kMaxSettingsFileBytes));
    if (othersUsable)
        settings_ = std::make_unique<QSettings>(QStringLiteral("Orvendal"),
                                                QStringLiteral("Zantimore Pro"));
    else
        settings_ =
            std::make_unique<QSettings>(QString::fromStdString(path_), QSettings::IniFormat);
    if (settings_->status() == QSettings::FormatError) {
        settings_.reset();
        if (!KeepAsBackup()) return;
        settings_ =
            std::make_unique<QSettings>(QString::fromStdString(path_), QSettings::IniFormat);
    }
}

bool QtSettings::KeepAsBackup() {
    std::string kept;
    if (zm::KeepAsBackup(path_, kept) != FileCause::None) {
        problem_ = FormatText(IDS_SETTINGS_UNREADABLE, {path_});
        return false;
    }
    problem_ = FormatText(IDS_SETTINGS_FILE_REPLACED, {kept});
    return true;
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
    // The folder private whatever the umask (its parent too when it is made now); the file made
    // private before QSettings writes it, which keeps the mode of the file it replaces.
    const std::string folder = FolderOf(path_);
    if (!folder.empty() && ::mkdir(folder.c_str(), 0700) != 0 && errno == ENOENT) {
        const std::string parent = FolderOf(folder);
        if (!parent.empty()) ::mkdir(parent.c_str(), 0700);
        ::mkdir(folder.c_str(), 0700);
    }
    // One made open to everybody before (under a permissive umask) is closed again.
    struct stat folderStat {};
    if (!folder.empty() && ::lstat(folder.c_str(), &folderStat) == 0 &&
        S_ISDIR(folderStat.st_mode) && folderStat.st_uid == ::geteuid() &&
        (folderStat.st_mode & 077) != 0)
        ::chmod(folder.c_str(), folderStat.st_mode & 0700);
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
