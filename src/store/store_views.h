#pragma once
// What the event store tells the windows after a change, and the questions it asks the user.
// The windows implement these; while a window is not open the store holds no pointer to it.

#include "store/library/old_quick_reminder.h"
#include "model/event_record.h"
#include "model/time_amount.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zm {

class PendingList;

// The main window's event list.
class EventListView {
public:
    virtual ~EventListView() = default;
    virtual void insertItem(const EventRecord& event) = 0;
    // The event stored under `oldKey` was rewritten; it now carries its new key.
    virtual void replaceItem(uint16_t oldKey, const EventRecord& event) = 0;
    virtual void removeItem(uint16_t key) = 0;
};

// The open reminder windows.
class ReminderWindows {
public:
    virtual ~ReminderWindows() = default;
    // Closes the reminder window of the event stored under `key`, if one is open.
    virtual void closeWindow(uint16_t key) = 0;
};

// The floating clock's list of today's upcoming reminders.
class UpcomingReminders {
public:
    virtual ~UpcomingReminders() = default;
    virtual void addEvent(const EventRecord& event) = 0;
    virtual void removeEvent(uint16_t key) = 0;
    virtual void rebuild(const PendingList& pending) = 0;
};

// The boxes the store shows and the questions it asks while it opens, converts or checks the
// library.
class StorePrompts {
public:
    virtual ~StorePrompts() = default;
    // An error box about a file or folder (error icon, top-most, owned by the main frame).
    virtual void showFileError(const std::string& text) = 0;
    // The conversion question (warning icon, OK and Cancel): true for OK.
    virtual bool confirmConversion(const std::string& text) = 0;
    // The question whether to correct reminders stamped in the future (58053 with the
    // caption 58054, exclamation icon, Yes and No): true for Yes.
    virtual bool confirmFutureStampCorrection() = 0;
};

} // namespace zm
