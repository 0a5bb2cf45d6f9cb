#pragma once
// A temporary folder holding a library, for the benchmarks that work on real files. The library
// is built in memory and written in one go, so building it does not count its flushes.

#include "store/event_library.h"
#include "store/memory_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace zm::bench {

class BenchFolder {
public:
    BenchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zm-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        dir = pattern;
    }
    ~BenchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    std::string file(const std::string& name) const {
        return (std::filesystem::path(dir) / name).string();
    }

    // Writes a library of `count` events, event(i) for i = 0 ... count - 1, to `name`; returns
    // the keys in the order the events were added. `library`, when given, is left holding it.
    std::vector<uint16_t> writeLibrary(const std::string& name, int count,
                                       const std::function<EventRecord(int)>& event,
                                       EventLibrary* library = nullptr) {
        auto bytes = std::make_shared<FileBytes>();
        EventLibrary own;
        EventLibrary& lib = library ? *library : own;
        if (lib.createFile(std::make_unique<MemoryFile>(bytes)) != LibraryResult::Ok) std::abort();
        std::vector<uint16_t> keys;
        for (int i = 0; i < count; ++i) {
            EventRecord e = event(i);
            if (lib.addEvent(e) != LibraryResult::Ok) std::abort();
            keys.push_back(e.Key);
        }
        std::ofstream(file(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes->data()),
                   static_cast<std::streamsize>(bytes->size()));
        return keys;
    }

    std::string dir;
};

} // namespace zm::bench
