#include "model/date_time.h"
#include "res/artwork.h"
#include "store/quick/quick_list.h"
#include "store/quick/quick_run.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

QuickReminder Menu(const std::string& name) {
    QuickReminder q;
    q.MenuName = name;
    return q;
}

TypeList Types() {
    TypeList t;
    t.createPredefined();
    return t;
}

TEST(QuickRunTest, CreatesAOneTimeEventDueAfterTheOffset) {
    QuickReminder q;
    q.Offset = TimeAmount(0x00010002); // 2 hours
    q.Sound = 0x00010002;
    q.SoundPause = 0x00020003;
    q.SoundFile = "/sounds/gong.wav";
    q.TypeName = "call";
    q.EventName = "Call back";
    const DateTime now = DateTime::FromParts(2024, 3, 5, 10, 15, 30);
    const EventRecord e = runQuickReminder(q, Types(), now);
    EXPECT_EQ(e.Start, DateTime::FromParts(2024, 3, 5, 12, 15, 30));
    EXPECT_EQ(e.SnoozeUntil, e.Start);
    EXPECT_EQ(e.Name, "Call back");
    EXPECT_EQ(e.TypeName, "call");
    EXPECT_EQ(e.TypeIndex, 4);
    EXPECT_EQ(e.Advance.word, 0u);
    EXPECT_EQ(e.Pattern, 0u);
    EXPECT_FALSE(e.IsRecurring());
    EXPECT_TRUE(e.Has(kCustomSound));
    EXPECT_TRUE(e.Has(kHasSoundPause));
    EXPECT_FALSE(e.Has(kSnoozed));
    EXPECT_EQ(e.Sound, 0x00010002u);
    EXPECT_EQ(e.SoundPause, 0x00020003u);
    EXPECT_EQ(e.SoundFile, "/sounds/gong.wav");
    EXPECT_EQ(e.Key, 0);
    EXPECT_EQ(e.Id, 0u);
}

TEST(QuickRunTest, OffsetUnitsAndAnUnknownType) {
    const DateTime now = DateTime::FromParts(2024, 12, 31, 23, 50, 0);
    struct Case {
        uint32_t offset;
        DateTime start;
    } cases[] = {
        {15, DateTime::FromParts(2025, 1, 1, 0, 5, 0)},
        {0x00020001, DateTime::FromParts(2025, 1, 1, 23, 50, 0)},
        {0x00030002, DateTime::FromParts(2025, 1, 14, 23, 50, 0)},
        {0, now},
        {0x00040005, now}, // no such unit: no delay
    };
    for (const Case& c : cases) {
        QuickReminder q;
        q.Offset = TimeAmount(c.offset);
        q.TypeName = "No such type";
        const EventRecord e = runQuickReminder(q, Types(), now);
        EXPECT_EQ(e.Start, c.start) << std::hex << c.offset;
        EXPECT_EQ(e.TypeIndex, -1);
    }
}

TEST(QuickListTest, CommandsMapToEntries) {
    QuickList list;
    list.add(Menu("a"), {});
    list.add(Menu("b"), {});
    EXPECT_EQ(list.forCommand(32814)->MenuName, "a");
    EXPECT_EQ(list.forCommand(32815)->MenuName, "b");
    EXPECT_EQ(list.forCommand(32816), nullptr);
    EXPECT_EQ(list.forCommand(32813), nullptr);
    EXPECT_EQ(list.forCommand(0), nullptr);
}

TEST(QuickListTest, TwentyFiveEntriesAtMost) {
    QuickList list;
    for (int i = 0; i < 24; ++i)
        ASSERT_TRUE(list.add(Menu(std::to_string(i)), {}));
    EXPECT_FALSE(list.full());
    ASSERT_TRUE(list.add(Menu("25th"), {}));
    EXPECT_TRUE(list.full());
    EXPECT_FALSE(list.addWithDefaultIcon(Menu("26th")));
    list.remove(3);
    EXPECT_FALSE(list.full());
    EXPECT_EQ(list.icons().size(), 24u);
}

TEST(QuickListTest, SortsByMenuNameWithTheIcons) {
    QuickList list;
    list.add(Menu("beta"), PredefinedTypeIcon(1, 16));
    list.add(Menu("Alpha"), PredefinedTypeIcon(0, 16));
    list.add(Menu("GAMMA"), PredefinedTypeIcon(2, 16));
    list.sortByMenuName();
    EXPECT_EQ(list.at(0)->MenuName, "Alpha");
    EXPECT_EQ(list.at(1)->MenuName, "beta");
    EXPECT_EQ(list.at(2)->MenuName, "GAMMA");
    EXPECT_EQ(list.icons()[0], PredefinedTypeIcon(0, 16));
    EXPECT_EQ(list.icons()[1], PredefinedTypeIcon(1, 16));
}

TEST(QuickListTest, TakenOverEntriesAreAlarmsWithTheDefaultIcon) {
    QuickList list;
    ASSERT_TRUE(list.addWithDefaultIcon(TakenOverQuickReminder("Pizza", "Oven", TimeAmount(12))));
    const QuickReminder& q = *list.at(0);
    EXPECT_EQ(q.TypeName, "Alarm");
    EXPECT_EQ(q.MenuName, "Pizza");
    EXPECT_EQ(q.EventName, "Oven");
    EXPECT_EQ(q.Offset.word, 12u);
    EXPECT_EQ(q.Sound, 0u);
    EXPECT_EQ(q.SoundPause, 30u);
    EXPECT_EQ(list.icons()[0], ProgramIcon(kIconNewEntry, 16));
}

} // namespace
} // namespace zm
