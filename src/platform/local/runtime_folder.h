#pragma once
// The per-user folder of the program's lock and socket: "zantimore" in $XDG_RUNTIME_DIR when
// that is an absolute path to a folder of this user that nobody else may enter; otherwise
// "zantimore-UID" in the temporary folder. Either way the folder is this user's, mode 0700.

#include <string>
#include <sys/types.h>

namespace zm {

inline constexpr char kInstanceLockName[] = "lock";
inline constexpr char kInstanceSocketName[] = "socket";

// Where the folder is for these environment values; creates nothing.
std::string RuntimeFolderFor(const char* xdgRuntimeDir, uid_t uid,
                             const std::string& temporaryFolder = "/tmp");
// The folder of this process's environment and user.
std::string RuntimeFolder();

// Creates the folder (mode 0700) when it is missing and makes sure it is a real folder owned
// by `uid` that nobody else may enter (taking group and other access away from one of ours).
// On failure returns false and says why in `problem`.
bool PrepareRuntimeFolder(const std::string& folder, uid_t uid, std::string& problem);

} // namespace zm
