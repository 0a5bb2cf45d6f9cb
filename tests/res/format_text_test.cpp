#include "res/format_text.h"
#include "res/strings.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(FormatString, FillsConversionsInOrder) {
    EXPECT_EQ(FormatString("Day %d of every %d months", {15, 2}), "Day 15 of every 2 months");
    EXPECT_EQ(FormatString("The %s %s of %s", {"last", std::string("Friday"), "May"}),
              "The last Friday of May");
    EXPECT_EQ(FormatString("100%% sure", {}), "100% sure");
    EXPECT_EQ(FormatString("%d:%#02d", {1, 5}), "1:05");
    EXPECT_EQ(FormatString("%#02d:%#02d:%#02d", {1, 2, 3}), "01:02:03");
    EXPECT_EQ(FormatString("%.8x %.4x %X", {0xC0000005u, 0x1b, 255}), "c0000005 001b FF");
    EXPECT_EQ(FormatString("%x", {-1}), "ffffffff");
    EXPECT_EQ(FormatString("[%5s|%-5s|%.2s]", {"ab", "cd", "xyz"}), "[   ab|cd   |xy]");
    EXPECT_EQ(FormatString("%+d %i %u %c", {7, -8, 9u, 65}), "+7 -8 9 A");
    EXPECT_EQ(FormatString("%ld %I64d %lu", {1, 2, 3}), "1 2 3");
}

TEST(FormatString, NeverReadsMissingOrMismatchedArguments) {
    EXPECT_EQ(FormatString("%d and %s", {}), " and ");
    EXPECT_EQ(FormatString("%d days", {"many"}), "many days");
    EXPECT_EQ(FormatString("%s years", {31}), "31 years");
    EXPECT_EQ(FormatString("one %d", {1, 2, 3}), "one 1");
    EXPECT_EQ(FormatString("50%", {}), "50%");
    EXPECT_EQ(FormatString("%q %", {1}), "%q %");
    // A width or precision can never ask for more than 512 characters.
    EXPECT_EQ(FormatString("%99999999999d", {1}).size(), 512u);
    EXPECT_EQ(FormatString("%.99999999999d", {1}).size(), 512u);
}

TEST(FormatString, InsertsNumberedArguments) {
    EXPECT_EQ(FormatString("on %1", {"LPT1:"}), "on LPT1:");
    EXPECT_EQ(FormatString("%2 to %1", {"a", "b"}), "b to a");
    EXPECT_EQ(FormatString("to %3", {"a"}), "to ");
}

TEST(FormatText, FillsTableTexts) {
    EXPECT_EQ(FormatText(IDS_SUFFIX_DAYS_MORE, {3}), " [ 3 days more ]");
    EXPECT_EQ(FormatText(IDS_AMOUNT_BEFORE_START, {10, "minutes", "before start"}),
              "10 minutes before start");
    EXPECT_EQ(FormatText(1), "");
}

} // namespace
} // namespace zm
