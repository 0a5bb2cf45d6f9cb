#include "ui/sound/qt_sound_timer.h"

#include <algorithm>
#include <climits>

namespace zm {

QtSoundTimer::QtSoundTimer() {
    timer_.setSingleShot(true);
    // The next playing of a wave file is meant to start its pause after the end of the last.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
        // The task may start the timer again, which replaces fire_.
        const std::function<void()> fire = std::move(fire_);
        fire_ = nullptr;
        if (fire) fire();
    });
}

void QtSoundTimer::Start(std::chrono::milliseconds delay, std::function<void()> fire) {
    fire_ = std::move(fire);
    timer_.start(
        static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(delay.count(), 0, INT_MAX)));
}

void QtSoundTimer::Stop() {
    timer_.stop();
    fire_ = nullptr;
}

PostToOwnerThread QtPostToOwnerThread(QObject* context) {
    return [context](std::function<void()> task) {
        QMetaObject::invokeMethod(context, std::move(task), Qt::QueuedConnection);
    };
}

} // namespace zm
