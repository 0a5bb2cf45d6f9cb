#pragma once
// A temporary folder holding a library, for the benchmarks that work on real files. The library
// is built in memory and written in one go, so building it does not count its flushes.

#include "store/library/event_library.h"
#include "store/io/memory_file.h"
#include "support/temp_folder.h"

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zm::bench {

class BenchFolder {
public:
    std::string file(const std::string& name) const { return folder_.file(name); }
    const std::string& dir() const { return folder_.path(); }

    // Writes a library of `count` events, event(i) for i = 0 ... count - 1, to `name`; returns
    // the keys in the order the events were added. `library`, when given, is left holding it.
    std::vector<uint16_t> writeLibrary(const std::string& name, int count,
                                       const std::function<EventRecord(int)>& event,
                                       EventLibrary* library = nullptr) {
        auto bytes = std::make_shared<FileBytes>();
        EventLibrary own;
        EventLibrary& lib = library ? *library : own;
        if (lib.createFile(std::make_unique<MemoryFile>(bytes)) != lr::kOk) std::abort();
        std::vector<uint16_t> keys;
        for (int i = 0; i < count; ++i) {
            EventRecord e = event(i);
            if (lib.addEvent(e) != lr::kOk) std::abort();
            keys.push_back(e.Key);
        }
        std::ofstream(file(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes->data()),
                   static_cast<std::streamsize>(bytes->size()));
        return keys;
    }

private:
    testing::TempFolder folder_;
};

} // namespace zm::bench
