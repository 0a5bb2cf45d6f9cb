#include "ui/editor/event_editor.h"

#include "ui/common/window_context.h"

namespace zm {

// Until the editor lands: nothing is stored.
bool EditEvent(WindowContext&, UserBoxes&, const EditorRequest&, QWidget*) {
    return false;
}

EventRecord NewEventFor(const WindowContext&, int typeIndex, DateTime day) {
    EventRecord event;
    event.typeIndex = typeIndex;
    event.start = day;
    return event;
}

} // namespace zm
