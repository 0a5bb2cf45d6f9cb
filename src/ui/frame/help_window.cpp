#include "ui/frame/help_window.h"

#include "res/help_page.h"
#include "res/strings.h"

namespace zm {

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(LoadString(IDS_HELP_CAPTION)));
    setOpenExternalLinks(true);
    setHtml(QString::fromUtf8(HelpPageHtml()));
    resize(560, 620);
}

HelpWindow* HelpWindow::Show() {
    static QPointer<HelpWindow> open;
    if (!open) open = new HelpWindow;
    open->show();
    open->raise();
    open->activateWindow();
    return open;
}

} // namespace zm
