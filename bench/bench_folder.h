#pragma once
// A temporary folder holding a library, for the benchmarks that work on real files. The library
// is built in memory and written in one go, so building it does not count its flushes.

#include "bench_events.h"
#include "support/temp_folder.h"

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zm::bench {

class BenchFolder {
public:
    std::string File(const std::string& name) const { return folder_.File(name); }
    const std::string& Dir() const { return folder_.Path(); }

    // Writes a library of `count` events, event(i) for i = 0 ... count - 1, to `name`; returns
    // the keys in the order the events were added. `library`, when given, is left holding it.
    std::vector<uint16_t> WriteLibrary(const std::string& name, int count,
                                       const std::function<EventRecord(int)>& event,
                                       EventLibrary* library = nullptr) {
        std::vector<uint16_t> keys;
        const std::shared_ptr<FileBytes> bytes = LibraryBytes(count, event, library, &keys);
        std::ofstream(File(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes->data()),
                   static_cast<std::streamsize>(bytes->size()));
        return keys;
    }

private:
    testing::TempFolder folder_;
};

} // namespace zm::bench
