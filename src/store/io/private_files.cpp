#include "store/io/private_files.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace zm {
namespace {

FileIdentity IdentityOfStat(const struct stat& st) {
    return FileIdentity{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
}

// True when a regular file of the folder (its names filtered by `wanted`) is the file `target`.
template <typename Wanted>
bool FolderHolds(const std::string& folder, const FileIdentity& target, Wanted wanted) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return false;
    bool found = false;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == ".." || !wanted(name)) continue;
        struct stat st {};
        if (::fstatat(::dirfd(dir), entry->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode)) continue;
        if (IdentityOfStat(st) == target) {
            found = true;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

} // namespace

FolderCheck CheckDataFolder(const std::string& folder) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0) {
        const int error = errno;
        if (error == ENOENT) return {FolderAccess::Missing, error};
        // A file where a folder of the path should be.
        if (error == ENOTDIR) return {FolderAccess::NotAFolder, error};
        return {FolderAccess::Unreadable, error};
    }
    if (!S_ISDIR(st.st_mode)) return {FolderAccess::NotAFolder, ENOTDIR};
    const bool foreignOwner = st.st_uid != ::geteuid() && st.st_uid != 0;
    if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0 || (foreignOwner && (st.st_mode & S_IWUSR) != 0))
        return {FolderAccess::OthersCanWrite, 0};
    if ((st.st_mode & (S_IRGRP | S_IROTH | S_IXGRP | S_IXOTH)) != 0 || foreignOwner)
        return {FolderAccess::OthersCanRead, 0};
    return {FolderAccess::Private, 0};
}

int CreatePrivateFolder(const std::string& folder) {
    if (folder.empty()) return ENOENT;
    std::error_code ec;
    const std::filesystem::path path(folder);
    const std::filesystem::path parent = path.lexically_normal().parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent, ec);
    if (ec) return ec.value();
    if (::mkdir(folder.c_str(), kPrivateFolderMode) != 0) {
        const int error = errno;
        if (error != EEXIST) return error;
        struct stat st {};
        if (::stat(folder.c_str(), &st) != 0) return errno;
        return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
    }
    // mkdir took the umask off the mode: a folder just made is made private outright.
    return ::chmod(folder.c_str(), kPrivateFolderMode) == 0 ? 0 : errno;
}

int OpenNewPrivateFile(const std::string& path, int access) {
    int fd;
    do {
        fd = ::open(path.c_str(), access | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    kPrivateFileMode);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return -1;
    // Under a umask that takes the owner's bits away the file would not be usable; any other
    // umask leaves 0600 as it is.
    if (::fchmod(fd, kPrivateFileMode) != 0) {
        const int error = errno;
        ::close(fd);
        ::unlink(path.c_str());
        errno = error;
        return -1;
    }
    return fd;
}

std::optional<FileIdentity> IdentityOf(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return std::nullopt;
    return IdentityOfStat(st);
}

bool IsProgramDataFile(const std::string& path, const std::string& dataFolder,
                       const std::string& archiveFolder) {
    const std::optional<FileIdentity> target = IdentityOf(path);
    if (!target || dataFolder.empty()) return false;
    const std::string prefix = kDataFilePrefix;
    if (FolderHolds(dataFolder, *target,
                    [&](const std::string& name) { return name.starts_with(prefix); }))
        return true;
    const std::string archive = dataFolder + (dataFolder.back() == '/' ? "" : "/") + archiveFolder;
    return FolderHolds(archive, *target, [](const std::string&) { return true; });
}

} // namespace zm
