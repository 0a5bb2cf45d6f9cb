#pragma once
// The help window: the program's help page in a small browser window, one for the program. A
// screen reader sees a window with the help's title around the page.

#include <QMainWindow>
#include <QPointer>

class QTextBrowser;

namespace zm {

class HelpWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Opens the help window, or brings the open one forward; returns it.
    static HelpWindow* Show();

    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

} // namespace zm
