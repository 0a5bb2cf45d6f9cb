#include "res/strings.h"
#include "store/quick/quick_editing.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(QuickEntryChecks, MenuNameFirstThenTheAmount) {
    struct Case {
        const char* menu;
        const char* amount;
        int message;
        QuickField focus;
    } cases[] = {
        {" \t", "soon", IDS_QUICK_MENU_NAME_EMPTY, QuickField::MenuName},
        {"Tea", "soon", IDS_DURATION_NOT_VALID, QuickField::Offset},
        {"Tea", "0", IDS_DURATION_NOT_VALID, QuickField::Offset},
        {"Tea", "99999 h", IDS_DURATION_TOO_LARGE, QuickField::Offset},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.menu + std::string("|") + c.amount);
        QuickReminder entry;
        const QuickCheck check = CheckQuickEntry({c.menu, "", "Alarm", -1, c.amount}, entry);
        EXPECT_EQ(check.message, c.message);
        EXPECT_EQ(check.focus, c.focus);
        EXPECT_EQ(entry, QuickReminder{});
    }
}

TEST(QuickEntryChecks, ATakenEntryKeepsItsSound) {
    QuickReminder entry;
    entry.sound = 0x10002;
    entry.soundFile = "bell.wav";
    ASSERT_EQ(CheckQuickEntry({"  Tea  ", "Tea is ready", "Call", -1, "2 h"}, entry).message, 0);
    EXPECT_EQ(entry.menuName, "Tea");
    EXPECT_EQ(entry.eventName, "Tea is ready");
    EXPECT_EQ(entry.typeName, "Call");
    EXPECT_EQ(entry.offset, TimeAmount::Of(AmountUnit::Hour, 2));
    EXPECT_EQ(entry.sound, 0x10002u);
    EXPECT_EQ(entry.soundFile, "bell.wav");
}

} // namespace
} // namespace zm
