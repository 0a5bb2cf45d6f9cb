// zantimore: the resident program. It reads no command line.

#include "frame/platform_choice.h"
#include "platform/crash/crash_handler.h"
#include "shell/resident_program.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <cstdlib>
#include <ctime>

namespace {

// For the idle comparison in bench/: with ZANTIMORE_READY_FILE set, the monotonic clock's
// nanoseconds are written there when the event loop first runs.
void ReportReadyWhenLoopRuns() {
    const QByteArray path = qgetenv("ZANTIMORE_READY_FILE");
    if (path.isEmpty()) return;
    QTimer::singleShot(0, [path] {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        QFile file(QString::fromLocal8Bit(path));
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray::number(qint64(now.tv_sec) * 1000000000 + now.tv_nsec));
    });
}

} // namespace

int main(int argc, char** argv) {
    // Under Wayland with XWayland the program runs on X: top-most windows, their placement and
    // the system-wide keys need it. A platform the user chose stays.
    const std::string platform =
        zm::ChooseQtPlatform(std::getenv("QT_QPA_PLATFORM"), std::getenv("XDG_SESSION_TYPE"),
                             std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"));
    if (!platform.empty()) qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(platform));

    zm::InstallCrashHandler({zm::CrashReportProgramBesideSelf()});

    QApplication app(argc, argv);
    QApplication::setOrganizationName("Orvendal");
    QApplication::setApplicationName("Zantimore Pro");
    QApplication::setQuitOnLastWindowClosed(false);

    zm::ResidentProgram program(app);
    int status = 0;
    if (!program.Start(status)) return status;
    ReportReadyWhenLoopRuns();
    QApplication::exec();
    program.Exit();
    return 0;
}
