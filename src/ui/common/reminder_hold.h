#pragma once
// What the program's boxes and dialogs ask of the reminder windows: the controls that act on
// events held while a program dialog is open, and every control held while a box is up. The
// reminder windows' set answers it; the windows below it know only this.

#include "reminder/reminder_gate.h"

#include <cstdint>
#include <functional>

namespace zm {

class ReminderHold {
public:
    // A program dialog opened (the event editor with the key of its event, 0 for a new one)
    // or closed (ProgramDialog::None).
    virtual void SetProgramDialog(ProgramDialog dialog, uint16_t editorKey = 0) = 0;
    // Runs `box` with the reminder windows held until it returns.
    virtual void RunBox(const std::function<void()>& box) = 0;

protected:
    ~ReminderHold() = default;
};

} // namespace zm
