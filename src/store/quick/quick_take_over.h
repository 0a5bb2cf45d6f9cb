#pragma once
// The quick reminders of a converted library join the quick-reminder list: each gets the type
// "Alarm" and the default icon, adding stops quietly when the list is full, and the list is
// saved.

#include "store/io/side_file_outcome.h"
#include "store/library/old_quick_reminder.h"
#include "store/quick/quick_list.h"

#include <string>

namespace zm {

class QuickListTakeOver final : public QuickReminderTakeOver {
public:
    QuickListTakeOver(QuickList& list, std::string folder)
        : list_(list), folder_(std::move(folder)) {}

    void TakeOver(const std::vector<OldQuickReminder>& reminders) override;

    // How saving the list went (not reported to the user: the conversion goes on).
    const SideFileOutcome& LastSave() const { return lastSave_; }

private:
    QuickList& list_;
    std::string folder_;
    SideFileOutcome lastSave_;
};

} // namespace zm
