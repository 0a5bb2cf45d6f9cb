#include "crash_report/crash_report_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(CrashReportDialog, ShowsTheReportToSelectAndClosesWithOk) {
    int argc = 1;
    char name[] = "crash_report_tests";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    CrashReportDialog dialog(QStringLiteral("Version    : 3.6.1\r\nException  : 0000000b"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Zantimore Pro - Application Error"));
    EXPECT_TRUE(dialog.ReportBox()->isReadOnly());
    EXPECT_TRUE(dialog.ReportBox()->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_EQ(dialog.ReportBox()->toPlainText(),
              QStringLiteral("Version    : 3.6.1\nException  : 0000000b"));
    dialog.show();
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
} // namespace zm
