// The windows' test rig holds a usable store and answers questions as told.

#include "support/window_fixture.h"

#include <gtest/gtest.h>

namespace zm::testing {
namespace {

TEST(WindowFixture, StoresEventsAndAnswersQuestionsInTurn) {
    WindowFixture rig;
    EventRecord e;
    e.name = "Dentist";
    e.start = rig.now_;
    EXPECT_NE(rig.Put(e), 0);
    EXPECT_EQ(rig.types_.TypeCount(), 11u);
    rig.boxes_.Answer(BoxAnswer::Yes);
    EXPECT_TRUE(rig.boxes_.AskYesNo(nullptr, "first?", BoxIcon::Question));
    EXPECT_FALSE(rig.boxes_.AskYesNo(nullptr, "second?", BoxIcon::Question));
    EXPECT_EQ(rig.boxes_.LastText(), "second?");
    EXPECT_TRUE(rig.Context().saveTypes());
}

} // namespace
} // namespace zm::testing
