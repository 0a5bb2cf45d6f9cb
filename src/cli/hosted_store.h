#pragma once
// The running program's store, types and quick reminders, on which the companion's changing
// commands run when the program carries them out: the commands then change the library the
// program holds, and the program's pending list and windows follow at once.

#include <functional>

namespace zm {

class EventStore;
class TypeList;
class QuickList;

struct HostedStore {
    EventStore* store = nullptr;
    const TypeList* types = nullptr;
    const QuickList* quick = nullptr;
    // Lets the program's event loop go on during a long command (none: it waits).
    std::function<void()> keepAlive;
};

} // namespace zm
