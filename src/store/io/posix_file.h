#pragma once
// A file of the operating system, through POSIX calls.
//
// A library opened for writing is locked for the whole time it is open (an exclusive advisory
// lock on the open file, so that two opens in one process exclude each other too): other
// programs may still read it, but a second writer is refused.

#include "store/io/file.h"

#include <memory>
#include <string>

namespace zm {

enum class FileMode : uint8_t {
    ReadOnly,  // an existing file, read only, no lock
    ReadWrite, // an existing file, read and write, locked
    Create,    // a new or emptied file, read and write, locked
    CreateNew, // a file that must not exist yet (not even as a link), 0600, read and write,
               // locked
};

class PosixFile final : public File {
public:
    // Opens `path`; on failure returns null and tells why in `failure`. A file that another
    // writer holds is refused with FileFailureKind::InUse; Create empties the file only after
    // it holds the lock, so it never destroys a library that is in use.
    static std::unique_ptr<PosixFile> Open(const std::string& path, FileMode mode,
                                           FileFailure& failure);
    ~PosixFile() override;
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;

    LibraryResult ReadAt(uint64_t offset, void* data, size_t size) override;
    LibraryResult WriteAt(uint64_t offset, const void* data, size_t size) override;
    LibraryResult Size(uint64_t& size) override;
    LibraryResult Flush() override;
    LibraryResult Truncate(uint64_t size) override;

private:
    explicit PosixFile(int fd) : fd_(fd) {}
    int fd_;
};

// Why a file could not be opened, from the system's error number.
FileFailure FileFailureFromErrno(int systemError);

// The result of a failed write or flush for an error number: DiskFull for a full disk, else
// WriteError.
LibraryResult WriteErrorCode(int systemError);

} // namespace zm
