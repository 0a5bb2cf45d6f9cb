#pragma once
// The short English texts derived from an event: the recurrence description, the text of an
// amount of time, the age of a yearly event and the time-left suffix of a reminder title.
// Every text comes from the string table; day and month names from the user's locale.

#include "model/date_time.h"
#include "model/event_record.h"
#include "model/time_amount.h"
#include "platform/locale_names.h"

#include <cstdint>
#include <string>

namespace zm {

// The description of the event's pattern, for example "Every 2 weeks on Monday, Friday" or
// "The last Friday of every 3 months"; empty for an event without recurrence or with a pattern
// word of no known kind and form.
std::string DescribePattern(const EventRecord& event, const LocaleNames& names);

// The text of an amount: "1 hour", "30 minutes", "0 minutes", and with bit 15 of the count set
// "10 minutes before start". Empty for an unknown unit.
std::string DescribeAmount(AmountUnit unit, uint32_t count);
inline std::string DescribeAmount(TimeAmount a) {
    return DescribeAmount(a.Unit(), a.word & 0xFFFF);
}

// The age at an occurrence of a yearly event with the Age option, as a decimal number ("31");
// empty for any other event. A negative age (an occurrence before the start) is 0.
std::string AgeAt(const EventRecord& event, DateTime occurrence);

// What the reminder window appends to the event name for the age: " ( 31 years )", or empty
// when AgeAt is empty.
std::string AgeSuffix(const EventRecord& event, DateTime occurrence);

// The suffix of a reminder window title: " [ overdue ]" when overdue, otherwise
// " [ 1 day more ]" / " [ n days more ]" for whole days left above 0, otherwise empty.
std::string TimeLeftSuffix(bool overdue, int64_t daysLeft);

} // namespace zm
