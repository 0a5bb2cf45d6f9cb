#pragma once
// The sending side of the program's local socket, in plain POSIX so the companion needs no
// more than the C library for it, and the peer check both sides use.

#include "ipc_protocol/exchange.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace zm {

// The user of the process at the other end of a connected local socket.
std::optional<uid_t> PeerUid(int socketFd);

// Connects to the socket, sends the payload as one frame and reads the answer's frame (at
// most `answerLimit` bytes), all within `timeout`. A listener of another user is refused.
ExchangeResult ExchangeOverSocket(const std::string& socketPath, std::string_view payload,
                                  std::chrono::milliseconds timeout, size_t answerLimit);

} // namespace zm
