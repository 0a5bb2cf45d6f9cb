#include "ui/frame/frame_scheduler_host.h"

#include "res/strings.h"
#include "ui/frame/message_boxes.h"

namespace zm {

// Neither box waits: the tick goes on while it is up.
void FrameSchedulerHost::ShowCannotShowNextReminder() {
    ShowErrorNotWaiting(QString::fromUtf8(LoadString(IDS_CANNOT_SHOW_REMINDER)));
}

void FrameSchedulerHost::ReportTimerFailure() {
    ShowErrorNotWaiting(QString::fromUtf8(LoadString(IDS_ERR_NO_RESOURCES)));
}

} // namespace zm
