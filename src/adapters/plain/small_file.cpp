#include "adapters/plain/small_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zm {

SmallFileState LookAtSmallFile(const std::string& path, std::size_t maxBytes) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno != ENOENT) return SmallFileState::Unreadable;
        // A link that leads nowhere is not a file to be made where it points.
        return ::lstat(path.c_str(), &st) == 0 ? SmallFileState::NotRegular
                                               : SmallFileState::Missing;
    }
    if (!S_ISREG(st.st_mode)) return SmallFileState::NotRegular;
    if (st.st_size < 0 || static_cast<std::size_t>(st.st_size) > maxBytes)
        return SmallFileState::TooLarge;
    return SmallFileState::Regular;
}

std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes,
                                         SmallFileState* state) {
    SmallFileState ignored;
    SmallFileState& found = state ? *state : ignored;
    // A device or a pipe is not even opened; the file opened is looked at again in case it was
    // replaced meanwhile.
    found = LookAtSmallFile(path, maxBytes);
    if (found != SmallFileState::Regular) return std::nullopt;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        found = errno == ENOENT ? SmallFileState::Missing : SmallFileState::Unreadable;
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        found = S_ISREG(st.st_mode) || st.st_mode == 0 ? SmallFileState::Unreadable
                                                       : SmallFileState::NotRegular;
        ::close(fd);
        return std::nullopt;
    }
    std::string text;
    char buffer[16384];
    found = SmallFileState::Regular;
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) found = SmallFileState::Unreadable;
        if (n > 0 && text.size() + static_cast<std::size_t>(n) > maxBytes)
            found = SmallFileState::TooLarge;
        if (n <= 0 || found != SmallFileState::Regular) break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (found != SmallFileState::Regular) return std::nullopt;
    return text;
}

bool WritePrivateFile(const std::string& path, std::string_view text) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos || slash == 0) return false;
    const std::string folder = path.substr(0, slash);
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        // The parent may be missing too (a fresh cache folder): one level more.
        const std::size_t up = folder.rfind('/');
        if (up == std::string::npos || up == 0) return false;
        if (::mkdir(folder.substr(0, up).c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC); // created 0600
    if (fd < 0) return false;
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

} // namespace zm
