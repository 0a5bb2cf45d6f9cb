#pragma once
// The per-user folder of the program's lock and socket: "zantimore" in $XDG_RUNTIME_DIR when
// that is an absolute path to a folder of this user that nobody else may enter; otherwise
// "zantimore-UID" in the program's folder of the user's cache (not a shared temporary folder,
// where another user could make it first). Either way the folder is this user's, mode 0700.

#include <string>
#include <sys/types.h>

namespace zm {

inline constexpr char kInstanceLockName[] = "lock";
inline constexpr char kInstanceSocketName[] = "socket";

// Where the folder is for these environment values; creates nothing.
std::string RuntimeFolderFor(const char* xdgRuntimeDir, uid_t uid, const std::string& fallbackBase);
// The folder the fallback goes in: "zantimore" in $XDG_CACHE_HOME when that is absolute, else
// in $HOME/.cache; the temporary folder only without a home.
std::string RuntimeFallbackBase(const char* xdgCacheHome, const char* home);
// The folder of this process's environment and user.
std::string RuntimeFolder();

// Creates the folder (mode 0700, and its missing parents) when it is missing and makes sure it is a
// real folder owned by `uid` that nobody else may enter (taking group and other access away from
// one of ours). On failure returns false and says why in `problem`.
bool PrepareRuntimeFolder(const std::string& folder, uid_t uid, std::string& problem);

} // namespace zm
