#include "platform/crash/crash_handler.h"

#include "platform/crash/crash_context.h"
#include "platform/crash/crash_report_format.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace zm {
namespace {

constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

// Everything the handler needs is prepared here before any fault.
char reportProgram[PATH_MAX];
int reportFd = -1;
alignas(16) char alternateStack[64 * 1024];
char report[kCrashReportCapacity];
volatile sig_atomic_t crashMode = 0;

void WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        data += n;
        size -= static_cast<size_t>(n);
    }
}

// Ends the process by the signal itself, so the parent sees how it ended.
[[noreturn]] void EndBySignal(int signal) {
    struct sigaction plain {};
    plain.sa_handler = SIG_DFL;
    ::sigemptyset(&plain.sa_mask);
    ::sigaction(signal, &plain, nullptr);
    sigset_t only;
    ::sigemptyset(&only);
    ::sigaddset(&only, signal);
    ::sigprocmask(SIG_UNBLOCK, &only, nullptr);
    ::raise(signal);
    ::_exit(128 + signal);
}

// Starts the report program and waits until the user closes it. A bare clone system call
// rather than fork(): the child only replaces itself, and no fork handlers run in the handler.
void ShowReport() {
    if (reportProgram[0] == '\0') return;
    const long child = ::syscall(SYS_clone, SIGCHLD, 0, 0, 0, 0);
    if (child == 0) {
        // The handler blocks every other signal; the report program must not inherit that.
        sigset_t none;
        ::sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        char* const argv[] = {reportProgram, report, nullptr};
        ::execve(reportProgram, argv, environ);
        ::_exit(127);
    }
    if (child < 0) return;
    int status = 0;
    while (::waitpid(static_cast<pid_t>(child), &status, 0) < 0 && errno == EINTR) {
    }
}

void OnFatalSignal(int signal, siginfo_t* info, void* context) {
    if (crashMode) EndBySignal(signal); // a fault while the report is up
    crashMode = 1;
    CrashFacts facts;
    CrashFactsFromSignal(signal, info, context, facts);
    const size_t length = FormatCrashReport(facts, report, sizeof report);
    if (reportFd >= 0) {
        WriteAll(reportFd, report, length);
    } else {
        WriteAll(STDERR_FILENO, report, length);
        WriteAll(STDERR_FILENO, "\n", 1);
        ShowReport();
    }
    EndBySignal(signal);
}

} // namespace

bool InstallCrashHandler(const CrashHandlerSetup& setup) {
    if (setup.reportProgram.size() >= sizeof reportProgram) return false;
    std::memcpy(reportProgram, setup.reportProgram.c_str(), setup.reportProgram.size() + 1);
    reportFd = setup.reportFd;
    crashMode = 0;

    stack_t stack{};
    stack.ss_sp = alternateStack;
    stack.ss_size = sizeof alternateStack;
    if (::sigaltstack(&stack, nullptr) != 0) return false;

    struct sigaction action {};
    action.sa_sigaction = OnFatalSignal;
    // A fault inside the handler must reach it again (to end at once); every other signal
    // waits, so no other handler runs while the report is up.
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_NODEFER;
    ::sigfillset(&action.sa_mask);
    for (int s : kFatalSignals)
        ::sigdelset(&action.sa_mask, s);
    for (int s : kFatalSignals)
        if (::sigaction(s, &action, nullptr) != 0) return false;
    return true;
}

std::string CrashReportProgramBesideSelf() {
    char self[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) return {};
    std::string path(self, static_cast<size_t>(n));
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return {};
    return path.substr(0, slash + 1) + kCrashReportProgramName;
}

} // namespace zm
