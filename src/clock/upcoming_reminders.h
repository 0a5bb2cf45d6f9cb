#pragma once
// The floating clock's tooltip: today's upcoming reminders taken from the pending list, and the
// tooltip's texts, size and place.

#include "platform/screen_geometry.h"
#include "store/pending_list.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zm {

enum class UpcomingKind : uint8_t {
    Normal = 0,
    Due = 1, // due now or overdue: drawn in red, at the time of now
    Snoozed = 2,
};

struct UpcomingItem {
    uint16_t key = 0;
    UpcomingKind kind = UpcomingKind::Normal;
    int32_t typeIndex = -1;
    DateTime instant; // the reminder instant; now for a due one
    std::string name;
    friend bool operator==(const UpcomingItem&, const UpcomingItem&) = default;
};

// The items ordered by instant; items of the same instant keep the order they came in.
class UpcomingList {
public:
    // Goes before the first item with a later instant.
    void Insert(UpcomingItem item);
    void Clear() { items_.clear(); }
    const std::vector<UpcomingItem>& Items() const { return items_; }

private:
    std::vector<UpcomingItem> items_;
};

// The pending events with a reminder before the list's limit. An event that asks to be skipped
// once its time is over, and whose time is over, is left out unless it is snoozed. Nothing while
// the limit is unset.
UpcomingList UpcomingFromPending(const PendingList& pending, DateTime now,
                                 const WeekSettings& week);

// "Today's upcoming reminders:", or with no items "Today's upcoming reminders: (none)".
std::string UpcomingLabel(bool none);

// The picture of the tooltip's date in the platform's letters (dddd weekday, MMMM month, ...):
// the locale's long date; a picture without the weekday gets "dddd', '" in front and its text's
// first letter upper-cased; without a picture, weekday, month, day and year in full.
struct TooltipDatePicture {
    std::string picture;
    bool upperFirst = false;
    friend bool operator==(const TooltipDatePicture&, const TooltipDatePicture&) = default;
};
TooltipDatePicture TooltipDatePictureFor(std::string_view longDatePicture);

// A row is 18 pixels high, or 2 more than the label when that is taller than 16.
constexpr int TooltipRowHeight(int labelHeight) {
    return labelHeight <= 16 ? 18 : labelHeight + 2;
}
// The window's size: the wider of the header and the label plus 20; the header, 8 pixels, the
// label, the rows and 2 pixels; then 4 pixels more on every side.
Size TooltipSize(Size header, Size label, std::size_t rows);

// Where a window of the size goes under another window (`over`): its top one pixel below it,
// or its bottom one pixel above it when it would reach past the screen's bottom; its left at
// the window's left, moved left to end inside the screen's right edge; never left of or above
// the screen's edge.
Point PlaceUnder(const Rect& over, Size size, const Rect& screen);

} // namespace zm
