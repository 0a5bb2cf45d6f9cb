#pragma once
// One request and its answer over the program's local socket, as the sending side sees it.

#include <functional>
#include <string>
#include <string_view>

namespace zm {

enum class ExchangeStatus : uint8_t {
    Answered, // the payload holds the answer
    NoServer, // no copy of the program listens
    Failed,   // a copy listens but the exchange broke off; Problem says why
};

struct ExchangeResult {
    ExchangeStatus status = ExchangeStatus::NoServer;
    std::string payload;
    std::string problem;
    // Some of the request left for the program: when the exchange then broke off, the program
    // may still carry the request out.
    bool sent = false;
};

// Sends one request payload and waits for the answer's payload.
using Exchange = std::function<ExchangeResult(std::string_view payload)>;

} // namespace zm
