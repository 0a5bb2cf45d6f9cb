#pragma once
// The size of a reminder window: the one it opens at, and the custom size it keeps with its
// event (0 for the minimum size; nothing is kept when the size could not be read).

#include "model/event_record.h"
#include "platform/screen_geometry.h"

#include <cstdint>
#include <optional>

namespace zm {

// The event's stored size, kept between the minimum size and the work area; the minimum size
// for an event without one.
Size ReminderOpenSize(const EventRecord& event, Size minimum, Size workArea);

// Keeps a custom size with the event: WindowSize takes it and HasWindowSize is set, or cleared
// for 0. Without a size the event stays as it is.
void KeepCustomSize(EventRecord& event, std::optional<uint32_t> customSize);

} // namespace zm
