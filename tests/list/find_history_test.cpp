// The find bar's history: most recent first, no repeats without regard to case, fifteen texts.

#include "list/find_history.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(FindHistory, NewestFirstRepeatsKeepTheirPlaceOldestLeaves) {
    FindHistory history;
    EXPECT_EQ(history.Enter("meet"), 0u);
    EXPECT_EQ(history.Enter("call"), 0u);
    EXPECT_EQ(history.Enter("MEET"), 1u);
    EXPECT_EQ(history.Entries(), (std::vector<std::string>{"call", "meet"}));
    for (int i = 0; i < 14; ++i)
        history.Enter("t" + std::to_string(i));
    ASSERT_EQ(history.Entries().size(), kFindHistorySize);
    EXPECT_EQ(history.Entries().front(), "t13");
    EXPECT_EQ(history.Entries().back(), "call"); // "meet", the oldest, has left
}

} // namespace
} // namespace zm
