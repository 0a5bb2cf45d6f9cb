#include "store/quick/quick_take_over.h"

#include "platform/utf8.h"
#include "store/quick/quick_file.h"

namespace zm {

void QuickListTakeOver::TakeOver(const std::vector<OldQuickReminder>& reminders) {
    size_t added = 0;
    for (const OldQuickReminder& old : reminders) {
        QuickReminder q = TakenOverQuickReminder(
            std::string(Utf8Prefix(old.menuName, kMaxMenuNameLength)),
            std::string(Utf8Prefix(old.eventName, kMaxQuickEventNameLength)), old.offset);
        if (q.menuName.empty()) continue;
        if (!list_.AddWithDefaultIcon(std::move(q))) break;
        ++added;
    }
    if (added > 0) lastSave_ = SaveQuickReminders(list_, folder_);
}

} // namespace zm
