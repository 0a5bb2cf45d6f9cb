#include "store/io/store_file_system.h"

#include "store/io/private_files.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zm {

std::unique_ptr<File> PosixFileSystem::Open(const std::string& path, FileMode mode,
                                            FileFailure& failure) {
    return PosixFile::Open(path, mode, failure);
}

bool PosixFileSystem::IsFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

int PosixFileSystem::CreateFolder(const std::string& path) {
    if (::mkdir(path.c_str(), kPrivateFolderMode) != 0) return errno;
    // Private whatever the umask (mkdir takes it off the mode).
    return ::chmod(path.c_str(), kPrivateFolderMode) == 0 ? 0 : errno;
}

int PosixFileSystem::MoveNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    // A file system that cannot refuse the replacement itself: a hard link refuses an
    // existing name, then the old name goes.
    if (::link(from.c_str(), to.c_str()) != 0) return errno;
    if (::unlink(from.c_str()) != 0) {
        const int error = errno;
        ::unlink(to.c_str());
        return error;
    }
    return 0;
}

int PosixFileSystem::MoveReplacing(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

std::unique_ptr<FolderLock> PosixFileSystem::LockFolder(const std::string& folder) {
    // Creating a library takes milliseconds; a holder that keeps it longer is stuck.
    return LockPosixFolder(folder, std::chrono::seconds(10));
}

int PosixFileSystem::Remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

int PosixFileSystem::FlushFolder(const std::string& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace zm
