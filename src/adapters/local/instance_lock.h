#pragma once
// The per-user lock that tells whether a copy of the program runs: an exclusive lock on a file
// of the runtime folder, held while the program runs and let go by the system when the process
// ends in any way, so a crashed copy leaves no lock behind.

#include <string>

namespace zm {

enum class LockClaim : uint8_t {
    Acquired,      // this process holds the lock now
    HeldElsewhere, // another copy holds it
    Failed,        // the lock file cannot be opened
};

class InstanceLock {
public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    LockClaim Acquire(const std::string& path);
    void Release();
    bool Held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

} // namespace zm
