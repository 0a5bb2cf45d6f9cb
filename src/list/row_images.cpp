#include "list/row_images.h"

#include "res/strings.h"

namespace zm {

std::optional<ListImage> StateImageOf(const EventRecord& event) {
    if (event.Has(kDisabled)) return ListImage::Disabled;
    if (event.Has(kAccepted)) return ListImage::Accepted;
    if (event.Has(kSnoozed)) return ListImage::Snoozed;
    return std::nullopt;
}

std::optional<ListImage> RecurrenceImageOf(const EventRecord& event) {
    return event.IsRecurring() ? std::optional(ListImage::Recurring) : std::nullopt;
}

std::string SpokenNameCell(const EventRecord& event, const std::string& cellText) {
    std::string text = cellText;
    if (const auto state = StateImageOf(event)) {
        const int id = *state == ListImage::Disabled   ? IDS_LIST_STATE_DISABLED
                       : *state == ListImage::Accepted ? IDS_LIST_STATE_ACCEPTED
                                                       : IDS_LIST_STATE_SNOOZED;
        text = text + ", " + LoadString(id);
    }
    if (RecurrenceImageOf(event)) text = text + ", " + LoadString(IDS_LIST_STATE_RECURRING);
    return text;
}

} // namespace zm
