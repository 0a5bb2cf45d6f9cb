#pragma once
// The list's events on the clipboard: plain text beside the program's own format, and reading
// that format back.

#include "list/list_view_state.h"
#include "model/event_record.h"
#include "store/io/read_result.h"

#include <vector>

class QMimeData;

namespace zm {

struct WindowContext;

// Plain text and the program's own format of the events, in the order given.
QMimeData* MakeClipboardData(const std::vector<EventRecord>& events, const ListViewState& view,
                             const WindowContext& context);
// Whether the data holds the program's own format.
bool HoldsEvents(const QMimeData* data);
// The events of the program's own format: error 2 when there is none, Corrupted when the data
// does not hold its records.
ReadResult<std::vector<EventRecord>> ClipboardEvents(const QMimeData* data);

} // namespace zm
