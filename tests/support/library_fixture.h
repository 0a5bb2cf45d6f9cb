#pragma once
// Libraries in memory for the tests, and events to put into them.

#include "store/io/memory_file.h"
#include "store/library/event_library.h"
#include "store/library/library_format.h"
#include "support/faulty_file.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace zm::testing {

inline EventRecord MakeEvent(const std::string& name, size_t notesLength = 0) {
    EventRecord e = EventRecord::NewEvent(DateTime::FromParts(2024, 3, 10, 9, 30));
    e.name = name;
    e.notes = std::string(notesLength, 'n');
    e.typeName = "Meeting";
    return e;
}

// An event whose stored form is exactly `size` bytes (at least 128).
inline EventRecord EventOfSize(size_t size, const std::string& name = "") {
    EventRecord e = MakeEvent(name);
    e.typeName.clear();
    e.notes = std::string(size - 128 - name.size(), 'x');
    return e;
}

// A library on a file in memory; `faults` may fail its writes. The bytes stay reachable after
// the library has closed.
class MemoryLibrary {
public:
    MemoryLibrary() { ReopenEmpty(); }

    void ReopenEmpty() {
        bytes = std::make_shared<FileBytes>();
        auto memory = std::make_unique<MemoryFile>(bytes);
        memoryFile = memory.get();
        auto faulty = std::make_unique<FaultyFile>(std::move(memory));
        faults = faulty.get();
        library.SetIdSource([] { return DateTime::FromParts(2024, 1, 2, 3, 4, 5); },
                            [] { return 123456u; });
        EXPECT_EQ(library.CreateFile(std::move(faulty)), LibraryResult::Ok);
    }

    // Opens the bytes as they are now in a fresh library (as another program would see them).
    LibraryResult Reopen(EventLibrary& other, bool writable = true) const {
        return other.OpenFile(std::make_unique<MemoryFile>(bytes), writable);
    }

    EventLibrary library;
    std::shared_ptr<FileBytes> bytes;
    MemoryFile* memoryFile = nullptr;
    FaultyFile* faults = nullptr;
};

} // namespace zm::testing
