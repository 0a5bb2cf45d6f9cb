#pragma once
// Runs the command line in-process on a data folder of its own, with English names, the
// default locale formats (month/day/year, 12-hour clock), fixed settings and a fixed "now".

#include "cli/cli.h"
#include "platform/memory_settings.h"
#include "platform/settings.h"
#include "store/library/event_library.h"
#include "store/library/library_format.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace zm::testing {

inline DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return DateTime::FromParts(y, mo, d, h, mi, s);
}

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
    nlohmann::json json() const { return nlohmann::json::parse(out); }
    // Keeps the keys of objects in the order they were printed.
    nlohmann::ordered_json orderedJson() const { return nlohmann::ordered_json::parse(out); }
};

class CliTest : public ::testing::Test {
protected:
    CliTest() {
        env.settings = &settings;
        env.now = [this] { return now; };
        env.formats = &formats;
        env.names = &names;
        env.dataFolder = folder.path();
        env.tick = [] { return 4242u; };
    }

    CliResult run(std::vector<std::string> args) {
        std::ostringstream out, err;
        CliResult r;
        r.status = RunCli(args, env, out, err);
        r.out = out.str();
        r.err = err.str();
        return r;
    }

    std::string libraryPath() const { return folder.file("Zantimo.VR0"); }

    // Stores events straight into the library of the folder; returns their keys.
    std::vector<uint16_t> store(std::vector<EventRecord> events) {
        EventLibrary lib;
        LibraryResult rc = lib.open(libraryPath());
        if (rc != lr::kOk) rc = lib.create(libraryPath());
        EXPECT_EQ(rc, lr::kOk);
        std::vector<uint16_t> keys;
        for (EventRecord& e : events) {
            EXPECT_EQ(lib.addEvent(e), lr::kOk);
            keys.push_back(e.Key);
        }
        return keys;
    }

    // Changes index entry n of the library file by hand.
    void setIndexEntry(int n, uint16_t value) {
        std::fstream f(libraryPath(), std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(static_cast<std::streamoff>(libfmt::kIndexOffset + 2 * n));
        const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
        f.write(bytes, 2);
    }

    TempFolder folder;
    MemorySettings settings;
    LocaleFormats formats;
    EnglishLocaleNames names;
    DateTime now = At(2025, 3, 10, 8, 0); // a Monday
    CliEnvironment env;
};

inline EventRecord Event(const std::string& name, DateTime start) {
    EventRecord e = EventRecord::NewEvent(start);
    e.Start = start;
    e.Name = name;
    return e;
}

} // namespace zm::testing
