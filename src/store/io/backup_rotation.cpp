#include "store/io/backup_rotation.h"

#include "store/io/private_files.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zm {
namespace {

// A backup of a file written before the data became private may still be readable by others.
void MakePrivate(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) (void)::fchmod(fd, kPrivateFileMode);
    ::close(fd);
}

} // namespace

std::string BackupName(const std::string& path, int n) {
    return path + ".bak" + (n > 1 ? std::to_string(n) : std::string());
}

FileCause KeepAsBackup(const std::string& path, std::string& backupPath) {
    // Older backups move down as far as they can; a name that cannot be freed is taken care
    // of by the last move, which then fails.
    for (int n = kKeptBackups; n > 1; --n)
        std::rename(BackupName(path, n - 1).c_str(), BackupName(path, n).c_str());
    const std::string newest = BackupName(path, 1);
    if (std::rename(path.c_str(), newest.c_str()) != 0) return FileCauseFromErrno(errno);
    MakePrivate(newest);
    backupPath = newest;
    return FileCause::None;
}

} // namespace zm
