#pragma once
// What the reminder scheduler asks of the frame: its boxes, the fatal end, and giving memory
// back after the daily rebuild.

#include "resident/scheduler_host.h"

#include <functional>

namespace zm {

class FrameSchedulerHost final : public SchedulerHost {
public:
    // `fatal`: report the code and close the program; `rebuildDone`: after a daily rebuild.
    FrameSchedulerHost(std::function<void(LibraryResult)> fatal, std::function<void()> rebuildDone)
        : fatal_(std::move(fatal)), rebuildDone_(std::move(rebuildDone)) {}

    void ShowCannotShowNextReminder() override;
    void ReportTimerFailure() override;
    void Fatal(LibraryResult code) override { fatal_(code); }
    void RebuildDone() override { rebuildDone_(); }

private:
    std::function<void(LibraryResult)> fatal_;
    std::function<void()> rebuildDone_;
};

} // namespace zm
