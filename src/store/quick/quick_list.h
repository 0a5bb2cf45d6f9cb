#pragma once
// Quick reminders: one-click templates that create a one-time event falling due a fixed time
// after the moment they are chosen. The list is kept in menu-name order with one 16-pixel icon
// per entry; entry i is the main frame's command kFirstQuickCommand + i.

#include "model/time_amount.h"
#include "res/icon_image.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zm {

inline constexpr size_t kMaxQuickReminders = 25;
inline constexpr size_t kMaxMenuNameLength = 64;
inline constexpr size_t kMaxQuickEventNameLength = 127;
inline constexpr uint32_t kFirstQuickCommand = 32814;
inline constexpr int kQuickIconSize = 16;
// The type of quick reminders taken over from old libraries.
inline constexpr char kTakenOverQuickType[] = "Alarm";

struct QuickReminder {
    TimeAmount offset{15};    // how long after choosing the event falls due
    uint32_t sound = 0;       // as EventRecord::sound
    uint32_t soundPause = 30; // as EventRecord::soundPause
    std::string typeName;
    std::string menuName; // the menu item's text, not empty
    std::string eventName;
    std::string soundFile;
    friend bool operator==(const QuickReminder&, const QuickReminder&) = default;
};

// A quick reminder taken over from an old library: type "Alarm", the other values as a new
// quick reminder has them.
QuickReminder TakenOverQuickReminder(std::string menuName, std::string eventName,
                                     TimeAmount offset);

class QuickList {
public:
    size_t Count() const { return entries_.size(); }
    bool Full() const { return entries_.size() >= kMaxQuickReminders; }
    const std::vector<QuickReminder>& Entries() const { return entries_; }
    const std::vector<IconImage>& Icons() const { return icons_; }
    const QuickReminder* At(size_t index) const {
        return index < entries_.size() ? &entries_[index] : nullptr;
    }

    // The quick reminder of a main-frame command, or null for a command beyond the list.
    const QuickReminder* ForCommand(uint32_t command) const;

    // Appends an entry with its icon (scaled to 16 pixels when it differs). False when the
    // list is full.
    bool Add(QuickReminder entry, const IconImage& icon);
    // Appends an entry with the icon given to new quick reminders.
    bool AddWithDefaultIcon(QuickReminder entry);
    void Replace(size_t index, QuickReminder entry, const IconImage& icon);
    void Remove(size_t index);
    void Clear();
    // Sorts the entries with their icons by menu name without regard to letter case.
    void SortByMenuName();

    // Replaces entries and icons at once (the loader). The vectors must be of equal size.
    void Assign(std::vector<QuickReminder> entries, std::vector<IconImage> icons);

private:
    std::vector<QuickReminder> entries_;
    std::vector<IconImage> icons_;
};

} // namespace zm
