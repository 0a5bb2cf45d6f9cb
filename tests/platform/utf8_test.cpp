#include "platform/utf8.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(Utf8, CharactersAreLeadBytesWithTheirContinuations) {
    const std::string text = "a\xC3\xA9\xE2\x80\xAF\xF0\x9F\x98\x80z"; // a é NNBSP 😀 z
    EXPECT_EQ(Utf8Length(text), 5u);
    EXPECT_EQ(Utf8CharLength(text, 1), 2u);
    EXPECT_EQ(Utf8CharLength(text, 3), 3u);
    EXPECT_EQ(Utf8CharLength(text, 6), 4u);
    EXPECT_EQ(Utf8CharLength(text, text.size()), 0u);
    EXPECT_EQ(Utf8Offset(text, 3), 6u);
    EXPECT_EQ(Utf8Offset(text, 99), text.size());
    EXPECT_EQ(Utf8Prefix(text, 2), "a\xC3\xA9");
}

TEST(Utf8, MalformedTextStillStepsForwardInSmallSteps) {
    const std::string stray(10, '\x80'); // continuation bytes only
    EXPECT_EQ(Utf8CharLength(stray, 0), 4u);
    EXPECT_EQ(Utf8Length(stray), 3u);
    EXPECT_EQ(Utf8Length("\xC3"), 1u); // a lead byte cut off at the end
}

TEST(Utf8, AppendLimitedStopsAtTheLimit) {
    std::string out;
    std::size_t count = 0;
    EXPECT_TRUE(AppendLimited(out, count, "ab", 4));
    EXPECT_FALSE(AppendLimited(out, count, "\xC3\xA9\xC3\xA9\xC3\xA9", 4));
    EXPECT_EQ(out, "ab\xC3\xA9\xC3\xA9");
    EXPECT_EQ(count, 4u);
    EXPECT_FALSE(AppendLimited(out, count, "x", 4));
    EXPECT_TRUE(AppendLimited(out, count, "", 4));
}

} // namespace
} // namespace zm
