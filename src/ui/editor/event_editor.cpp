#include "ui/editor/event_editor.h"

#include "edit/type_defaults.h"
#include "res/strings.h"
#include "ui/common/ui_text.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"
#include "ui/editor/event_editor_dialog.h"

namespace zm {

bool EditEvent(WindowContext& context, UserBoxes& boxes, const EditorRequest& request,
               QWidget* parent) {
    EventEditorDialog dialog(context, boxes, request, parent);
    dialog.exec();
    if (!dialog.Stored()) return false;
    if (request.warnWhenFiltered && FilterHidesType(context.types, dialog.Record().typeIndex))
        boxes.Tell(parent, Text(IDS_FILTER_HIDES_EVENT), BoxIcon::Warning);
    return true;
}

EventRecord NewEventFor(const WindowContext& context, int typeIndex, DateTime day) {
    return MakeNewEvent(context.types, typeIndex, day, context.store.Now());
}

} // namespace zm
