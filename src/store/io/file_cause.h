#pragma once
// Why reading or writing a side file (event types, quick reminders, import and export files)
// failed, and the message the file-exception box shows for it.

#include <string>
#include <string_view>

namespace zm {

enum class FileCause {
    None, // no failure
    Generic,
    FileNotFound,
    BadPath,
    TooManyOpenFiles,
    AccessDenied,
    InvalidFile,
    BadSeek,
    HardIO,
    SharingViolation,
    LockViolation,
    DiskFull,
    EndOfFile,
    NotRegularFile, // a pipe, a device or a socket
};

// The cause of a failed system call from its errno value.
FileCause FileCauseFromErrno(int err);

// The text for a cause, ending in a line break ("Access Denied.\n").
const char* FileCauseText(FileCause cause);

// The whole message: the caller's text, the file name, an empty line, the cause's text.
std::string FileExceptionMessage(std::string_view lead, std::string_view fileName, FileCause cause);

} // namespace zm
