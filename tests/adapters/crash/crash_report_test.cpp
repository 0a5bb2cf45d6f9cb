#include "adapters/crash/crash_context.h"
#include "adapters/crash/crash_handler.h"
#include "adapters/crash/crash_report_format.h"
#include "support/temp_folder.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <string>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zm {
namespace {

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

TEST(CrashReport, FillsTheLayoutWithTheMachinesOwnWidth) {
    CrashFacts facts;
    facts.code = 11;
    facts.address = 0x55d0c0ffee00;
    facts.access = "write";
    for (int i = 0; i < 16; ++i)
        facts.registers[i] = 0x1111111111111111ull * static_cast<uint64_t>(i % 16);
    facts.registers[1] = 0x33;
    facts.registers[3] = 0x10246;
    facts.stack[0] = 0x7f0011223344;
    facts.stack[15] = 0xFFFFFFFFFFFFFFFFull;
    char buffer[kCrashReportCapacity];
    const size_t length = FormatCrashReport(facts, buffer, sizeof buffer);
    const std::vector<std::string> lines = LinesOf(std::string(buffer, length));
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], "Please send a copy of the information below to support@zantimore.org.");
    EXPECT_EQ(lines[1], "Version    : 3.6.1");
    EXPECT_EQ(lines[2], "Exception  : 0000000b");
    EXPECT_EQ(lines[3], "Address    : 000055d0c0ffee00");
    EXPECT_EQ(lines[4], "Type       : write");
    EXPECT_EQ(lines[5], "Registers  : RAX=0000000000000000 CS=0033 RIP=2222222222222222 "
                        "EFLGS=00010246");
    EXPECT_EQ(lines[9], "Stack dump : 00007f0011223344 0000000000000000 0000000000000000 "
                        "0000000000000000");
    EXPECT_EQ(lines[12].substr(lines[12].size() - 17), " ffffffffffffffff");
    EXPECT_EQ(buffer[length], '\0');

    // The 32-bit layout, and a buffer too small: cut, but ended.
    facts.wide = false;
    facts.address = 0x401000;
    const size_t narrow = FormatCrashReport(facts, buffer, sizeof buffer);
    EXPECT_NE(std::string(buffer, narrow).find("Address    : 00401000\r\n"), std::string::npos);
    char tiny[20];
    EXPECT_EQ(FormatCrashReport(facts, tiny, sizeof tiny), 19u);
    EXPECT_EQ(tiny[19], '\0');
}

TEST(CrashReport, TheFrameWalkFollowsSavedFramePointers) {
    // Frames at 0x1000 -> 0x2000 -> 0x3000; the last one's saved pointer is 0.
    static std::map<uint64_t, uint64_t> memory;
    memory = {{0x1000, 0x2000}, {0x1008, 0xA1}, {0x2000, 0x3000},
              {0x2008, 0xA2},   {0x3000, 0},    {0x3008, 0xA3}};
    const WordReader read = [](uint64_t address, uint64_t& value) {
        const auto it = memory.find(address);
        if (it == memory.end()) return false;
        value = it->second;
        return true;
    };
    uint64_t words[kCrashStackWords];
    WalkFrames(0x1000, read, words);
    EXPECT_EQ(words[0], 0xA1u);
    EXPECT_EQ(words[1], 0xA2u);
    for (size_t i = 2; i < kCrashStackWords; ++i)
        EXPECT_EQ(words[i], 0u) << i;
    WalkFrames(0x9000, read, words); // not readable
    EXPECT_EQ(words[0], 0u);
    // A frame that points at itself repeats, without running away.
    memory = {{0x1000, 0x1000}, {0x1008, 0xB1}};
    WalkFrames(0x1000, read, words);
    EXPECT_EQ(words[15], 0xB1u);
    uint64_t value = 0;
    EXPECT_FALSE(ReadOwnWord(8, value));
    EXPECT_TRUE(ReadOwnWord(reinterpret_cast<uintptr_t>(&value), value));
}

struct Crash {
    const char* name;
    int signal;
    std::function<void()> fault;
    const char* access;
};

void WriteToNowhere() {
    *static_cast<volatile int*>(reinterpret_cast<void*>(uintptr_t{16})) = 1;
}

