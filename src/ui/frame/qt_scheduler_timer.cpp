#include "ui/frame/qt_scheduler_timer.h"

#include <algorithm>
#include <limits>

namespace zm {

QtSchedulerTimer::QtSchedulerTimer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        // The call may restart this timer with another function: it runs on its own copy.
        const std::function<void()> fire = fire_;
        if (fire) fire();
    });
}

bool QtSchedulerTimer::Start(std::chrono::milliseconds interval, bool repeating,
                             std::function<void()> fire) {
    fire_ = std::move(fire);
    // The repeating tick may come a little early or late; a single shot aims at an instant.
    timer_.setTimerType(repeating ? Qt::CoarseTimer : Qt::PreciseTimer);
    timer_.setSingleShot(!repeating);
    const auto ms = std::clamp<int64_t>(interval.count(), 0, std::numeric_limits<int>::max());
    timer_.start(static_cast<int>(ms));
    return timer_.isActive();
}

void QtSchedulerTimer::Stop() {
    timer_.stop();
}

bool QtSchedulerTimer::Active() const {
    return timer_.isActive();
}

} // namespace zm
