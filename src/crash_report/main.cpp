// zantimore-crash-report: shows the report of a program that failed. The failing program
// starts it with the report's text as the only argument and waits until it ends.

#include "crash_report/crash_report_dialog.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::beep();
    const QString report = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    zm::CrashReportDialog dialog(report);
    dialog.exec();
    return 0;
}
