#include "ui/frame/qt_scheduler_timer.h"

#include <QEventLoop>
#include <gtest/gtest.h>

namespace zm {
namespace {
using std::chrono::milliseconds;

// Runs the event loop for `ms`.
void Spin(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The application object is the test program's (main_frame_test.cpp).
TEST(QtSchedulerTimer, FiresOnceOrRepeatedlyUntilStopped) {
    QtSchedulerTimer shot;
    QtSchedulerTimer tick;
    int shots = 0;
    int ticks = 0;
    ASSERT_TRUE(shot.Start(milliseconds(5), false, [&] { ++shots; }));
    ASSERT_TRUE(tick.Start(milliseconds(5), true, [&] {
        if (++ticks == 3) tick.Stop();
    }));
    EXPECT_TRUE(shot.Active() && tick.Active());
    Spin(200);
    EXPECT_EQ(shots, 1);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(shot.Active() || tick.Active());

    // A restart from within its own call replaces the function and the interval.
    int restarted = 0;
    ASSERT_TRUE(shot.Start(milliseconds(5), false, [&] {
        ASSERT_TRUE(shot.Start(milliseconds(5), false, [&] { ++restarted; }));
    }));
    Spin(200);
    EXPECT_EQ(restarted, 1);
}

} // namespace
} // namespace zm
