// A writer that is killed at a random moment loses nothing it reported as done.
//
// Many times over: a child process adds, changes and deletes events through the event store in
// a random stream, telling the parent on a pipe what it is about to do and, once the call has
// returned, that it is done. The parent kills it with SIGKILL at a random moment, runs the
// library check, and compares the library with the changes reported: every change reported as
// done is there, nothing else changed, and the one change in flight is either there or not.
//
// An import killed the same way keeps the events before it, and of the file's records the
// first whole batches; an import that reported its count kept every event it counted.
//
// ZM_CRASH_KILLS sets the number of kills (50 by default; run with 500 or more by hand).

#include "cli_fixture.h"
#include "platform/memory_settings.h"
#include "store/event_store.h"
#include "store/import_export.h"
#include "support/transfer_fixture.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <poll.h>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace zm::testing {
namespace {

// The library as the test sees it: event name -> notes.
using Contents = std::map<std::string, std::string>;

// One change: 'a' add, 'm' modify (new notes), 'd' delete.
struct Change {
    char op = 0;
    std::string name;
    std::string notes;

    void ApplyTo(Contents& c) const {
        if (op == 'd')
            c.erase(name);
        else
            c[name] = notes;
    }
};

// Notes of varying length, so that events take one to five blocks and move around.
std::string NotesOf(std::mt19937& rng, int version) {
    const size_t length = std::uniform_int_distribution<size_t>(0, 1100)(rng);
    return std::string(length, static_cast<char>('a' + version % 26));
}

void WriteLine(int fd, const std::string& line) {
    // Lines are far shorter than PIPE_BUF, so each write arrives whole.
    const ssize_t n = ::write(fd, line.data(), line.size());
    if (n != static_cast<ssize_t>(line.size())) _exit(4);
}

// The child: a random stream of changes, told on `fd`. Never returns.
[[noreturn]] void RunWriter(const std::string& path, const Contents& start, unsigned seed, int fd) {
    StoreSetup setup;
    setup.now = [] { return At(2025, 3, 10, 8, 0); };
    EventStore store(std::move(setup));
    if (store.OpenAsIs(path, FileMode::ReadWrite) != LibraryResult::Ok) _exit(2);

    // name -> key of the events stored now.
    std::map<std::string, uint16_t> keys;
    const LibraryResult walked = store.ForEachStored([&](uint16_t key) {
        const ReadResult<EventRecord> e = store.ReadStored(key);
        if (e.Ok()) keys[e->name] = key;
        return LibraryResult::Ok;
    });
    if (walked != LibraryResult::Ok || keys.size() != start.size()) _exit(5);

    std::mt19937 rng(seed);
    for (int n = 0; n < 100000; ++n) {
        const int pick = std::uniform_int_distribution<int>(0, 9)(rng);
        Change c;
        if (keys.size() < 4 || (pick < 4 && keys.size() < 60)) {
            c = {'a', "s" + std::to_string(seed) + "-" + std::to_string(n), NotesOf(rng, n)};
        } else {
            auto it = keys.begin();
            std::advance(it, std::uniform_int_distribution<size_t>(0, keys.size() - 1)(rng));
            c = {pick < 8 ? 'm' : 'd', it->first, pick < 8 ? NotesOf(rng, n) : ""};
        }
        WriteLine(fd, std::string("I ") + c.op + " " + c.name + " " +
                          std::to_string(c.notes.size()) + " " +
                          (c.notes.empty() ? '-' : c.notes[0]) + "\n");
        LibraryResult rc = LibraryResult::Ok;
        if (c.op == 'a') {
            EventRecord e = Event(c.name, At(2025, 3, 10 + n % 10, 9, 0));
            e.notes = c.notes;
            rc = store.StoreNew(e);
            keys[c.name] = e.key;
        } else if (c.op == 'm') {
            ReadResult<EventRecord> read = store.ReadStored(keys[c.name]);
            rc = read.Code();
            if (read.Ok()) {
                EventRecord e = std::move(read).Value();
                e.notes = c.notes;
                rc = store.StoreChanged(e);
                keys[c.name] = e.key;
            }
        } else {
            rc = store.DeleteStored(keys[c.name], 0);
            keys.erase(c.name);
        }
        if (rc != LibraryResult::Ok) {
            WriteLine(fd, "F " + std::to_string(CodeOf(rc)) + "\n");
            _exit(3);
        }
        WriteLine(fd, "D\n");
    }
    _exit(0);
}

// Reads the child's lines until it is gone; the kill comes after `delay`.
std::string ReadUntilKilled(int fd, pid_t child, std::chrono::microseconds delay) {
    std::string text;
    char buf[4096];
    const auto deadline = std::chrono::steady_clock::now() + delay;
    bool killed = false;
    for (;;) {
        int timeout = -1;
        if (!killed) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) {
                ::kill(child, SIGKILL);
                killed = true;
            } else {
                timeout = static_cast<int>(left.count());
            }
        }
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, timeout);
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) continue; // the deadline came
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break; // the child is gone
        text.append(buf, static_cast<size_t>(n));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return text;
}

