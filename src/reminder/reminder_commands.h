#pragma once
// The commands of a reminder window's menu. Two of them (32816 and 32832) have numbers inside
// the range of the tray menu's quick reminders (32814 to 32838), so a reminder window decides on
// its own commands first and never passes them on to the quick reminders.

#include <cstdint>

namespace zm {

enum class ReminderCommand : uint8_t {
    None,           // not a command of the reminder window
    StopSound,      // "St&op repetition of sound"
    AlwaysOnTop,    // "Always on &Top"
    CollapseExpand, // "Collapse/Expand &window"
    Close,          // the window manager's close: refused with the default beep
};

inline constexpr int kCommandStopSound = 32800;
inline constexpr int kCommandAlwaysOnTop = 32816;
inline constexpr int kCommandCollapseExpand = 32832;
inline constexpr int kCommandClose = 0xF060;
inline constexpr int kFirstQuickReminderCommand = 32814;
inline constexpr int kLastQuickReminderCommand = 32838;

ReminderCommand ReminderCommandOf(int id);

// How a command received by a reminder window is dispatched: its own command, or, for a number
// of the quick-reminder range that is not one of its own, the quick reminder it names (0-based);
// -1 when it is neither.
struct ReminderDispatch {
    ReminderCommand command = ReminderCommand::None;
    int quickReminder = -1;
};
ReminderDispatch DispatchReminderCommand(int id);

} // namespace zm
