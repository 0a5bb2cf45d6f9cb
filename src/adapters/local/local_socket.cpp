#include "adapters/local/local_socket.h"

#include "ipc_protocol/companion_protocol.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace zm {
namespace {

using Clock = std::chrono::steady_clock;

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

ExchangeResult Broken(int error) {
    return {ExchangeStatus::Failed, {}, std::strerror(error)};
}

// Waits until the socket is ready for `events` or the deadline passes; false on the deadline.
bool WaitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        pollfd p{fd, events, 0};
        const int rc = ::poll(&p, 1, static_cast<int>(left.count()));
        if (rc > 0) return true;
        if (rc < 0 && errno != EINTR) return true; // let the read or write tell the error
    }
}

} // namespace

std::optional<uid_t> PeerUid(int socketFd) {
    ucred cred{};
    socklen_t size = sizeof cred;
    if (::getsockopt(socketFd, SOL_SOCKET, SO_PEERCRED, &cred, &size) != 0 || size != sizeof cred)
        return std::nullopt;
    return cred.uid;
}

bool PeerHungUp(int socketFd) {
    pollfd p{socketFd, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & POLLHUP) != 0;
}

int ListenOnSocket(const std::string& path, std::string& problem) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path) {
        problem = path + ": " + std::strerror(ENAMETOOLONG);
        return -1;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        problem = std::strerror(errno);
        return -1;
    }
    ::unlink(path.c_str());
    // The folder is the user's alone; the socket is made the user's alone as well before it
    // takes connections.
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(path.c_str(), S_IRUSR | S_IWUSR) != 0 || ::listen(fd, 16) != 0) {
        problem = path + ": " + std::strerror(errno);
        ::close(fd);
        ::unlink(path.c_str());
        return -1;
    }
    return fd;
}

ExchangeResult ExchangeOverSocket(const std::string& socketPath, std::string_view payload,
                                  std::chrono::milliseconds timeout, size_t answerLimit) {
    const auto deadline = Clock::now() + timeout;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.empty() || socketPath.size() >= sizeof address.sun_path) return {};
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);

    Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.Get() < 0) return Broken(errno);
    for (;;) {
        if (::connect(socket.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) ==
            0)
            break;
        // A full queue of a busy listener: try again until the deadline.
        if (errno == EAGAIN && Clock::now() < deadline) {
            ::usleep(10'000);
            continue;
        }
        if (errno == EINTR) continue;
        // No socket, or a socket nobody listens on (left by a crashed copy).
        if (errno == ENOENT || errno == ECONNREFUSED || errno == ENOTDIR) return {};
        return Broken(errno);
    }
    const auto peer = PeerUid(socket.Get());
    if (!peer || *peer != ::getuid()) return Broken(EPERM);

    const std::string frame = Frame(payload);
    // Once some of the request has left, a broken exchange leaves its outcome unknown.
    bool sent = false;
    auto broken = [&sent](int error) {
        ExchangeResult r = Broken(error);
        r.sent = sent;
        return r;
    };
    for (size_t done = 0; done < frame.size();) {
        const ssize_t n =
            ::send(socket.Get(), frame.data() + done, frame.size() - done, MSG_NOSIGNAL);
        if (n > 0) {
            done += static_cast<size_t>(n);
            sent = true;
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            if (!WaitFor(socket.Get(), POLLOUT, deadline)) return broken(ETIMEDOUT);
        } else if (n < 0 && (errno == EPIPE || errno == ECONNRESET)) {
            break; // the listener stopped reading (a refused request): its answer may be there
        } else {
            return broken(errno);
        }
    }

    FrameReader reader(answerLimit);
    char buffer[16384];
    while (reader.Current() == FrameReader::State::NeedMore) {
        const ssize_t n = ::recv(socket.Get(), buffer, sizeof buffer, 0);
        if (n > 0) {
            reader.Feed(std::string_view(buffer, static_cast<size_t>(n)));
        } else if (n == 0) {
            return broken(ECONNRESET);
        } else if (errno == EAGAIN || errno == EINTR) {
            if (!WaitFor(socket.Get(), POLLIN, deadline)) return broken(ETIMEDOUT);
        } else {
            return broken(errno);
        }
    }
    if (reader.Current() == FrameReader::State::TooLarge) return broken(EMSGSIZE);
    return {ExchangeStatus::Answered, reader.Payload(), {}, true};
}

} // namespace zm
