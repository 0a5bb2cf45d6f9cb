#include "frame/tray_wait.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

using std::chrono::milliseconds;
using Step = TrayWait::Step;

struct LookCase {
    const char* name;
    // Each look: the time since the start, whether the tray is there, and the step expected.
    std::vector<std::tuple<int, bool, Step>> looks;
};

TEST(TrayWait, ShowsTheIconWhenTheTrayComesAndFallsBackAfterTheLimit) {
    const LookCase cases[] = {
        {"the tray is there at once", {{0, true, Step::ShowIcon}, {500, true, Step::Done}}},
        {"the panel comes after ten seconds",
         {{0, false, Step::Wait},
          {9500, false, Step::Wait},
          {10000, true, Step::ShowIcon},
          {10500, false, Step::Done}}},
        {"no tray within the limit, then one later",
         {{0, false, Step::Wait},
          {59999, false, Step::Wait},
          {60000, false, Step::OpenMainWindow},
          {65000, false, Step::Wait},
          {300000, true, Step::ShowIcon},
          {305000, true, Step::Done}}},
    };
    for (const LookCase& c : cases) {
        TrayWait wait;
        for (const auto& [at, there, expected] : c.looks)
            EXPECT_EQ(wait.Look(milliseconds(at), there), expected) << c.name << " at " << at;
    }
}

TEST(TrayWait, LooksLessOftenAfterTheLimit) {
    TrayWait wait(milliseconds(1000));
    EXPECT_EQ(wait.NextLookIn(), kTrayLookWhileWaiting);
    EXPECT_EQ(wait.Look(milliseconds(1000), false), Step::OpenMainWindow);
    EXPECT_EQ(wait.NextLookIn(), kTrayLookAfterLimit);
    EXPECT_FALSE(wait.IconShown());
    EXPECT_EQ(wait.Look(milliseconds(6000), true), Step::ShowIcon);
    EXPECT_TRUE(wait.IconShown());
}

} // namespace
} // namespace zm
