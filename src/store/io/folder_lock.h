#pragma once
// The lock of a data folder, taken by whoever creates a file in it that every start of the
// program expects (the library): two first starts at once take turns, and the second one finds
// the library the first one made instead of making a second one over it.

#include <chrono>
#include <memory>
#include <string>

namespace zm {

class FolderLock {
public:
    virtual ~FolderLock() = default;
};

// Takes the folder's lock (an exclusive advisory lock on the folder itself), waiting up to
// `wait` for another holder; null when it cannot be taken (errno tells why). held until the
// object is destroyed.
std::unique_ptr<FolderLock> LockPosixFolder(const std::string& folder,
                                            std::chrono::milliseconds wait);

} // namespace zm
