#pragma once
// The companion's note of the changing commands it sent to the running program without
// learning their outcome (the program did not answer in time, or the connection broke after
// the request had left). Giving the same command again (the same arguments in the same folder)
// within kWindow sends it with the same identity, so that a program that did carry out the
// first one answers with that outcome instead of doing it twice. Any other command, or the
// same one after an answer, gets a new identity: adding the same event twice on purpose still
// adds it twice.
//
// The note is a small private file in the runtime folder, one line per request:
// "<until, seconds since 1970> <fingerprint, hex> <identity>".

#include "ipc_protocol/companion_protocol.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zm {

class RequestJournal {
public:
    static constexpr std::chrono::seconds kWindow{600};
    static constexpr size_t kMaxEntries = 32;

    // `path`: the file of the note; empty keeps no note. `now`: seconds since 1970.
    explicit RequestJournal(std::string path, std::function<int64_t()> now = {});

    // The identity to send the request with: the one the same request was sent with when its
    // outcome stayed unknown within kWindow, otherwise a new one.
    std::string IdentityFor(const CompanionRequest& request) const;
    // The request (with its identity) left without a known outcome: noted for kWindow.
    void Unanswered(const CompanionRequest& request) const;
    // The request was answered: its note goes.
    void Answered(const CompanionRequest& request) const;

private:
    struct Entry {
        int64_t until = 0;
        uint64_t fingerprint = 0;
        std::string identity;
    };
    std::vector<Entry> Read() const;
    void Write(const std::vector<Entry>& entries) const;

    std::string path_;
    std::function<int64_t()> now_;
};

// A new identity: 32 random hexadecimal digits.
std::string NewRequestIdentity();

} // namespace zm
