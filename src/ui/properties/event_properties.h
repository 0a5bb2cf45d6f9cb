#pragma once
// The "Properties" sheet of one event: its reminder information, on a copy of the event the
// sheet owns (the list may replace its own copy while the sheet is open).

class QWidget;

namespace zm {

struct WindowContext;
struct EventRecord;

// Runs the sheet modally.
void ShowEventProperties(WindowContext& context, const EventRecord& event, QWidget* parent);

} // namespace zm
