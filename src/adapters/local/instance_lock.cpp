#include "adapters/local/instance_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace zm {

InstanceLock::~InstanceLock() {
    Release();
}

LockClaim InstanceLock::Acquire(const std::string& path) {
    Release();
    // Close-on-exec: the crash report's process must not keep the lock.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return LockClaim::Failed;
    int rc = 0;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held ? LockClaim::HeldElsewhere : LockClaim::Failed;
    }
    fd_ = fd;
    return LockClaim::Acquired;
}

void InstanceLock::Release() {
    if (fd_ < 0) return;
    ::close(fd_); // closing the only descriptor lets the lock go
    fd_ = -1;
}

} // namespace zm
