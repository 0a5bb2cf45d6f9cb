#pragma once
// A scheduler timer on a QTimer (the frame's start-up delay, reminder tick and next-due shot).

#include "resident/scheduler_timer.h"

#include <QTimer>

namespace zm {

class FrameTimer final : public SchedulerTimer {
public:
    FrameTimer();
    bool Start(std::chrono::milliseconds interval, bool repeating,
               std::function<void()> fire) override;
    void Stop() override { timer_.stop(); }
    bool Active() const override { return timer_.isActive(); }

private:
    QTimer timer_;
    std::function<void()> fire_;
};

} // namespace zm
