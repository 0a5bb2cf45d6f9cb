#include "store/io/backup_rotation.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace zm {

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
    backupPath = newest;
    return FileCause::None;
}

} // namespace zm
