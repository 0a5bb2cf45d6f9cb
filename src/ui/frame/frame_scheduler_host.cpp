#include "ui/frame/frame_scheduler_host.h"

#include "res/strings.h"
#include "ui/common/ui_text.h"
#include "ui/frame/message_boxes.h"

namespace zm {

// Neither box waits: the tick goes on while it is up.
void FrameSchedulerHost::ShowCannotShowNextReminder() {
    ShowErrorNotWaiting(Text(IDS_CANNOT_SHOW_REMINDER));
}

void FrameSchedulerHost::ReportTimerFailure() {
    ShowErrorNotWaiting(Text(IDS_ERR_NO_RESOURCES));
}

} // namespace zm
