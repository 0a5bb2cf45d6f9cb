// The built program, run as a user runs it.

#include "cli_fixture.h"

#include <cstdio>
#include <sys/wait.h>

#ifdef ZM_CLI_BINARY

namespace zm::testing {
namespace {

struct Ran {
    int status = -1;
    std::string out;
};

// Runs the program with the arguments (each quoted for the shell) and its own settings folder.
Ran RunProgram(const TempFolder& home, const std::vector<std::string>& args) {
    std::string command = "env XDG_CONFIG_HOME='" + home.Path() + "' ZANTIMORE_HOME='" +
                          home.Path() + "' LC_ALL=C.UTF-8 '" ZM_CLI_BINARY "'";
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
}

} // namespace
} // namespace zm::testing

#endif
