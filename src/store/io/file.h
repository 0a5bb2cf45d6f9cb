#pragma once
// The file underneath a library: reads and writes at absolute offsets. Every call answers with
// the result of the file primitives: ReadError for a failed or short read, DiskFull for a write
// that found the disk full, WriteError for any other failed or short write or flush.

#include "store/io/library_result.h"

#include <cstddef>
#include <cstdint>

namespace zm {

class File {
public:
    virtual ~File() = default;

    // Reads exactly `size` bytes at `offset`; fewer bytes is a failure (ReadError).
    virtual LibraryResult ReadAt(uint64_t offset, void* data, size_t size) = 0;
    // Writes exactly `size` bytes at `offset` (DiskFull when the disk is full, else WriteError).
    virtual LibraryResult WriteAt(uint64_t offset, const void* data, size_t size) = 0;
    // The current length of the file (SeekError when it cannot be told).
    virtual LibraryResult Size(uint64_t& size) = 0;
    // Makes the data written so far reach the disk (DiskFull when the disk is full, else
    // WriteError).
    virtual LibraryResult Flush() = 0;
    // Cuts the file to `size` bytes when it is longer; a shorter file stays as it is. A file
    // that cannot be cut answers WriteError and stays as it is.
    virtual LibraryResult Truncate(uint64_t size) {
        static_cast<void>(size);
        return LibraryResult::WriteError;
    }
};

// Why a file could not be opened or created, for the file-error box.
enum class FileFailureKind : uint8_t {
    None,
    NotFound,     // the file or a folder on its path does not exist
    AccessDenied, // no permission, or a read-only file system
    InUse,        // another program holds the file locked
    NotAFile,     // a pipe, a device or a socket: never read or written as a file
    Other,
};

struct FileFailure {
    FileFailureKind kind = FileFailureKind::None;
    int systemError = 0; // the operating system's error number, 0 when none
};

} // namespace zm
