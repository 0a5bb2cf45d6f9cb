#include "ui/frame/window_commands.h"

#include <QApplication>

namespace zm {

void BeepingWindowCommands::Beep() {
    ++beeps_;
    QApplication::beep();
}

void BeepingWindowCommands::OpenMainWindow() {
    Beep();
}

void BeepingWindowCommands::NewEvent(int) {
    Beep();
}

void BeepingWindowCommands::OpenPreferences(PreferencesForm) {
    Beep();
}

void BeepingWindowCommands::OpenStopwatch() {
    Beep();
}

void BeepingWindowCommands::OpenCountdown() {
    Beep();
}

void BeepingWindowCommands::OpenCalendar(ClickPoint) {
    Beep();
}

} // namespace zm
