#pragma once
// A scheduler timer over QTimer: it fires on the thread that owns it, from its event loop.

#include "resident/scheduler_timer.h"

#include <QTimer>

namespace zm {

class QtSchedulerTimer final : public SchedulerTimer {
public:
    QtSchedulerTimer();
    QtSchedulerTimer(const QtSchedulerTimer&) = delete;
    QtSchedulerTimer& operator=(const QtSchedulerTimer&) = delete;

    bool Start(std::chrono::milliseconds interval, bool repeating,
               std::function<void()> fire) override;
    void Stop() override;
    bool Active() const override;

private:
    QTimer timer_;
    std::function<void()> fire_;
};

} // namespace zm
