#include "adapters/local/accept_gate.h"

#include <algorithm>
#include <cerrno>

namespace zm {

void AcceptGate::Accepted() {
    ++open_;
    pause_ = std::chrono::milliseconds(0);
}

void AcceptGate::Closed() {
    if (open_ > 0) --open_;
}

std::chrono::milliseconds AcceptGate::Failed(int error) {
    if (error != EMFILE && error != ENFILE && error != ENOBUFS && error != ENOMEM)
        return std::chrono::milliseconds(0);
    pause_ = pause_.count() == 0 ? kFirstPause : std::min(pause_ * 2, kLongestPause);
    pausing_ = true;
    return pause_;
}

} // namespace zm
