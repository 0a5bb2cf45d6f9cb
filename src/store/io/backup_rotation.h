#pragma once
// The backups of an unreadable side file: the newest is path + ".bak", the older ones ".bak2"
// and ".bak3"; the oldest beyond that is dropped, so the folder does not fill up with copies.

#include "store/io/file_cause.h"

#include <string>

namespace zm {

inline constexpr int kKeptBackups = 3;

// The name of backup n (1 = the newest) of the file.
std::string BackupName(const std::string& path, int n);

// Moves the file to BackupName(path, 1) after moving the older backups one place down (the
// oldest of kKeptBackups is removed), and makes the backup private (0600). None on success,
// with the new name in `backupPath`; otherwise the cause, and the file stays where it was.
FileCause KeepAsBackup(const std::string& path, std::string& backupPath);

} // namespace zm
