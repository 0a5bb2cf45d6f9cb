#include "ui/editor/event_editor.h"

#include "edit/type_defaults.h"
#include "res/strings.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"
#include "ui/editor/event_editor_dialog.h"
#include "ui/reminder/reminder_window_set.h"

#include <QPointer>

namespace zm {

bool EditEvent(WindowContext& context, UserBoxes& boxes, const EditorRequest& request,
               QWidget* parent) {
    EventEditorDialog dialog(context, boxes, request, parent);
    // While the editor is up, the reminder windows hold back what would act on events.
    QPointer<ReminderWindowSet> reminders(context.reminders);
    if (reminders) reminders->SetProgramDialog(ProgramDialog::EventEditor, request.event.key);
    dialog.exec();
    if (reminders) reminders->SetProgramDialog(ProgramDialog::None);
    if (!dialog.Stored()) return false;
    if (request.warnWhenFiltered && FilterHidesType(context.types, dialog.Record().typeIndex))
        boxes.Tell(parent, QString::fromUtf8(LoadString(IDS_FILTER_HIDES_EVENT)), BoxIcon::Warning);
    return true;
}

EventRecord NewEventFor(const WindowContext& context, int typeIndex, DateTime day) {
    return MakeNewEvent(context.types, typeIndex, day, context.store.Now());
}

} // namespace zm
