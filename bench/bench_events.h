#pragma once
// Events for the benchmarks, and libraries of them built in memory, so building one does not
// count its flushes.

#include "store/io/memory_file.h"
#include "store/library/event_library.h"

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zm::bench {

// One-block events of every kind of recurrence in turn: one-time, daily, weekly, monthly, yearly.
inline EventRecord MixedEvent(int i) {
    EventRecord e = EventRecord::NewEvent(DateTime::FromParts(2024, 1 + i % 12, 1 + i % 28, 8));
    e.name = "Event " + std::to_string(i);
    e.notes = i % 2 ? "Bring the documents." : "";
    e.typeName = i % 3 ? "Meeting" : "Birthday";
    switch (i % 5) {
    case 0:
        break;
    case 1:
        e.SetPattern(kKindDaily | kFormByDate, 1);
        break;
    case 2:
        e.SetPattern(kKindWeekly | kMonday | kThursday, 2);
        break;
    case 3:
        e.SetPattern(kKindMonthly | kFormByDate, (15u << 16) | 1);
        break;
    case 4:
        e.SetPattern(kKindYearly | kFormByDate, 1);
        break;
    }
    return e;
}

// The bytes of a library of `count` events, event(i) for i = 0 ... count - 1. `keys`, when
// given, gets their keys in the order they were added; `library`, when given, is left holding it.
inline std::shared_ptr<FileBytes> LibraryBytes(int count,
                                               const std::function<EventRecord(int)>& event,
                                               EventLibrary* library = nullptr,
                                               std::vector<uint16_t>* keys = nullptr) {
    auto bytes = std::make_shared<FileBytes>();
    EventLibrary own;
    EventLibrary& lib = library ? *library : own;
    if (lib.CreateFile(std::make_unique<MemoryFile>(bytes)) != LibraryResult::Ok) std::abort();
    for (int i = 0; i < count; ++i) {
        EventRecord e = event(i);
        if (lib.AddEvent(e) != LibraryResult::Ok) std::abort();
        if (keys) keys->push_back(e.key);
    }
    return bytes;
}

} // namespace zm::bench
