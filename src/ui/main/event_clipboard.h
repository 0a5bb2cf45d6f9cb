#pragma once
// The events on the clipboard: a line of text per event for every program, and the events
// themselves in the program's private type for pasting.

#include "list/list_view_state.h"
#include "model/event_record.h"
#include "store/io/library_result.h"

#include <QString>
#include <vector>

class QMimeData;

namespace zm {

class LocaleFormats;
class LocaleNames;

inline constexpr char kTransferMimeType[] = "application/x-zantimore-transfer";

// Per event: name, date and time (the start in the All view, else the listed occurrence), type
// and recurrence, separated by tabs, each line ending with CR LF.
QString EventsAsText(const std::vector<EventRecord>& events, ViewMode mode,
                     const LocaleFormats& formats, const LocaleNames& names);
// Both forms; the caller hands it to the clipboard.
QMimeData* EventsMimeData(const std::vector<EventRecord>& events, ViewMode mode,
                          const LocaleFormats& formats, const LocaleNames& names);
bool HoldsEvents(const QMimeData* data);
// Reserved2 without the private type, Corrupted for data that are not events.
LibraryResult ReadEvents(const QMimeData* data, std::vector<EventRecord>& events);

} // namespace zm
