#include "reminder/reminder_size.h"

#include "platform/window_size.h"

namespace zm {

Size ReminderOpenSize(const EventRecord& event, Size minimum, Size workArea) {
    if (!event.Has(kHasWindowSize)) return minimum;
    return StoredWindowSize(event.windowSize, minimum, workArea);
}

void KeepCustomSize(EventRecord& event, std::optional<uint32_t> customSize) {
    if (!customSize) return;
    event.windowSize = *customSize;
    event.SetFlag(kHasWindowSize, *customSize != 0);
}

} // namespace zm
