#pragma once
// Runs the command line in-process on a data folder of its own, with English names, the
// default locale formats (month/day/year, 12-hour clock), fixed settings and a fixed "now".

#include "cli/cli.h"
#include "platform/byte_order.h"
#include "platform/memory_settings.h"
#include "platform/settings.h"
#include "store/library/event_library.h"
#include "store/library/library_format.h"
#include "support/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace zm::testing {

inline DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return DateTime::FromParts(y, mo, d, h, mi, s);
}

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
    nlohmann::json WantsJson() const { return nlohmann::json::parse(out); }
    // Keeps the keys of objects in the order they were printed.
    nlohmann::ordered_json OrderedJson() const { return nlohmann::ordered_json::parse(out); }
};

class CliTest : public ::testing::Test {
protected:
    CliTest() {
        env_.settings = &settings_;
        env_.now = [this] { return now_; };
        env_.formats = &formats_;
        env_.names = &names_;
        env_.dataFolder = folder_.Path();
        env_.tick = [] { return 4242u; };
    }

    CliResult Run(std::vector<std::string> args) {
        std::ostringstream out, err;
        CliResult r;
        r.status = RunCli(args, env_, out, err);
        r.out = out.str();
        r.err = err.str();
        return r;
    }

    std::string LibraryPath() const { return folder_.File("Zantimo.VR0"); }

    // Stores events straight into the library of the folder; returns their keys.
    std::vector<uint16_t> Store(std::vector<EventRecord> events) {
        EventLibrary lib;
        LibraryResult rc = lib.Open(LibraryPath());
        if (rc != LibraryResult::Ok) rc = lib.Create(LibraryPath());
        EXPECT_EQ(rc, LibraryResult::Ok);
        std::vector<uint16_t> keys;
        for (EventRecord& e : events) {
            EXPECT_EQ(lib.AddEvent(e), LibraryResult::Ok);
            keys.push_back(e.key);
        }
        return keys;
    }

    // Changes index entry n of the library file by hand.
    void SetIndexEntry(int n, uint16_t value) {
        std::fstream f(LibraryPath(), std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(static_cast<std::streamoff>(libfmt::kIndexOffset + 2 * n));
        unsigned char bytes[2];
        PutLe16(bytes, value);
        f.write(reinterpret_cast<const char*>(bytes), 2);
    }

    TempFolder folder_;
    MemorySettings settings_;
    LocaleFormats formats_;
    EnglishLocaleNames names_;
    DateTime now_ = At(2025, 3, 10, 8, 0); // a Monday
    CliEnvironment env_;
};

inline EventRecord Event(const std::string& name, DateTime start) {
    EventRecord e = EventRecord::NewEvent(start);
    e.start = start;
    e.name = name;
    return e;
}

} // namespace zm::testing
