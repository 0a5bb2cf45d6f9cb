#pragma once
// The pictures beside a row's name: a state image (disabled, else accepted, else snoozed), the
// type's icon, and the recurrence image of a recurring event.

#include "model/event_record.h"

#include <optional>
#include <string>

namespace zm {

// The images of the list's own strip, by index.
enum class ListImage : int { Snoozed = 0, Accepted = 1, Recurring = 2, Disabled = 3 };
inline constexpr int kListImageCount = 4;
inline constexpr int kIconSlotWidth = 16;
inline constexpr int kIconSlotsWidth = 3 * kIconSlotWidth;

// The first slot's image: Disabled, else Accepted, else Snoozed, else none.
std::optional<ListImage> StateImageOf(const EventRecord& event);
// The third slot's image: Recurring for a recurring event.
std::optional<ListImage> RecurrenceImageOf(const EventRecord& event);

// What the images say, for a screen reader: the cell text followed by the states in words
// ("Dentist, snoozed, recurring").
std::string SpokenNameCell(const EventRecord& event, const std::string& cellText);

} // namespace zm
