#include "adapters/local/runtime_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace zm {
namespace {

bool IsPrivateFolderOf(const char* path, uid_t uid) {
    struct stat st {};
    return ::lstat(path, &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == uid &&
           (st.st_mode & 077) == 0;
}

} // namespace

std::string RuntimeFolderFor(const char* xdgRuntimeDir, uid_t uid,
                             const std::string& fallbackBase) {
    if (xdgRuntimeDir && xdgRuntimeDir[0] == '/' && IsPrivateFolderOf(xdgRuntimeDir, uid)) {
        std::string base = xdgRuntimeDir;
        if (base.back() != '/') base += '/';
        return base + "zantimore";
    }
    std::string base = fallbackBase;
    if (base.empty() || base.back() != '/') base += '/';
    return base + "zantimore-" + std::to_string(uid);
}

std::string RuntimeFallbackBase(const char* xdgCacheHome, const char* home) {
    if (xdgCacheHome && xdgCacheHome[0] == '/') return std::string(xdgCacheHome) + "/zantimore";
    if (home && home[0] == '/' && home[1] != '\0') return std::string(home) + "/.cache/zantimore";
    return "/tmp";
}

std::string RuntimeFolder() {
    return RuntimeFolderFor(
        std::getenv("XDG_RUNTIME_DIR"), ::getuid(),
        RuntimeFallbackBase(std::getenv("XDG_CACHE_HOME"), std::getenv("HOME")));
}

bool PrepareRuntimeFolder(const std::string& folder, uid_t uid, std::string& problem) {
    int made = ::mkdir(folder.c_str(), 0700) == 0 ? 0 : errno;
    if (made == ENOENT) {
        // The parents first, private too (a fresh cache folder).
        for (size_t slash = folder.find('/', 1); slash != std::string::npos;
             slash = folder.find('/', slash + 1))
            ::mkdir(folder.substr(0, slash).c_str(), 0700);
        made = ::mkdir(folder.c_str(), 0700) == 0 ? 0 : errno;
    }
    if (made != 0 && made != EEXIST) {
        problem = folder + ": " + std::strerror(made);
        return false;
    }
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0) {
        problem = folder + ": " + std::strerror(errno);
        return false;
    }
    // A link or a folder of someone else could let another user in.
    if (!S_ISDIR(st.st_mode) || st.st_uid != uid) {
        problem = folder + ": " + std::strerror(EPERM);
        return false;
    }
    if ((st.st_mode & 077) != 0 && ::chmod(folder.c_str(), 0700) != 0) {
        problem = folder + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

} // namespace zm