// Decodes a notes description written by the child: its length and first letter.
std::string Notes(size_t length, char letter) {
    return std::string(length, letter);
}

class CrashTest : public CliTest {
protected:
    Contents ReadLibrary() {
        const CliResult r = Run({"--json", "list"});
        EXPECT_EQ(r.status, kExitOk) << r.err;
        Contents c;
        const nlohmann::json list = r.WantsJson();
        for (const auto& e : list["events"])
            c[e["name"]] = e["notes"];
        return c;
    }
};

TEST_F(CrashTest, EveryReportedChangeSurvivesAKill) {
    int kills = 50;
    if (const char* n = std::getenv("ZM_CRASH_KILLS")) kills = std::max(1, std::atoi(n));
    // A library that exists before the first writer starts.
    Store({});

    std::mt19937 rng(20250310);
    Contents contents;
    int inFlightApplied = 0;
    int inFlightLost = 0;
    int survived = 0;
    for (int round = 0; round < kills; ++round) {
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        std::cout.flush();
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(fds[0]);
            RunWriter(LibraryPath(), contents, static_cast<unsigned>(round + 1), fds[1]);
        }
        ::close(fds[1]);
        const auto delay =
            std::chrono::microseconds(std::uniform_int_distribution<int>(0, 40000)(rng));
        std::istringstream lines(ReadUntilKilled(fds[0], child, delay));
        ::close(fds[0]);

        // What the child reported: every change it finished, and the one it may have been in.
        Contents expected = contents;
        std::optional<Change> inFlight;
        std::string line;
        while (std::getline(lines, line)) {
            std::istringstream in(line);
            std::string tag;
            in >> tag;
            if (tag == "I") {
                Change c;
                size_t length = 0;
                char letter = 0;
                in >> c.op >> c.name >> length >> letter;
                c.notes = Notes(length, letter);
                inFlight = c;
            } else if (tag == "D") {
                ASSERT_TRUE(inFlight) << "round " << round;
                inFlight->ApplyTo(expected);
                inFlight.reset();
            } else {
                FAIL() << "round " << round << ": the writer failed: " << line;
            }
        }

        const CliResult check = Run({"--json", "check"});
        ASSERT_EQ(check.status, kExitOk) << "round " << round << "\n" << check.out;
        const Contents actual = ReadLibrary();
        if (actual == expected) {
            if (inFlight) ++inFlightLost;
        } else {
            ASSERT_TRUE(inFlight) << "round " << round << ": the library lost reported changes";
            inFlight->ApplyTo(expected);
            ASSERT_EQ(actual, expected) << "round " << round << ": the library changed otherwise";
            ++inFlightApplied;
        }
        contents = actual;
        ++survived;
    }
    std::cout << "survived " << survived << " kills (" << inFlightApplied
              << " changes in flight made it, " << inFlightLost << " did not), " << contents.size()
              << " events at the end\n";
    RecordProperty("kills_survived", survived);
}

