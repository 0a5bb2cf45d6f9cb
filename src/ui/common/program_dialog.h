#pragma once
// The one program dialog (the event editor, the filter dialogs, the import and export wizard,
// the properties sheet, the preferences, the printing dialogs) that may be open at a time.
// Every command that opens one asks the guard first: while one runs, the command beeps and
// brings the open one forward instead. While one runs, the reminder windows hold the controls
// that act on events.

#include "reminder/reminder_gate.h"

#include <cstdint>
#include <optional>

namespace zm {

class ReminderHold;
class UserBoxes;

class ProgramDialogGuard final {
public:
    // `reminders` may be null (no reminder windows to hold).
    ProgramDialogGuard(UserBoxes& boxes, ReminderHold* reminders)
        : boxes_(boxes), reminders_(reminders) {}

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

    // The scope of a program dialog of `kind` about to open; none while another one is open,
    // which then comes forward after a beep.
    [[nodiscard]] std::optional<Scope> TryOpen(ProgramDialog kind, uint16_t editorKey = 0);
    // For a command that opens another window: while a program dialog is open, a beep, the
    // dialog comes forward, and true.
    bool RefuseWhenOpen() const;

private:
    UserBoxes& boxes_;
    ReminderHold* reminders_;
    bool open_ = false;
};

} // namespace zm
