#pragma once
// The quick reminders a first start offers, so the menu is not empty until the user builds it:
// in 5, 15 and 30 minutes, in 1 hour, and tomorrow at the same time. Each is made as the
// quick-reminder editor makes an entry (its checks, its amount list), of the first predefined
// type, with the predefined types' sound (the default beep, repeated every 30 seconds), and is
// edited and deleted like any other.
//
// A quick reminder falls due a fixed amount after it is chosen; it cannot name a time of day,
// so "tomorrow at 09:00" is offered as one day later.

#include "store/quick/quick_list.h"

namespace zm {

// The first of the predefined types, the one the editor proposes for a new quick reminder.
inline constexpr char kStarterQuickType[] = "Alarm";

// The starter entries in menu order, with the default icon.
QuickList StarterQuickReminders();

} // namespace zm
