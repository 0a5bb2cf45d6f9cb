#pragma once
// Window tests: steps taken while a modal dialog or a menu runs its own event loop, the way the
// user acts in it.

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace zm::testing {

// Runs `step` once on the first window of class W that comes up as the active pop-up (a menu)
// or the active modal window, looking every few milliseconds from whichever event loop runs.
template <typename W> void WhenShown(std::function<void(W&)> step, int timeoutMs = 10000) {
    auto* poll = new QTimer(QCoreApplication::instance());
    poll->setInterval(10);
    auto since = std::make_shared<QElapsedTimer>();
    since->start();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, step, since, timeoutMs] {
        W* shown = qobject_cast<W*>(QApplication::activePopupWidget());
        if (!shown) shown = qobject_cast<W*>(QApplication::activeModalWidget());
        if (shown && shown->isVisible()) {
            poll->stop();
            poll->deleteLater();
            step(*shown);
        } else if (since->elapsed() > timeoutMs) {
            poll->stop();
            poll->deleteLater();
            ADD_FAILURE() << "no " << W::staticMetaObject.className() << " came up";
        }
    });
    poll->start();
}

// Chooses the entry of that text as the user does: a click on it.
inline void ClickEntry(QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions()) {
        if (action->text() != text) continue;
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
        return;
    }
    ADD_FAILURE() << "no entry " << text.toStdString();
}

// Lets the event loop run until `done` holds or the time is up; whether it holds.
inline bool RunUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
    QElapsedTimer since;
    since.start();
    while (!done() && since.elapsed() < timeoutMs)
        QTest::qWait(10);
    return done();
}

} // namespace zm::testing
