#pragma once
// Whether a command may use the data folder: the user's calendar stays private, and a folder in
// which another user can plant or replace files is not used at all.

#include "cli/cli_run.h"
#include "store/library/event_library.h"

#include <optional>
#include <string>

namespace zm {

// Refuses (with the reason on the error stream) a folder another user can write to and
// anything that is not a folder; warns once of a folder others can read. With `create`, a
// missing folder is created, readable and writable by the user only. True when the command
// may go on (a missing folder without `create` counts as usable: nothing is stored yet).
bool PrepareDataFolder(const CliRun& run, bool create);

// What keeps the library file from being opened, as "The library is damaged: " and the cause:
// a link to a file that does not exist, something that is not a file, a file shorter than its
// header and index. None when it is missing or looks whole.
std::optional<std::string> LibraryFileDamage(const std::string& path);

// The same for an open library that ends within a block its index uses. None otherwise: a tail
// no event uses is slack, no damage.
std::optional<std::string> OpenLibraryDamage(const EventLibrary& library, const std::string& path);

// True (after the message) when `target` is one of the program's own data files, which no
// file written on the user's say may replace.
bool RefusedAsOwnFile(const CliRun& run, const std::string& target);

} // namespace zm
