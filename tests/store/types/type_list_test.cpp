#include "res/artwork.h"
#include "res/strings.h"
#include "store/types/name_checks.h"
#include "store/types/predefined_types.h"
#include "store/types/type_list.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

EventType Named(const std::string& name) {
    EventType t;
    t.name = name;
    return t;
}

TypeList Predefined() {
    TypeList list;
    list.CreatePredefined();
    return list;
}

TEST(TypeListTest, PredefinedTypesFollowTheTable) {
    TypeList list;
    list.systemColours = {0x111111, 0x222222};
    list.CreatePredefined();
    ASSERT_EQ(list.TypeCount(), 11u);
    const char* names[] = {"Alarm",   "Anniversary", "Appointment", "Birthday",
                           "Call",    "Holiday",     "Internet",    "Meeting",
                           "Payment", "Travel",      "TV program"};
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE(names[i]);
        const EventType& t = *list.TypeAt(i);
        EXPECT_EQ(t.name, names[i]);
        EXPECT_EQ(t.sound, 0x00010001u);
        EXPECT_EQ(t.soundPause, 30u);
        EXPECT_EQ(t.startTime, 0u);
        EXPECT_EQ(t.font, LogFontBytes{});
        EXPECT_EQ(list.SmallIcons()[i], PredefinedTypeIcon(i, 16));
        EXPECT_EQ(list.LargeIcons()[i], PredefinedTypeIcon(i, 32));
    }
    const EventType& birthday = *list.TypeAt(3);
    EXPECT_EQ(birthday.flags, 0x1Au);
    EXPECT_EQ(birthday.colour, 0xFF00FFu);
    EXPECT_EQ(birthday.duration.word, 0x20001u);
    EXPECT_EQ(birthday.advance.word, 0x20001u);
    EXPECT_EQ(birthday.textColour, 0xFFFFFFu);
    EXPECT_EQ(birthday.backColour, 0xFF80FFu);
    EXPECT_EQ(list.TypeAt(10)->duration.word, 0x10001u);
}

TEST(TypeListTest, FindTypeIgnoresLetterCase) {
    const TypeList list = Predefined();
    EXPECT_EQ(list.FindType("birthday"), 3);
    EXPECT_EQ(list.FindType("BIRTHDAY"), 3);
    EXPECT_EQ(list.FindType("tv PROGRAM"), 10);
    EXPECT_EQ(list.FindType("Birthdays"), -1);
    EXPECT_EQ(list.FindType(""), -1);
}

TEST(TypeListTest, IndexMinusOneAndBeyondGiveTheUndefinedType) {
    TypeList list = Predefined();
    list.UndefinedEntry().colour = 0x123456;
    list.UndefinedEntry().soundFile = "ding.wav";
    for (int index : {-1, 11, 1000}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(list.TypeAt(index), nullptr);
        EXPECT_EQ(list.TypeColour(index), 0x123456u);
        EXPECT_EQ(list.TypeSound(index), 0x00010001u);
        EXPECT_EQ(list.TypeSoundPause(index), 0x00010000u);
        EXPECT_EQ(list.TypeSoundFile(index), "ding.wav");
        EXPECT_EQ(list.TypeSmallIcon(index), ProgramIcon(kIconUndefinedType, 16));
        EXPECT_EQ(list.TypeLargeIcon(index), ProgramIcon(kIconUndefinedType, 32));
    }
    EXPECT_EQ(list.TypeColour(0), 0x6F6FE0u);
}

TEST(TypeListTest, RenamingATypeRenamesItInTheFilters) {
    TypeList list = Predefined();
    list.Filters() = {{0, "Work", {"CALL", "Meeting"}}, {1, "Home", {"Birthday"}}};
    list.RenameType(list.FindType("Call"), "Phone call");
    EXPECT_EQ(list.FindType("Call"), -1); // events named "Call" now show as undefined
    EXPECT_EQ(list.Filters()[0].typeNames, (std::vector<std::string>{"Phone call", "Meeting"}));
    EXPECT_EQ(list.Filters()[1].typeNames, (std::vector<std::string>{"Birthday"}));
}

TEST(TypeListTest, DeletingATypeRemovesItFromEveryFilter) {
    TypeList list = Predefined();
    list.Filters() = {{0, "Work", {"call", "Meeting", "CALL"}}};
    list.RemoveType(list.FindType("Call"));
    EXPECT_EQ(list.TypeCount(), 10u);
    EXPECT_EQ(list.SmallIcons().size(), 10u);
    EXPECT_EQ(list.LargeIcons().size(), 10u);
    EXPECT_EQ(list.Filters()[0].typeNames, (std::vector<std::string>{"Meeting"}));
    EXPECT_EQ(list.LargeIcons()[4], PredefinedTypeIcon(5, 32)); // Holiday moved up
}

TEST(TypeListTest, TheLastTypeCanBeDeleted) {
    TypeList list;
    list.AddType(Named("Only"), {}, {});
    list.RemoveType(0);
    EXPECT_EQ(list.TypeCount(), 0u);
}

TEST(TypeListTest, AtMostFiftyTypes) {
    TypeList list;
    for (int i = 0; i < 50; ++i)
        ASSERT_TRUE(list.AddType(Named("T" + std::to_string(i)), {}, {}));
    EXPECT_FALSE(list.AddType(Named("one too many"), {}, {}));
    EXPECT_EQ(list.TypeCount(), 50u);
}

