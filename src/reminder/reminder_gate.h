#pragma once
// Which controls of a reminder window may be used, worked out from the state of the program
// rather than switched on and off as dialogs and boxes come and go:
// - while a message box is up, no reminder window can be used;
// - while a program dialog is open, "Open..." is disabled in every window; when that dialog is
//   the event editor, the window of the very event it holds disables its other controls too;
// - "before start" needs an occurrence more than 7 minutes away;
// - the size preview offers only its "Save Size" button.

#include <cstdint>

namespace zm {

enum class ProgramDialog : uint8_t {
    None,
    EventEditor, // the event editor, on `editorKey` (0 for a new event)
    Other,       // the preferences, the import and export wizard, the filter dialogs...
};

struct ReminderGate {
    int openBoxes = 0;
    ProgramDialog dialog = ProgramDialog::None;
    uint16_t editorKey = 0;

    // The event editor holds the stored event of `key`.
    bool EditorHolds(uint16_t key) const {
        return dialog == ProgramDialog::EventEditor && key != 0 && editorKey == key;
    }
};

struct ReminderControls {
    bool accept = false;      // also names the preview's "Save Size"
    bool snooze = false;      // the button and the amount box
    bool beforeStart = false; // the check box
    bool open = false;
    bool remove = false; // "Delete"
    bool texts = false;  // the name, the notes and the snooze label

    friend bool operator==(const ReminderControls&, const ReminderControls&) = default;
};

ReminderControls ControlsFor(const ReminderGate& gate, uint16_t key, bool beforeStartAllowed,
                             bool preview);

// Whether the window of `key` may accept its event because its time is over: not while a box
// is up, nor while the event editor holds the event.
bool MayCloseForTimeOver(const ReminderGate& gate, uint16_t key);

} // namespace zm
