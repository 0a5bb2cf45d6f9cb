#include "store/io/side_file.h"

#include "store/io/backup_rotation.h"
#include "store/io/private_files.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zm {
namespace {

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return fd_; }
    // Closes now; the result of close counts (it can report a failed write-back).
    int Close() {
        const int r = ::close(fd_);
        fd_ = -1;
        return r;
    }

private:
    int fd_;
};

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool Exists(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

} // namespace

std::string SideFilePath(const std::string& folder, const char* fileName) {
    if (folder.empty()) return {};
    std::string path = folder;
    if (path.back() != '/') path += '/';
    return path + fileName;
}

FileCause ReadWholeFile(const std::string& path, std::vector<uint8_t>& out) {
    // Not blocking: a pipe under the file's name must not hang the program.
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.Get() < 0) return FileCauseFromErrno(errno);
    struct stat st;
    if (::fstat(fd.Get(), &st) != 0) return FileCauseFromErrno(errno);
    if (!S_ISREG(st.st_mode) || st.st_size < 0 ||
        static_cast<uint64_t>(st.st_size) > kMaxSideFileSize)
        return FileCause::InvalidFile;
    std::vector<uint8_t> data(static_cast<size_t>(st.st_size));
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::read(fd.Get(), data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return FileCauseFromErrno(errno);
        }
        if (n == 0) return FileCause::EndOfFile; // shrank while we read it
        done += static_cast<size_t>(n);
    }
    out = std::move(data);
    return FileCause::None;
}

FileCause WriteFileAtomically(const std::string& given, std::span<const uint8_t> bytes) {
    if (given.empty()) return FileCause::BadPath;
    // A file that is a symbolic link is replaced where the link points.
    std::string path = given;
    struct stat st;
    if (::lstat(given.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(given.c_str(), nullptr)) {
            path = real;
            std::free(real);
        }
    }
    const std::string temp = path + ".new";
    ::unlink(temp.c_str()); // a leftover of an earlier crash (a planted link goes with it)
    Fd fd(OpenNewPrivateFile(temp, O_WRONLY));
    if (fd.Get() < 0) return FileCauseFromErrno(errno);
    auto fail = [&](int err) {
        fd.Close();
        ::unlink(temp.c_str());
        return FileCauseFromErrno(err);
    };
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd.Get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        done += static_cast<size_t>(n);
    }
    if (::fsync(fd.Get()) != 0) return fail(errno);
    if (fd.Close() != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return FileCauseFromErrno(err);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return FileCauseFromErrno(err);
    }
    // The rename itself reaches the disk with the folder.
    Fd dir(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0) ::fsync(dir.Get());
    return FileCause::None;
}

SideFileOutcome ReplaceUnreadableFile(const std::string& path,
                                      const std::function<SideFileOutcome()>& writeNew) {
    SideFileOutcome result;
    result.path = path;
    result.replaced = true;
    result.keptAs = path;
    // A file that cannot be kept under a backup name is not written over: it stays as it is.
    std::string kept;
    result.keepCause = KeepAsBackup(path, kept);
    if (result.keepCause != FileCause::None) return result;
    const SideFileOutcome written = writeNew();
    if (!written.Ok()) {
        result.keepCause = written.cause;
        if (!Exists(path) && ::rename(kept.c_str(), path.c_str()) == 0) return result;
    }
    result.keptAs = std::move(kept);
    return result;
}

} // namespace zm
