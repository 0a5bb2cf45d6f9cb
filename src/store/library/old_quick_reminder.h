#pragma once
// The quick reminders found in a library of an old version, and who takes them over.

#include "model/time_amount.h"

#include <string>
#include <vector>

namespace zm {

// A quick reminder found in a library of an old version.
struct OldQuickReminder {
    std::string menuName;
    std::string eventName;
    TimeAmount offset;
    friend bool operator==(const OldQuickReminder&, const OldQuickReminder&) = default;
};

// Receives the quick reminders of a converted library: appends them to the quick-reminder
// list (with the type "Alarm" and the default icon, stopping quietly when the list is full)
// and saves the list.
class QuickReminderTakeOver {
public:
    virtual ~QuickReminderTakeOver() = default;
    virtual void TakeOver(const std::vector<OldQuickReminder>& reminders) = 0;
};

} // namespace zm
