#include "ui/frame/frame_timer.h"

namespace zm {

FrameTimer::FrameTimer() {
    timer_.setTimerType(Qt::CoarseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        // A copy: the call may start the timer again with another function.
        const std::function<void()> fire = fire_;
        if (fire) fire();
    });
}

bool FrameTimer::Start(std::chrono::milliseconds interval, bool repeating,
                       std::function<void()> fire) {
    fire_ = std::move(fire);
    timer_.setSingleShot(!repeating);
    timer_.start(interval);
    return timer_.isActive();
}

} // namespace zm
