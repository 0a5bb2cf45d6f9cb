#pragma once
// The reminders of one day as the scheduler's daily rebuild collects them: every event whose
// reminder falls due before the end of that day, with its reminder instant, in instant order.

#include "model/event_record.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zm {

// As the floating clock's list marks them: due now or overdue, snoozed, or still to come.
enum class AgendaKind : uint8_t { Normal, Due, Snoozed };

struct AgendaItem {
    uint16_t key = 0;
    uint32_t id = 0;
    std::string name;
    DateTime instant;
    AgendaKind kind = AgendaKind::Normal;
};

// The item of one event for the day of `day`, seen at `now`; nothing when its reminder does not
// fall due by the end of that day.
std::optional<AgendaItem> AgendaItemOf(const EventRecord& e, DateTime day, DateTime now,
                                       const WeekSettings& week);

// Sorts by instant; items of equal instants keep their order.
void SortAgenda(std::vector<AgendaItem>& items);

const char* AgendaKindName(AgendaKind kind);

} // namespace zm
