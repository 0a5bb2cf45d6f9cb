#pragma once
// Only one copy of the program runs for a user. The first copy holds a per-user lock and
// listens on a socket that only its user can reach; a second start asks that copy to restore
// its main window (the "Restore" command) and ends. The same socket carries the companion's
// changing commands, which the running program carries out through its own event store.

#include "platform/companion_messages.h"

#include <functional>

namespace zm {

enum class InstanceStart : uint8_t {
    First,       // this copy runs: it holds the lock and listens
    AnotherRuns, // another copy runs and was asked to restore its main window: end now
    Unavailable, // neither lock nor socket could be made (the program may run alone)
};

class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    virtual InstanceStart Start() = 0;
    // Closes the socket and lets the lock go (at exit).
    virtual void Stop() = 0;

    // Called on the event loop when another start asks for the main window.
    std::function<void()> restoreRequested;
    // Carries out a companion's command and gives its answer; while unset, commands are
    // refused as a busy program's.
    std::function<CompanionAnswer(const CompanionRequest&)> companionRequested;
};

} // namespace zm
