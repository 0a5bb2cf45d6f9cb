#pragma once
// Whole-file reading and safe replacement of the side files (event types, quick reminders).
//
// A file is never rewritten in place: the new content goes to a fresh file in the same folder,
// reaches the disk, and is then renamed over the old one, so a crash while saving leaves either
// the old file or the new one; the new file is private to its user and created without following
// a link planted under its name. A file that cannot be read is kept as a backup before a new one
// takes its place, so nothing the user had is lost.

#include "store/io/file_cause.h"
#include "store/io/side_file_outcome.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace zm {

// No side file of ours comes near this; a bigger one is not read into memory.
inline constexpr size_t kMaxSideFileSize = 16u << 20;

// The folder joined with the file name; empty when the folder is empty (not known).
std::string SideFilePath(const std::string& folder, const char* fileName);

// Reads the whole file. FileNotFound when it does not exist; InvalidFile when it is larger
// than kMaxSideFileSize or not a regular file.
FileCause ReadWholeFile(const std::string& path, std::vector<uint8_t>& out);

// Replaces the file with the bytes: writes path + ".new" (mode 0600, OpenNewPrivateFile),
// flushes it to the disk, renames it over the file and flushes the folder. On failure the old file
// is untouched and the new one removed.
FileCause WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes);

// Deals with a file that could not be read, after the caller took the defaults in its place:
// keeps the file as a backup (KeepAsBackup, the last few backups stay), then `writeNew` writes
// the new file. The outcome is Ok, since the program goes on with the defaults, and says
// `replaced` and where the unreadable file is now. When it cannot be kept as a backup it is not
// written over but stays under its own name, and when the new file cannot be written the backup
// goes back in its place; `keepCause` then tells why.
SideFileOutcome ReplaceUnreadableFile(const std::string& path,
                                      const std::function<SideFileOutcome()>& writeNew);

} // namespace zm
