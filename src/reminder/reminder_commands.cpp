#include "reminder/reminder_commands.h"

namespace zm {

ReminderCommand ReminderCommandOf(int id) {
    switch (id) {
    case kCommandStopSound:
        return ReminderCommand::StopSound;
    case kCommandAlwaysOnTop:
        return ReminderCommand::AlwaysOnTop;
    case kCommandCollapseExpand:
        return ReminderCommand::CollapseExpand;
    case kCommandClose:
        return ReminderCommand::Close;
    default:
        return ReminderCommand::None;
    }
}

ReminderDispatch DispatchReminderCommand(int id) {
    ReminderDispatch d;
    d.command = ReminderCommandOf(id);
    if (d.command == ReminderCommand::None && id >= kFirstQuickReminderCommand &&
        id <= kLastQuickReminderCommand)
        d.quickReminder = id - kFirstQuickReminderCommand;
    return d;
}

} // namespace zm