// Crashes a child on purpose; the handler writes the report to a pipe.
TEST(CrashHandler, AFatalSignalEndsInTheReportAndTheSameSignal) {
    const Crash crashes[] = {
        {"SIGSEGV by a write", SIGSEGV, WriteToNowhere, "write"},
        {"SIGSEGV raised", SIGSEGV, [] { ::raise(SIGSEGV); }, "NA"}, // no access made
        {"SIGFPE", SIGFPE, [] { ::raise(SIGFPE); }, "NA"},
        {"SIGABRT by abort", SIGABRT, [] { std::abort(); }, "NA"},
    };
    for (const Crash& crash : crashes) {
        int pipe[2];
        ASSERT_EQ(::pipe(pipe), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(pipe[0]);
            if (!InstallCrashHandler({"/nonexistent", pipe[1], ""})) ::_exit(3);
            crash.fault();
            ::_exit(4);
        }
        ::close(pipe[1]);
        std::string report;
        char buffer[4096];
        for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;)
            report.append(buffer, static_cast<size_t>(n));
        ::close(pipe[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << crash.name << " status " << status;
        EXPECT_EQ(WTERMSIG(status), crash.signal) << crash.name;

        const std::vector<std::string> lines = LinesOf(report);
        ASSERT_EQ(lines.size(), 13u) << crash.name << "\n" << report;
        char code[32];
        std::snprintf(code, sizeof code, "Exception  : %08x", crash.signal);
        EXPECT_EQ(lines[2], code) << crash.name;
#if defined(__x86_64__)
        EXPECT_EQ(lines[4], std::string("Type       : ") + crash.access) << crash.name;
        const std::regex registers(
            "Registers  : RAX=[0-9a-f]{16} CS=[0-9a-f]{4} RIP=[0-9a-f]{16} EFLGS=[0-9a-f]{8}");
        EXPECT_TRUE(std::regex_match(lines[5], registers)) << lines[5];
        EXPECT_EQ(lines[3].substr(13), lines[5].substr(46, 16)) << "Address is the RIP";
        EXPECT_TRUE(std::regex_match(lines[9], std::regex("Stack dump :( [0-9a-f]{16}){4}")));
#endif
    }
}

// The report goes to the report program through a private file, not its command line, and the
// crashed process ends at once: its locks are free while the report is still shown.
TEST(CrashHandler, TheReportIsHandedOverInAPrivateFileAndTheLocksGo) {
    testing::TempFolder folder;
    const std::string shown = folder.File("shown");
    // Stands in for the report window: records what it was given, then stays up a while.
    const std::string program = folder.File("report-program");
    {
        std::ofstream script(program);
        script << "#!/bin/sh\n"
               << "echo $$ > '" << folder.File("pid") << "'\n"
               << "stat -c %a \"$1\" > '" << folder.File("mode") << "'\n"
               << "echo \"$@\" > '" << folder.File("args") << "'\n"
               << "ls /proc/$$/fd > '" << folder.File("fds") << "'\n"
               << "cp \"$1\" '" << shown << ".part' && mv '" << shown << ".part' '" << shown
               << "'\n"
               << "sleep 3\n";
    }
    ASSERT_EQ(::chmod(program.c_str(), 0700), 0);
    const std::string lockPath = folder.File("lock");

    const pid_t child = ::fork();
    if (child == 0) {
        const int lock = ::open(lockPath.c_str(), O_RDWR | O_CREAT, 0600); // inherited, no cloexec
        if (lock < 0 || ::flock(lock, LOCK_EX) != 0) ::_exit(3);
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, STDERR_FILENO);
        CrashHandlerSetup setup;
        setup.reportProgram = program;
        setup.reportFolder = folder.Path();
        if (!InstallCrashHandler(setup)) ::_exit(4);
        ::raise(SIGSEGV);
        ::_exit(5);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << status;
    EXPECT_EQ(WTERMSIG(status), SIGSEGV);

    for (int i = 0; i < 200 && !std::filesystem::exists(shown); ++i)
        ::usleep(10000);
    // The report program is still up, and the lock is free.
    std::ifstream pidFile(folder.File("pid"));
    pid_t shower = 0;
    pidFile >> shower;
    ASSERT_GT(shower, 0);
    EXPECT_EQ(::kill(shower, 0), 0) << "the report is still shown";
    const int lock = ::open(lockPath.c_str(), O_RDWR);
    ASSERT_GE(lock, 0);
    EXPECT_EQ(::flock(lock, LOCK_EX | LOCK_NB), 0) << "the lock went with the crashed process";
    ::close(lock);

    std::ifstream report(shown);
    const std::string text((std::istreambuf_iterator<char>(report)), {});
    EXPECT_NE(text.find("Registers  : "), std::string::npos) << text;
    std::ifstream modeFile(folder.File("mode"));
    std::string mode;
    modeFile >> mode;
    EXPECT_EQ(mode, "600");
    std::ifstream argsFile(folder.File("args"));
    std::string args;
    std::getline(argsFile, args);
    EXPECT_EQ(args, folder.File("crash-report-" + std::to_string(child)));
    std::ifstream fdsFile(folder.File("fds"));
    std::vector<std::string> fds;
    for (std::string fd; fdsFile >> fd;)
        fds.push_back(fd);
    EXPECT_LE(fds.size(), 5u) << "only the standard descriptors and the script's own";
}

} // namespace
} // namespace zm
