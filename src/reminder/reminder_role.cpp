#include "reminder/reminder_role.h"

#include "res/strings.h"

namespace zm {

ReminderRole RoleOf(ReminderMode mode) {
    if (mode == ReminderMode::SizePreview)
        return {.mode = mode,
                .announces = false,
                .actsOnEvent = false,
                .windowCommands = false,
                .firstButtonText = IDS_REMINDER_SAVE_SIZE};
    return {.mode = mode, .firstButtonText = IDS_REMINDER_ACCEPT};
}

} // namespace zm
