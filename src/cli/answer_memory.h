#pragma once
// The running program's memory of the companion's requests it has carried out, by their
// identity: a request that comes again (the companion gave up waiting and the user or a script
// gave the same command again) is answered with its first answer instead of being carried out
// twice. Kept for a while and for a bounded number of requests.

#include "ipc_protocol/companion_protocol.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

namespace zm {

class AnswerMemory {
public:
    using Clock = std::chrono::steady_clock;

    // Longer than the companion keeps an unanswered request (RequestJournal::kWindow) plus the
    // time it waits for an answer.
    static constexpr std::chrono::minutes kKeepFor{15};
    static constexpr size_t kMaxAnswers = 64;
    // The most of each text kept; the rest of a longer one is left out.
    static constexpr size_t kMaxTextBytes = 64 * 1024;

    // The first answer to the request when one with its identity and the same arguments and
    // folders was carried out within kKeepFor; nothing otherwise (and for a request without
    // an identity).
    std::optional<CompanionAnswer> Recall(const CompanionRequest& request, Clock::time_point now);
    // Keeps the answer to a request that was carried out.
    void Remember(const CompanionRequest& request, const CompanionAnswer& answer,
                  Clock::time_point now);

private:
    struct Entry {
        std::string identity;
        uint64_t fingerprint = 0;
        Clock::time_point at;
        CompanionAnswer answer;
    };
    void Forget(Clock::time_point now);

    std::deque<Entry> entries_; // oldest first
};

} // namespace zm
