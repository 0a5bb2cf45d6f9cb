// The built program, run as a user runs it.

#include "cli_fixture.h"

#include <cerrno>
#include <cstdio>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#ifdef ZM_CLI_BINARY

namespace zm::testing {
namespace {

struct Ran {
    int status = -1;
    std::string out;
};

// Runs the program with the arguments (each quoted for the shell) and its own settings and cache
// folder.
Ran RunProgram(const TempFolder& home, const std::vector<std::string>& args,
               const std::string& locale = "C.UTF-8") {
    std::string command = "env XDG_CONFIG_HOME='" + home.Path() + "' XDG_CACHE_HOME='" +
                          home.Path() + "' ZANTIMORE_HOME='" + home.Path() + "' LC_ALL=" + locale +
                          " '" ZM_CLI_BINARY "'";
    for (const auto& a : args)
        command += " '" + a + "'";
    command += " 2>&1";
    Ran ran;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return ran;
    char buf[4096];
    size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0)
        ran.out.append(buf, n);
    const int status = ::pclose(pipe);
    ran.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return ran;
}

TEST(EndToEnd, TheProgramAddsListsAndChecksInItsDataFolder) {
    TempFolder home;
    Ran r = RunProgram(home, {"--at", "2025-03-10T08:00:00", "--json", "add", "Dentist",
                              "2025-03-12 09:30", "--weekly", "1:wed"});
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(nlohmann::json::parse(r.out)["description"], "Every Wednesday");

    r = RunProgram(home, {"--json", "list"});
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(nlohmann::json::parse(r.out)["events"][0]["name"], "Dentist");
    EXPECT_TRUE(std::filesystem::exists(home.File("Zantimo.VR0")));

    r = RunProgram(home, {"--json", "check"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(nlohmann::json::parse(r.out), nlohmann::json::parse(R"({"events":1,"problems":[]})"));

    EXPECT_EQ(RunProgram(home, {"show"}).status, 2);
    EXPECT_EQ(RunProgram(home, {"show", "9"}).status, 1);
}

// Runs the program with its output and error streams on a terminal; what the terminal got.
std::string RunOnTerminal(const TempFolder& home, const std::vector<std::string>& args) {
    int master = -1, slave = -1;
    if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(slave, STDOUT_FILENO);
        ::dup2(slave, STDERR_FILENO);
        ::close(master);
        ::close(slave);
        ::setenv("XDG_CONFIG_HOME", home.Path().c_str(), 1);
        ::setenv("XDG_CACHE_HOME", home.Path().c_str(), 1);
        ::setenv("ZANTIMORE_HOME", home.Path().c_str(), 1);
        std::vector<char*> argv{const_cast<char*>(ZM_CLI_BINARY)};
        for (const auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(ZM_CLI_BINARY, argv.data());
        std::_Exit(127);
    }
    ::close(slave);
    std::string shown;
    char buf[4096];
    ssize_t n = 0;
    while ((n = ::read(master, buf, sizeof buf)) > 0 || (n < 0 && errno == EINTR))
        if (n > 0) shown.append(buf, static_cast<size_t>(n));
    ::close(master);
    ::waitpid(child, nullptr, 0);
    return shown;
}

TEST(EndToEnd, ControlCharactersReachATerminalEscaped) {
    TempFolder home;
    ASSERT_EQ(RunProgram(home, {"add", "Bell\x1b[2J\x07", "2099-03-12 09:30"}).status, 0);
    const std::string shown = RunOnTerminal(home, {"list"});
    EXPECT_NE(shown.find("Bell\\e[2J\\x07"), std::string::npos) << shown;
    EXPECT_EQ(shown.find('\x1b'), std::string::npos);
    // Not on a terminal, the name goes out as it is.
    EXPECT_NE(RunProgram(home, {"list"}).out.find("Bell\x1b[2J\x07"), std::string::npos);
}

TEST(EndToEnd, TheWorkWeekComesFromTheSettingsFile) {
    TempFolder home;
    // Day 15 of every month; Saturday 15 March 2025 is brought forward to Friday the 14th only
    // when the settings turn the week-end rule on.
    ASSERT_EQ(RunProgram(home, {"--at", "2025-02-20T08:00:00", "add", "Rent", "2025-02-20 10:00",
                                "--monthly-day", "15:1"})
                  .status,
              0);
    auto dueCount = [&] {
        const Ran r = RunProgram(home, {"--json", "--at", "2025-03-14T09:00:00", "due"});
        EXPECT_EQ(r.status, 0) << r.out;
        return nlohmann::json::parse(r.out)["due"].size();
    };
    EXPECT_EQ(dueCount(), 0u);
    std::filesystem::create_directories(home.Path() + "/Orvendal");
    std::ofstream(home.Path() + "/Orvendal/Zantimore Pro.conf")
        << "[Calendar]\nWorkWeek=62\nCheckWeekendEvents=true\n";
    EXPECT_EQ(dueCount(), 1u);
    // A setting written through the Qt helper beside the program is read plainly.
    const std::string helper =
        std::filesystem::path(ZM_CLI_BINARY).parent_path() / "zantimore-cli-qt";
    const std::string set = "env XDG_CONFIG_HOME='" + home.Path() + "' '" + helper +
                            "' set Calendar/CheckWeekendEvents false";
    ASSERT_EQ(std::system(set.c_str()), 0);
    EXPECT_EQ(dueCount(), 0u);
}

TEST(EndToEnd, TheLocaleComesFromQtOnceAndThenFromThePrivateCache) {
    TempFolder home;
    const std::vector<std::string> add = {"--at",    "2025-03-10T08:00:00", "--json",   "add",
                                          "Dentist", "2025-03-12 09:30",    "--weekly", "1:wed"};
    const auto description = [&] {
        const Ran r = RunProgram(home, {"--json", "list"}, "de_DE.UTF-8");
        EXPECT_EQ(r.status, 0) << r.out;
        return nlohmann::json::parse(r.out)["events"][0]["description"].get<std::string>();
    };
    ASSERT_EQ(RunProgram(home, add, "de_DE.UTF-8").status, 0);
    EXPECT_NE(description().find("Mittwoch"), std::string::npos) << description();
    const std::string cache = home.File("zantimore/locale-description");
    EXPECT_EQ(std::filesystem::status(cache).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    // The cache answers while it is whole; a damaged one is filled again.
    std::stringstream text;
    text << std::ifstream(cache).rdbuf();
    std::string changed = text.str();
    changed.replace(changed.find("Mittwoch"), 8, "Mitwoch!");
    std::ofstream(cache) << changed;
    EXPECT_NE(description().find("Mitwoch!"), std::string::npos) << description();
    std::ofstream(cache) << changed.substr(0, changed.size() / 2);
    EXPECT_NE(description().find("Mittwoch"), std::string::npos) << description();
    // Another locale has its own description.
    const Ran english = RunProgram(home, {"--json", "list"});
    EXPECT_NE(english.out.find("Wednesday"), std::string::npos) << english.out;
}

} // namespace
} // namespace zm::testing

#endif
