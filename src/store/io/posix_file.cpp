#include "store/io/posix_file.h"

#include "store/io/private_files.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zm {
namespace {

FileFailureKind KindOf(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return FileFailureKind::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return FileFailureKind::AccessDenied;
    case EWOULDBLOCK:
        return FileFailureKind::InUse;
    default:
        return FileFailureKind::Other;
    }
}

} // namespace

FileFailure FileFailureFromErrno(int error) {
    return FileFailure{KindOf(error), error};
}

LibraryResult WriteErrorCode(int systemError) {
    if (systemError == ENOSPC) return LibraryResult::DiskFull;
#ifdef EDQUOT
    if (systemError == EDQUOT) return LibraryResult::DiskFull;
#endif
    return LibraryResult::WriteError;
}

std::unique_ptr<PosixFile> PosixFile::Open(const std::string& path, FileMode mode,
                                           FileFailure& failure) {
    failure = FileFailure{};
    int flags = O_CLOEXEC;
    switch (mode) {
    case FileMode::ReadOnly:
        flags |= O_RDONLY;
        break;
    case FileMode::ReadWrite:
        flags |= O_RDWR;
        break;
    case FileMode::Create:
        flags |= O_RDWR | O_CREAT;
        break;
    case FileMode::CreateNew:
        flags |= O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW;
        break;
    }
    // Without waiting: a pipe or a device would block the open, and holding the library's
    // lock meanwhile. Anything that is not a regular file is refused below.
    flags |= O_NONBLOCK;
    const mode_t newMode = mode == FileMode::CreateNew ? kPrivateFileMode : 0666;
    int fd;
    do {
        fd = ::open(path.c_str(), flags, newMode);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        failure = FileFailureFromErrno(errno);
        return nullptr;
    }
    auto fail = [&](int error) {
        ::close(fd);
        failure = FileFailureFromErrno(error);
        return nullptr;
    };
    struct stat st {};
    if (::fstat(fd, &st) != 0) return fail(errno);
    if (S_ISDIR(st.st_mode)) return fail(EISDIR);
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        failure = FileFailure{FileFailureKind::NotAFile, 0};
        return nullptr;
    }
    if (::fcntl(fd, F_SETFL, 0) != 0) return fail(errno); // reads and writes wait again
    // The umask may have taken the owner's bits from a new private file.
    if (mode == FileMode::CreateNew && ::fchmod(fd, kPrivateFileMode) != 0) return fail(errno);
    if (mode != FileMode::ReadOnly) {
        int rc;
        do {
            rc = ::flock(fd, LOCK_EX | LOCK_NB);
        } while (rc != 0 && errno == EINTR);
        if (rc != 0) return fail(errno == EWOULDBLOCK ? EWOULDBLOCK : errno);
        if (mode == FileMode::Create && ::ftruncate(fd, 0) != 0) return fail(errno);
    }
    return std::unique_ptr<PosixFile>(new PosixFile(fd));
}

PosixFile::~PosixFile() {
    ::close(fd_);
}

LibraryResult PosixFile::ReadAt(uint64_t offset, void* data, size_t size) {
    auto* p = static_cast<unsigned char*>(data);
    while (size > 0) {
        const ssize_t n = ::pread(fd_, p, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return LibraryResult::ReadError;
        p += n;
        size -= static_cast<size_t>(n);
        offset += static_cast<uint64_t>(n);
    }
    return LibraryResult::Ok;
}

LibraryResult PosixFile::WriteAt(uint64_t offset, const void* data, size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    while (size > 0) {
        const ssize_t n = ::pwrite(fd_, p, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return WriteErrorCode(errno);
        if (n == 0) return LibraryResult::WriteError;
        p += n;
        size -= static_cast<size_t>(n);
        offset += static_cast<uint64_t>(n);
    }
    return LibraryResult::Ok;
}

LibraryResult PosixFile::Size(uint64_t& size) {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) return LibraryResult::SeekError;
    size = static_cast<uint64_t>(st.st_size);
    return LibraryResult::Ok;
}

LibraryResult PosixFile::Truncate(uint64_t size) {
    uint64_t now = 0;
    if (Size(now) != LibraryResult::Ok) return LibraryResult::WriteError;
    if (now <= size) return LibraryResult::Ok;
    int rc;
    do {
        rc = ::ftruncate(fd_, static_cast<off_t>(size));
    } while (rc != 0 && errno == EINTR);
    return rc == 0 ? LibraryResult::Ok : LibraryResult::WriteError;
}

LibraryResult PosixFile::Flush() {
    if (::fsync(fd_) != 0) return WriteErrorCode(errno);
    return LibraryResult::Ok;
}

} // namespace zm
