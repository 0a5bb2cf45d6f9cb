// zantimore: the resident program. It reads no command line.

#include "adapters/crash/crash_handler.h"
#include "adapters/local/runtime_folder.h"
#include "frame/platform_choice.h"
#include "shell/resident_program.h"
#include "ui/common/clicking_buttons.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <cstdlib>
#include <ctime>
#include <unistd.h>
#include <vector>

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

// While the application object connects to the display, Qt's messages wait here: when the
// display cannot be reached, Qt ends the process with a fatal message (which would otherwise
// abort into the crash report). The program says so in one line and ends with status 1.
// Otherwise the messages reach Qt's own handler afterwards.
struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};
std::vector<HeldMessage> heldMessages;
QtMessageHandler qtHandler = nullptr;

void HoldMessageWhileConnecting(QtMsgType type, const QMessageLogContext& context,
                                const QString& text) {
    if (type == QtFatalMsg) {
        static constexpr char kNoDisplay[] =
            "zantimore: no display was found; zantimore-cli works with the events without one.\n";
        (void)!::write(STDERR_FILENO, kNoDisplay, sizeof kNoDisplay - 1);
        ::_exit(1);
    }
    heldMessages.push_back(
        {type, context.file, context.line, context.function, context.category, text});
}

void PassHeldMessages() {
    qInstallMessageHandler(qtHandler);
    for (const HeldMessage& m : heldMessages)
        qt_message_output(m.type, QMessageLogContext(m.file, m.line, m.function, m.category),
                          m.text);
    heldMessages.clear();
}

} // namespace

int main(int argc, char** argv) {
    // Under Wayland with XWayland the program runs on X: top-most windows, their placement and
    // the system-wide keys need it. A platform the user chose stays.
    const std::string platform =
        zm::ChooseQtPlatform(std::getenv("QT_QPA_PLATFORM"), std::getenv("XDG_SESSION_TYPE"),
                             std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"));
    if (!platform.empty()) qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(platform));

    // The report reaches its window through a private file in the program's runtime folder.
    zm::CrashHandlerSetup crashSetup;
    crashSetup.reportProgram = zm::CrashReportProgramBesideSelf();
    crashSetup.reportFolder = zm::RuntimeFolder();
    zm::InstallCrashHandler(crashSetup);

    qtHandler = qInstallMessageHandler(HoldMessageWhileConnecting);
    QApplication app(argc, argv);
    PassHeldMessages();
    QApplication::setOrganizationName("Orvendal");
    QApplication::setApplicationName("Zantimore Pro");
    // The desktop matches the program's windows and notifications to its entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("zantimore"));
    QApplication::setQuitOnLastWindowClosed(false);
    zm::InstallClickingButtons();

    zm::ResidentProgram program(app);
    int status = 0;
    if (!program.Start(status)) return status;
    ReportReadyWhenLoopRuns();
    QApplication::exec();
    program.Exit();
    return 0;
}
