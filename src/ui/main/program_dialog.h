#pragma once
// The one program dialog (the event editor, the filter dialogs, the import and export wizard,
// the properties sheet) that may be open at a time. While one runs, commands that would open
// another one beep and bring it forward instead, and the reminder windows hold the controls
// that act on events.

#include "reminder/reminder_gate.h"

#include <QPointer>
#include <QWidget>
#include <cstdint>

namespace zm {

class ReminderWindowSet;

class ProgramDialogGuard final {
public:
    explicit ProgramDialogGuard(ReminderWindowSet* reminders) : reminders_(reminders) {}

    bool Open() const { return open_; }
    // Brings the open dialog (the modal window in front) to the foreground.
    void Raise() const;

    // Held while a program dialog runs; `editorKey` is the key of the event the editor holds.
    class Scope {
    public:
        Scope(ProgramDialogGuard& guard, ProgramDialog kind, uint16_t editorKey = 0);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        ProgramDialogGuard& guard_;
    };

private:
    ReminderWindowSet* reminders_;
    bool open_ = false;
};

} // namespace zm
