// The Calendar page's work-week boxes, the entry fields' limits and the clock format builder.

#include "platform/hot_key_code.h"
#include "platform/hot_keys.h"
#include "preferences/clock_format_builder.h"
#include "preferences/entry_rules.h"
#include "preferences/work_week_boxes.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

constexpr int kMonday = 0;
constexpr int kSunday = 6;

TEST(WorkWeekBoxes, BoxesFollowTheFirstDayAndWeekdaysKeepTheirFlags) {
    // Monday to Friday (bits 1..5).
    WorkWeekBoxes boxes(0b0111110, kSunday);
    EXPECT_EQ(WorkWeekBoxes::WeekdayOfBox(0, kSunday), 0); // box 0 is Sunday
    EXPECT_EQ(boxes.Boxes(), (std::array<bool, 7>{false, true, true, true, true, true, false}));

    boxes.SetBox(0, true); // Sunday becomes a work day
    boxes.ChangeFirstDay(kMonday);
    EXPECT_EQ(WorkWeekBoxes::WeekdayOfBox(0, kMonday), 1); // box 0 is Monday
    EXPECT_EQ(boxes.Boxes(), (std::array<bool, 7>{true, true, true, true, true, false, true}));
    EXPECT_EQ(boxes.Mask(), 0b0111111);

    boxes.ChangeFirstDay(3); // Thursday first
    boxes.SetBox(2, false);  // Saturday
    boxes.ChangeFirstDay(kSunday);
    EXPECT_EQ(boxes.Mask(), 0b0111111);
    boxes.SetBox(6, true); // the last box is Saturday again
    EXPECT_EQ(boxes.Mask(), 0b1111111);
}

TEST(EntryRules, ABareKeyTakesCtrlAlt) {
    const uint16_t bareF = MakeHotKeyCode('F', 0);
    EXPECT_EQ(WithDefaultModifiers(bareF), MakeHotKeyCode('F', kHotKeyControl | kHotKeyAlt));
    const uint16_t bareLeft = MakeHotKeyCode(0x25, 0); // the extended flag is no modifier
    EXPECT_EQ(WithDefaultModifiers(bareLeft), MakeHotKeyCode(0x25, kHotKeyControl | kHotKeyAlt));
    const uint16_t shiftF = MakeHotKeyCode('F', kHotKeyShift);
    EXPECT_EQ(WithDefaultModifiers(shiftF), shiftF);
    EXPECT_EQ(WithDefaultModifiers(0), 0);
}

TEST(EntryRules, FontSizesAndMarginsStayInTheirRanges) {
    EXPECT_EQ(LimitFontPoints(6), 8);
    EXPECT_EQ(LimitFontPoints(12), 12);
    EXPECT_EQ(LimitFontPoints(36), 24);
    EXPECT_EQ(LimitClockMargins(-1), 0);
    EXPECT_EQ(LimitClockMargins(100), 99);
}

// Rows of the Date menu: 1 "dd", 5 "M"... 6 "MM"; the Separator menu's row 0 is the space.
TEST(ClockFormatBuilder, GuardsDateCodesButNotSeparators) {
    struct Case {
        const char* text;
        TextSelection at;
        FormatMenu menu;
        std::size_t row;
        const char* expected;
    };
    const Case cases[] = {
        {"dd", {2, 2}, FormatMenu::Date, 6, "dd~MM"},
        {"dd ", {3, 3}, FormatMenu::Date, 6, "dd MM"},
        {"ddyy", {2, 2}, FormatMenu::Date, 6, "dd~MM~yy"},
        {"dd", {2, 2}, FormatMenu::Separator, 0, "dd "},
        {"hh:mm", {0, 5}, FormatMenu::Samples, 10, "hh:mm:ss tt"},
    };
    for (const Case& c : cases) {
        const auto edit = InsertMenuRow(c.text, c.at, c.menu, c.row);
        ASSERT_TRUE(edit) << c.text;
        EXPECT_EQ(edit->text, c.expected) << c.text;
    }
    EXPECT_FALSE(InsertMenuRow("dd", {2, 2}, FormatMenu::Date, 4)); // a separator line
    const std::string full(383, 'x');
    EXPECT_FALSE(InsertMenuRow(full, {383, 383}, FormatMenu::Separator, 0)); // too long
}

} // namespace
} // namespace zm