TEST(TypeListTest, RestoreAddsMissingPredefinedTypesUpToFifty) {
    TypeList list;
    list.systemColours = {0x010101, 0x020202};
    for (int i = 0; i < 45; ++i)
        list.AddType(Named("Custom " + std::to_string(i)), {}, {});
    EXPECT_EQ(list.RestorePredefined(), 5u);
    EXPECT_EQ(list.TypeCount(), 50u);
    for (const char* name : {"Alarm", "Anniversary", "Appointment", "Birthday", "Call"})
        EXPECT_GE(list.FindType(name), 0) << name;
    EXPECT_EQ(list.FindType("Holiday"), -1);
    // Sorted by name afterwards, icons along.
    EXPECT_EQ(list.TypeAt(0)->name, "Alarm");
    EXPECT_EQ(list.SmallIcons()[0], PredefinedTypeIcon(0, 16));
    // Restored types take the new-type colours for the reminder window.
    const EventType& alarm = *list.TypeAt(list.FindType("Alarm"));
    EXPECT_EQ(alarm.flags, 0x02u);
    EXPECT_EQ(alarm.textColour, 0x010101u);
    EXPECT_EQ(alarm.backColour, 0x020202u);
}

TEST(TypeListTest, RestoreKeepsCustomAndModifiedTypes) {
    TypeList list = Predefined();
    list.TypeAt(list.FindType("Meeting"))->colour = 0xABCDEF;
    list.RemoveType(list.FindType("Travel"));
    list.RemoveType(list.FindType("Alarm"));
    list.AddType(Named("aardvark"), {}, {});
    EXPECT_EQ(list.RestorePredefined(), 2u);
    EXPECT_EQ(list.TypeCount(), 12u);
    EXPECT_EQ(list.TypeAt(list.FindType("Meeting"))->colour, 0xABCDEFu);
    EXPECT_EQ(list.TypeAt(0)->name, "aardvark");
    EXPECT_EQ(list.TypeAt(1)->name, "Alarm");
}

TEST(TypeListTest, SelectFilterMarksTheListedTypes) {
    TypeList list = Predefined();
    list.Filters() = {{0, "Family", {"birthday", "Anniversary", "gone"}}};
    EXPECT_TRUE(list.SelectFilter("FAMILY"));
    EXPECT_EQ(list.ActiveFilterName(), "Family");
    EXPECT_EQ(list.ActiveFilterOptions(), 0u);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(list.TypeAt(i)->Has(kTypeInFilter), i == 1 || i == 3) << i;

    EXPECT_FALSE(list.SelectFilter("nobody"));
    EXPECT_EQ(list.ActiveFilterName(), "");
    EXPECT_EQ(list.ActiveFilterOptions(), kFilterShowAccepted);
    for (int i = 0; i < 11; ++i)
        EXPECT_FALSE(list.TypeAt(i)->Has(kTypeInFilter)) << i;
}

TEST(TypeListTest, FilterMembershipFromTheTypeEditor) {
    TypeList list = Predefined();
    list.Filters() = {{0, "A", {"Call", "call"}}, {0, "B", {"Meeting"}}, {0, "C", {}}};
    list.SetFilterMembership("CALL", {false, true, true});
    EXPECT_EQ(list.Filters()[0].typeNames, (std::vector<std::string>{"call"})); // first one only
    EXPECT_EQ(list.Filters()[1].typeNames, (std::vector<std::string>{"Meeting", "CALL"}));
    EXPECT_EQ(list.Filters()[2].typeNames, (std::vector<std::string>{"CALL"}));
}

TEST(TypeListTest, IconsAreKeptAtTheirListSize) {
    TypeList list;
    list.AddType(Named("X"), PredefinedTypeIcon(0, 32), PredefinedTypeIcon(0, 16));
    EXPECT_EQ(list.SmallIcons()[0].width, 16);
    EXPECT_EQ(list.LargeIcons()[0].width, 32);
}

} // namespace
} // namespace zm

namespace zm {
namespace {

TEST(NameChecksTest, TypeNamesAreTrimmedAndUnique) {
    TypeList list;
    list.CreatePredefined();
    struct Case {
        int edited;
        const char* name;
        int message;
        const char* trimmed;
    } cases[] = {
        {-1, "  Gym  ", 0, "Gym"},
        {-1, " \t ", IDS_TYPE_NAME_EMPTY, ""},
        {-1, "birthday", IDS_TYPE_NAME_EXISTS, "birthday"},
        {3, " BIRTHDAY ", 0, "BIRTHDAY"}, // its own name, other case
        {4, "Birthday", IDS_TYPE_NAME_EXISTS, "Birthday"},
    };
    for (const Case& c : cases) {
        std::string trimmed;
        EXPECT_EQ(CheckTypeName(list, c.edited, c.name, trimmed), c.message) << c.name;
        EXPECT_EQ(trimmed, c.trimmed);
    }
    std::string trimmed;
    EXPECT_EQ(CheckQuickMenuName("  ", trimmed), IDS_QUICK_MENU_NAME_EMPTY);
    EXPECT_EQ(CheckQuickMenuName(" Tea ", trimmed), 0);
    EXPECT_EQ(trimmed, "Tea");
}

} // namespace
} // namespace zm
