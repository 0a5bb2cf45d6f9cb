#pragma once
// What loading or saving a side file came to.

#include "store/io/file_cause.h"

#include <string>

namespace zm {

struct SideFileOutcome {
    // None on success; otherwise why the file could not be written (or read).
    FileCause cause = FileCause::None;
    // The file concerned, for the file-exception message.
    std::string path;
    // Loading found no file and created a new one.
    bool created = false;
    // Loading found the file unreadable and took the defaults instead; the unreadable file is
    // kept as `keptAs`: a backup name, or its own name when it could not be kept as a backup
    // (`keepCause` tells why) or no new file could be written (`keepCause` is the write's).
    bool replaced = false;
    std::string keptAs;
    FileCause keepCause = FileCause::None;

    bool Ok() const { return cause == FileCause::None; }
};

} // namespace zm
