#include "reminder/reminder_gate.h"

namespace zm {

ReminderControls ControlsFor(const ReminderGate& gate, uint16_t key, bool beforeStartAllowed,
                             bool preview) {
    ReminderControls c;
    if (gate.openBoxes > 0) return c;
    if (preview) {
        c.accept = true;
        c.texts = true;
        return c;
    }
    const bool events = !gate.EditorHolds(key);
    c.accept = events;
    c.snooze = events;
    c.beforeStart = events && beforeStartAllowed;
    c.remove = events;
    c.texts = events;
    c.open = gate.dialog == ProgramDialog::None;
    return c;
}

bool MayCloseForTimeOver(const ReminderGate& gate, uint16_t key) {
    return gate.openBoxes == 0 && !gate.EditorHolds(key);
}

} // namespace zm
