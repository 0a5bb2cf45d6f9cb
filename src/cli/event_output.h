#pragma once
// An event as the command line shows it: a JSON object with every stored field, a one-line
// summary for lists, and the details of "show" (the lines of the event's properties page).

#include "cli/cli_run.h"
#include "format/locale_formats.h"
#include "model/event_record.h"
#include "platform/locale_names.h"

#include <ostream>
#include <string>

namespace zm {

// The object with the keys key, id, name, notes, type, typeIndex, flags, pattern, param,
// advance, duration, start, snoozeUntil, lastShown, end, snoozeChoice, sound, soundPause,
// soundFile, windowSize and description. Packed words are numbers as stored; instants are local
// "YYYY-MM-DDTHH:MM:SS".
Json EventJson(const EventRecord& e, const LocaleNames& names);

// An instant in the locale's short date and time formats.
std::string DisplayInstant(DateTime t, const LocaleFormats& formats);

// The event's id as the command line takes it: "id:4249615984".
std::string IdArgument(uint32_t id);

// "   12  id:4249615984  3/14/25 9:00 AM  Dentist [Appointment]  Every day  (snoozed)".
std::string EventSummaryLine(const EventRecord& e, const LocaleFormats& formats,
                             const LocaleNames& names);

// The event's name, then one "Label: value" line per field.
void WriteEventDetails(std::ostream& out, const EventRecord& e, DateTime now,
                       const LocaleFormats& formats, const LocaleNames& names);

} // namespace zm
