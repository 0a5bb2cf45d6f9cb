#pragma once
// The program's local socket in plain POSIX: the sending side, so the companion needs no more
// than the C library for it, the listening side, and the peer check both sides use.

#include "ipc_protocol/exchange.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace zm {

// The user of the process at the other end of a connected local socket.
std::optional<uid_t> PeerUid(int socketFd);

// Whether the process at the other end has closed the connection altogether: it waits for no
// answer any more (it gave up, or it ended).
bool PeerHungUp(int socketFd);

// Listens on a new socket at `path`, readable and writable by this user only; whatever was left
// under the name (a crashed copy's socket) is removed first. The descriptor (non-blocking,
// close-on-exec), or -1 with the reason in `problem`.
int ListenOnSocket(const std::string& path, std::string& problem);

// Connects to the socket, sends the payload as one frame and reads the answer's frame (at
// most `answerLimit` bytes), all within `timeout`. A listener of another user is refused.
ExchangeResult ExchangeOverSocket(const std::string& socketPath, std::string_view payload,
                                  std::chrono::milliseconds timeout, size_t answerLimit);

} // namespace zm
