#pragma once
// The help window: the program's help page in a small browser window, one for the program.

#include <QPointer>
#include <QTextBrowser>

namespace zm {

class HelpWindow final : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Opens the help window, or brings the open one forward; returns it.
    static HelpWindow* Show();
};

} // namespace zm
