#pragma once
// How the program carries out a choice made in a menu: after the menu has closed and Qt has
// finished with the choice. A command that opens a modal dialog or box runs a nested event
// loop; started inside the menu's own handling of the choice, that loop can destroy the menu
// (a deferred delete, a menu filled anew when it opens again) while Qt still writes into it
// once the command returns.

#include <QMetaObject>
#include <functional>

class QAction;
class QMenu;
class QObject;

namespace zm {

// Lets OnChosen tell a choice in `menu` (and its submenus' choices, which close it too) from a
// trigger by a key, a toolbar button or the program. Every menu of the program is watched.
void WatchMenu(QMenu& menu);

// True from the moment a watched menu closes until the event loop runs again: an action
// triggered meanwhile was chosen in it.
bool MenuClosing();

// Runs `command` from the event loop once the current event has been handled; nothing when
// `receiver` is gone by then.
void RunAfterMenu(QObject* receiver, std::function<void()> command);

// Connects the action to `command`: run at once when the action is triggered by a key, a
// button or the program, and after the menu when it was chosen in a watched menu.
QMetaObject::Connection OnChosen(QAction* action, QObject* receiver, std::function<void()> command);

} // namespace zm
