#include "adapters/crash/crash_handler.h"

#include "adapters/crash/crash_context.h"
#include "adapters/crash/crash_report_format.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

extern char** environ;

namespace zm {
namespace {

constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

// Everything the handler needs is prepared here before any fault.
char reportProgram[PATH_MAX];
// The report's file: the folder given, "/crash-report-" and the process id, filled in by the
// handler.
char reportPath[PATH_MAX];
size_t reportFolderLength = 0;
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

// Writes the report to a private file of its own; false when there is no folder or it could
// not be written.
bool WriteReportFile(size_t length) {
    if (reportFolderLength == 0) return false;
    // The process id in decimal, without the C library's formatting.
    char digits[24];
    size_t n = 0;
    for (auto v = static_cast<uint64_t>(::getpid()); n == 0 || v != 0; v /= 10)
        digits[n++] = static_cast<char>('0' + v % 10);
    size_t at = reportFolderLength;
    static constexpr char kName[] = "/crash-report-";
    if (at + sizeof kName + n >= sizeof reportPath) return false;
    std::memcpy(reportPath + at, kName, sizeof kName - 1);
    at += sizeof kName - 1;
    while (n > 0)
        reportPath[at++] = digits[--n];
    reportPath[at] = '\0';
    ::unlink(reportPath); // one left by an earlier process of the same number
    const int fd = ::open(reportPath, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    WriteAll(fd, report, length);
    ::close(fd);
    return true;
}

// Starts the report program on the report's file and does not wait for it. A bare clone
// system call rather than fork(): the child only replaces itself, and no fork handlers run in
// the handler. The child keeps none of the process's descriptors beyond the standard ones, so
// the locks and the socket go when this process ends.
void ShowReport() {
    if (reportProgram[0] == '\0') return;
    const long child = ::syscall(SYS_clone, SIGCHLD, 0, 0, 0, 0);
    if (child == 0) {
        // The handler blocks every other signal; the report program must not inherit that.
        sigset_t none;
        ::sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        if (::syscall(SYS_close_range, 3U, ~0U, 0U) != 0)
            for (int fd = 3; fd < 65536; ++fd)
                ::close(fd);
        char* const argv[] = {reportProgram, reportPath, nullptr};
        ::execve(reportProgram, argv, environ);
        ::unlink(reportPath);
        ::_exit(127);
    }
    if (child < 0) ::unlink(reportPath);
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
        if (WriteReportFile(length)) ShowReport();
    }
    EndBySignal(signal);
}

} // namespace

bool InstallCrashHandler(const CrashHandlerSetup& setup) {
    if (setup.reportProgram.size() >= sizeof reportProgram) return false;
    std::memcpy(reportProgram, setup.reportProgram.c_str(), setup.reportProgram.size() + 1);
    // Room for the file's name after the folder.
    if (setup.reportFolder.size() + 64 >= sizeof reportPath) return false;
    std::memcpy(reportPath, setup.reportFolder.c_str(), setup.reportFolder.size() + 1);
    reportFolderLength = setup.reportFolder.size();
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
