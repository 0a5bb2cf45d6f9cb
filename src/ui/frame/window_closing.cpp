#include "ui/frame/window_closing.h"

#include <QApplication>
#include <QDialog>
#include <QThread>
#include <QTimer>
#include <QWidget>

namespace zm {
namespace {

// The main loop is level 1; before the loop runs it is 0.
bool InNestedLoop() {
    return QThread::currentThread()->loopLevel() > 1;
}

void RunWhenUnwound(std::function<void()> then, int triesLeft) {
    if (!InNestedLoop() || triesLeft == 0) {
        then();
        return;
    }
    CloseDialogsAndBoxes(); // one may have opened meanwhile
    QTimer::singleShot(10, qApp, [then = std::move(then), triesLeft]() mutable {
        RunWhenUnwound(std::move(then), triesLeft - 1);
    });
}

} // namespace

void CloseDialogsAndBoxes() {
    // Rejecting a dialog may show another box: go round a few times.
    for (int round = 0; round < 4; ++round) {
        bool any = false;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(widget);
            if (!dialog || !dialog->isVisible()) continue;
            any = true;
            dialog->reject(); // a message box answers with its escape button
        }
        if (!any) return;
    }
}

void CloseDialogsThen(std::function<void()> then) {
    CloseDialogsAndBoxes();
    RunWhenUnwound(std::move(then), 500);
}

} // namespace zm
