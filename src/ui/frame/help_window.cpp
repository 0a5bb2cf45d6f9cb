#include "ui/frame/help_window.h"

#include "res/help_page.h"
#include "res/strings.h"
#include "ui/common/ui_text.h"

#include <QTextBrowser>

namespace zm {

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent), browser_(new QTextBrowser(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    const QString title = Text(IDS_HELP_CAPTION);
    setWindowTitle(title);
    browser_->setAccessibleName(title);
    browser_->setOpenExternalLinks(true);
    browser_->setHtml(QString::fromUtf8(HelpPageHtml()));
    setCentralWidget(browser_);
    resize(560, 620);
}

HelpWindow* HelpWindow::Show() {
    static QPointer<HelpWindow> open;
    if (!open) open = new HelpWindow;
    open->show();
    open->raise();
    open->activateWindow();
    open->Browser()->setFocus();
    return open;
}

} // namespace zm
