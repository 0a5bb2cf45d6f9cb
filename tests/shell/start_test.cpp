// The resident program started as a user or the desktop starts it, in its own folders.

#include "support/temp_folder.h"

#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#ifdef ZM_PROGRAM_BINARY

namespace zm::testing {
namespace {

struct Ran {
    int status = -1; // the exit status; -1 when it did not exit by itself in time
    std::string err;
};

// Runs the program with only the given environment (its folders in `home`), for at most
// `seconds`; what it wrote to its error stream.
Ran RunProgram(const TempFolder& home, std::map<std::string, std::string> env, int seconds = 20) {
    env.emplace("HOME", home.Path());
    env.emplace("XDG_CONFIG_HOME", home.File("config"));
    env.emplace("XDG_CACHE_HOME", home.File("cache"));
    env.emplace("ZANTIMORE_HOME", home.Path());
    env.emplace("LC_ALL", "C.UTF-8");
    if (const char* path = std::getenv("PATH")) env.emplace("PATH", path);
    std::vector<std::string> entries;
    for (const auto& [name, value] : env)
        entries.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (std::string& e : entries)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeFds[1], STDERR_FILENO);
        const int null = ::open("/dev/null", O_RDWR);
        ::dup2(null, STDIN_FILENO);
        ::dup2(null, STDOUT_FILENO);
        char* const argv[] = {const_cast<char*>(ZM_PROGRAM_BINARY), nullptr};
        ::execve(ZM_PROGRAM_BINARY, argv, envp.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    Ran ran;
    ::fcntl(pipeFds[0], F_SETFL, O_NONBLOCK);
    int status = 0;
    bool exited = false;
    for (int waited = 0; waited < seconds * 100 && !exited; ++waited) {
        char buf[4096];
        ssize_t n;
        while ((n = ::read(pipeFds[0], buf, sizeof buf)) > 0)
            ran.err.append(buf, static_cast<size_t>(n));
        exited = ::waitpid(child, &status, WNOHANG) == child;
        if (!exited) ::usleep(10000);
    }
    if (!exited) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
    } else if (WIFEXITED(status)) {
        ran.status = WEXITSTATUS(status);
    } else {
        ran.status = 128 + WTERMSIG(status);
    }
    char buf[4096];
    ssize_t n;
    while ((n = ::read(pipeFds[0], buf, sizeof buf)) > 0)
        ran.err.append(buf, static_cast<size_t>(n));
    ::close(pipeFds[0]);
    return ran;
}

// Without a display the program says so in one line, points to the companion and ends with 1:
// no crash report.
TEST(ProgramStart, WithoutADisplayItSaysSoInOneLine) {
    const std::map<std::string, std::string> cases[] = {
        {},                                               // no display at all
        {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ":59"}}, // a display that refuses
        {{"DISPLAY", ":59"}},
    };
    for (const auto& env : cases) {
        TempFolder home;
        const Ran ran = RunProgram(home, env);
        EXPECT_EQ(ran.status, 1) << ran.err;
        EXPECT_EQ(ran.err, "zantimore: no display was found; zantimore-cli works with the events "
                           "without one.\n");
    }
}

} // namespace
} // namespace zm::testing

#endif
