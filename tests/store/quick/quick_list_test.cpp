#include "model/date_time.h"
#include "res/artwork.h"
#include "store/quick/quick_list.h"
#include "store/quick/quick_run.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

QuickReminder Menu(const std::string& name) {
    QuickReminder q;
    q.menuName = name;
    return q;
}

TypeList Types() {
    TypeList t;
    t.CreatePredefined();
    return t;
}

TEST(QuickRunTest, CreatesAOneTimeEventDueAfterTheOffset) {
    QuickReminder q;
    q.offset = TimeAmount(0x00010002); // 2 hours
    q.sound = 0x00010002;
    q.soundPause = 0x00020003;
    q.soundFile = "/sounds/gong.wav";
    q.typeName = "call";
    q.eventName = "Call back";
    const DateTime now = DateTime::FromParts(2024, 3, 5, 10, 15, 30);
    const EventRecord e = RunQuickReminder(q, Types(), now);
    EXPECT_EQ(e.start, DateTime::FromParts(2024, 3, 5, 12, 15, 30));
    EXPECT_EQ(e.snoozeUntil, e.start);
    EXPECT_EQ(e.name, "Call back");
    EXPECT_EQ(e.typeName, "call");
    EXPECT_EQ(e.typeIndex, 4);
    EXPECT_EQ(e.advance.word, 0u);
    EXPECT_EQ(e.pattern, 0u);
    EXPECT_FALSE(e.IsRecurring());
    EXPECT_TRUE(e.Has(kCustomSound));
    EXPECT_TRUE(e.Has(kHasSoundPause));
    EXPECT_FALSE(e.Has(kSnoozed));
    EXPECT_EQ(e.sound, 0x00010002u);
    EXPECT_EQ(e.soundPause, 0x00020003u);
    EXPECT_EQ(e.soundFile, "/sounds/gong.wav");
    EXPECT_EQ(e.key, 0);
    EXPECT_EQ(e.id, 0u);
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
        q.offset = TimeAmount(c.offset);
        q.typeName = "No such type";
        const EventRecord e = RunQuickReminder(q, Types(), now);
        EXPECT_EQ(e.start, c.start) << std::hex << c.offset;
        EXPECT_EQ(e.typeIndex, -1);
    }
}

TEST(QuickListTest, CommandsMapToEntries) {
    QuickList list;
    list.Add(Menu("a"), {});
    list.Add(Menu("b"), {});
    EXPECT_EQ(list.ForCommand(32814)->menuName, "a");
    EXPECT_EQ(list.ForCommand(32815)->menuName, "b");
    EXPECT_EQ(list.ForCommand(32816), nullptr);
    EXPECT_EQ(list.ForCommand(32813), nullptr);
    EXPECT_EQ(list.ForCommand(0), nullptr);
}

TEST(QuickListTest, TwentyFiveEntriesAtMost) {
    QuickList list;
    for (int i = 0; i < 24; ++i)
        ASSERT_TRUE(list.Add(Menu(std::to_string(i)), {}));
    EXPECT_FALSE(list.Full());
    ASSERT_TRUE(list.Add(Menu("25th"), {}));
    EXPECT_TRUE(list.Full());
    EXPECT_FALSE(list.AddWithDefaultIcon(Menu("26th")));
    list.Remove(3);
    EXPECT_FALSE(list.Full());
    EXPECT_EQ(list.Icons().size(), 24u);
}

TEST(QuickListTest, SortsByMenuNameWithTheIcons) {
    QuickList list;
    list.Add(Menu("beta"), PredefinedTypeIcon(1, 16));
    list.Add(Menu("Alpha"), PredefinedTypeIcon(0, 16));
    list.Add(Menu("GAMMA"), PredefinedTypeIcon(2, 16));
    list.SortByMenuName();
    EXPECT_EQ(list.At(0)->menuName, "Alpha");
    EXPECT_EQ(list.At(1)->menuName, "beta");
    EXPECT_EQ(list.At(2)->menuName, "GAMMA");
    EXPECT_EQ(list.Icons()[0], PredefinedTypeIcon(0, 16));
    EXPECT_EQ(list.Icons()[1], PredefinedTypeIcon(1, 16));
}

TEST(QuickListTest, TakenOverEntriesAreAlarmsWithTheDefaultIcon) {
    QuickList list;
    ASSERT_TRUE(list.AddWithDefaultIcon(TakenOverQuickReminder("Pizza", "Oven", TimeAmount(12))));
    const QuickReminder& q = *list.At(0);
    EXPECT_EQ(q.typeName, "Alarm");
    EXPECT_EQ(q.menuName, "Pizza");
    EXPECT_EQ(q.eventName, "Oven");
    EXPECT_EQ(q.offset.word, 12u);
    EXPECT_EQ(q.sound, 0u);
    EXPECT_EQ(q.soundPause, 30u);
    EXPECT_EQ(list.Icons()[0], ProgramIcon(kIconNewEntry, 16));
}

} // namespace
} // namespace zm
