#include "ui/common/menu_choice.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace zm {
namespace {

bool closing = false;

} // namespace

void WatchMenu(QMenu& menu) {
    QObject::connect(&menu, &QMenu::aboutToHide, &menu, [] {
        if (closing) return;
        closing = true;
        // Posted before any command the choice defers, so those run with the flag down.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { closing = false; }, Qt::QueuedConnection);
    });
}

bool MenuClosing() {
    return closing;
}

void RunAfterMenu(QObject* receiver, std::function<void()> command) {
    QMetaObject::invokeMethod(receiver, std::move(command), Qt::QueuedConnection);
}

QMetaObject::Connection OnChosen(QAction* action, QObject* receiver,
                                 std::function<void()> command) {
    return QObject::connect(action, &QAction::triggered, receiver, [receiver, command] {
        if (closing)
            RunAfterMenu(receiver, command);
        else
            command();
    });
}

} // namespace zm
