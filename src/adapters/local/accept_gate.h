#pragma once
// When the program's socket takes its next connection. At most kMaxConnections are open at
// once; the others wait in the socket's queue until one ends. When taking one fails for want
// of descriptors (or of the system's memory for them), the queue is left alone for a pause
// that grows from kFirstPause to kLongestPause while the shortage lasts: the waiting
// connection keeps the socket readable, so trying again at once would only spin.

#include <chrono>
#include <cstddef>

namespace zm {

class AcceptGate {
public:
    static constexpr size_t kMaxConnections = 32;
    static constexpr std::chrono::milliseconds kFirstPause{50};
    static constexpr std::chrono::milliseconds kLongestPause{2000};

    // Whether the next connection may be taken now.
    bool Open() const { return open_ < kMaxConnections && !pausing_; }
    size_t OpenConnections() const { return open_; }

    // A connection was taken: it counts until Closed(), and a shortage is over.
    void Accepted();
    void Closed();
    // Taking a connection failed with `error` (an errno value). For a shortage of descriptors
    // or memory the gate closes and the pause to wait before PauseOver() is returned; for any
    // other error nothing changes and the pause is zero.
    std::chrono::milliseconds Failed(int error);
    void PauseOver() { pausing_ = false; }

private:
    size_t open_ = 0;
    bool pausing_ = false;
    std::chrono::milliseconds pause_{0};
};

} // namespace zm
