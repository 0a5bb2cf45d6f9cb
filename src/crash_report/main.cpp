// zantimore-crash-report: shows the report of a program that failed. The failing program writes
// the report to a private file, starts this program with that file's name and ends; the file is
// read and removed here.

#include "crash_report/crash_report_dialog.h"

#include <QApplication>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The report's text: a small regular file of this user's, removed once read.
QString TakeReport(const char* path) {
    constexpr size_t kMaxReport = 64 * 1024;
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return {};
    std::string text;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) {
        char buffer[4096];
        ssize_t n;
        while (text.size() < kMaxReport &&
               ((n = ::read(fd, buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR)))
            if (n > 0) text.append(buffer, static_cast<size_t>(n));
        ::unlink(path);
    }
    ::close(fd);
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

int main(int argc, char** argv) {
    // Taken before anything else, so the file does not outlive a failure to show it.
    const QString report = argc > 1 ? TakeReport(argv[1]) : QString();
    QApplication app(argc, argv);
    QApplication::beep();
    zm::CrashReportDialog dialog(report);
    dialog.exec();
    return 0;
}
