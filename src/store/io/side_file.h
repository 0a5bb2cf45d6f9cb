#pragma once
// Whole-file reading and safe replacement of the side files (event types, quick reminders).
//
// A file is never rewritten in place: the new content goes to a fresh file in the same folder,
// reaches the disk, and is then renamed over the old one, so a crash while saving leaves either
// the old file or the new one. A file that cannot be read is moved aside under a backup name
// before a new one takes its place, so nothing the user had is lost.

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

// Replaces the file with the bytes: writes path + ".new", flushes it to the disk, renames it
// over the file and flushes the folder. On failure the old file is untouched and the new one
// removed.
FileCause WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes);

// Moves the file aside to path + ".bak" or, when that exists, path + ".bak2", ".bak3", ...
// Returns the name it now has in `backupPath`.
FileCause MoveAsideAsBackup(const std::string& path, std::string& backupPath);

// Replaces a file that could not be read: moves it aside (MoveAsideAsBackup), then runs
// `writeNew`, which writes the new file. When that fails the old file is put back. On success
// the outcome says `replaced` and where the old file is kept.
SideFileOutcome ReplaceUnreadableFile(const std::string& path,
                                      const std::function<SideFileOutcome()>& writeNew);

} // namespace zm