// The child of the import rounds: imports `records` records named "<prefix><n>" in batches of
// `batch`, tells "I" before and "D <imported>" once the import has reported. Never returns.
[[noreturn]] void RunImporter(const std::string& path, const std::string& csvPath, int batch,
                              int fd) {
    StoreSetup setup;
    setup.now = [] { return At(2025, 3, 10, 8, 0); };
    EventStore store(std::move(setup));
    if (store.OpenAsIs(path, FileMode::ReadWrite) != LibraryResult::Ok) _exit(2);
    PosixFileSystem files;
    MemorySettings settings;
    TextImportOptions options = ImportOptions();
    options.batchEvents = batch;
    WriteLine(fd, "I\n");
    const TextImportResult r = ImportText(store, files, settings, csvPath, options);
    if (r.code != LibraryResult::Ok) {
        WriteLine(fd, "F " + std::to_string(CodeOf(r.code)) + "\n");
        _exit(3);
    }
    WriteLine(fd, "D " + std::to_string(r.imported) + "\n");
    _exit(0);
}

TEST_F(CrashTest, AnImportKilledKeepsWholeBatchesAndEveryEventItReported) {
    int kills = 20;
    if (const char* n = std::getenv("ZM_CRASH_KILLS")) kills = std::max(1, std::atoi(n) / 2);
    constexpr int kRecords = 120;
    constexpr int kBatch = 25;
    Store({});
    std::mt19937 rng(20250311);
    Contents contents;
    int partial = 0;
    for (int round = 0; round < kills; ++round) {
        if (contents.size() > 3999 - kRecords) {
            Store({});
            contents.clear();
        }
        const std::string prefix = "r" + std::to_string(round) + "-";
        std::string csv;
        for (int i = 0; i < kRecords; ++i)
            csv += prefix + std::to_string(1000 + i) + ",3/10/2025,9:00 AM\r\n";
        const std::string csvPath = folder_.File("in.csv");
        std::ofstream(csvPath, std::ios::binary) << csv;

        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        std::cout.flush();
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(fds[0]);
            RunImporter(LibraryPath(), csvPath, kBatch, fds[1]);
        }
        ::close(fds[1]);
        const auto delay =
            std::chrono::microseconds(std::uniform_int_distribution<int>(0, 30000)(rng));
        const std::string told = ReadUntilKilled(fds[0], child, delay);
        ::close(fds[0]);
        ASSERT_EQ(told.find('F'), std::string::npos) << "round " << round << ": " << told;
        const bool reported = told.find('D') != std::string::npos;

        const CliResult check = Run({"--json", "check"});
        ASSERT_EQ(check.status, kExitOk) << "round " << round << "\n" << check.out;
        const Contents actual = ReadLibrary();
        // The events before, untouched, and the first whole batches of the file.
        int imported = 0;
        for (const auto& [name, notes] : actual) {
            if (name.rfind(prefix, 0) == 0) {
                ++imported;
            } else {
                ASSERT_EQ(contents.count(name), 1u) << "round " << round << ": " << name;
            }
        }
        ASSERT_EQ(actual.size(), contents.size() + static_cast<size_t>(imported));
        for (int i = 0; i < imported; ++i)
            ASSERT_EQ(actual.count(prefix + std::to_string(1000 + i)), 1u) << "round " << round;
        EXPECT_TRUE(imported % kBatch == 0 || imported == kRecords) << imported;
        if (reported) {
            ASSERT_EQ(imported, kRecords) << "round " << round;
        }
        if (imported > 0 && imported < kRecords) ++partial;
        contents = actual;
    }
    std::cout << "imports killed " << kills << " times, " << partial
              << " stopped between batches\n";
}

} // namespace
} // namespace zm::testing
