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
    t.Name = name;
    return t;
}

TypeList Predefined() {
    TypeList list;
    list.createPredefined();
    return list;
}

TEST(TypeListTest, PredefinedTypesFollowTheTable) {
    TypeList list;
    list.systemColours = {0x111111, 0x222222};
    list.createPredefined();
    ASSERT_EQ(list.typeCount(), 11u);
    const char* names[] = {"Alarm",   "Anniversary", "Appointment", "Birthday",
                           "Call",    "Holiday",     "Internet",    "Meeting",
                           "Payment", "Travel",      "TV program"};
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE(names[i]);
        const EventType& t = *list.typeAt(i);
        EXPECT_EQ(t.Name, names[i]);
        EXPECT_EQ(t.Sound, 0x00010001u);
        EXPECT_EQ(t.SoundPause, 30u);
        EXPECT_EQ(t.StartTime, 0u);
        EXPECT_EQ(t.Font, LogFontBytes{});
        EXPECT_EQ(list.smallIcons()[i], PredefinedTypeIcon(i, 16));
        EXPECT_EQ(list.largeIcons()[i], PredefinedTypeIcon(i, 32));
    }
    const EventType& birthday = *list.typeAt(3);
    EXPECT_EQ(birthday.Flags, 0x1Au);
    EXPECT_EQ(birthday.Colour, 0xFF00FFu);
    EXPECT_EQ(birthday.Duration.word, 0x20001u);
    EXPECT_EQ(birthday.Advance.word, 0x20001u);
    EXPECT_EQ(birthday.TextColour, 0xFFFFFFu);
    EXPECT_EQ(birthday.BackColour, 0xFF80FFu);
    EXPECT_EQ(list.typeAt(10)->Duration.word, 0x10001u);
}

TEST(TypeListTest, FindTypeIgnoresLetterCase) {
    const TypeList list = Predefined();
    EXPECT_EQ(list.findType("birthday"), 3);
    EXPECT_EQ(list.findType("BIRTHDAY"), 3);
    EXPECT_EQ(list.findType("tv PROGRAM"), 10);
    EXPECT_EQ(list.findType("Birthdays"), -1);
    EXPECT_EQ(list.findType(""), -1);
}

TEST(TypeListTest, IndexMinusOneAndBeyondGiveTheUndefinedType) {
    TypeList list = Predefined();
    list.undefinedType().Colour = 0x123456;
    list.undefinedType().SoundFile = "ding.wav";
    for (int index : {-1, 11, 1000}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(list.typeAt(index), nullptr);
        EXPECT_EQ(list.typeColour(index), 0x123456u);
        EXPECT_EQ(list.typeSound(index), 0x00010001u);
        EXPECT_EQ(list.typeSoundPause(index), 0x00010000u);
        EXPECT_EQ(list.typeSoundFile(index), "ding.wav");
        EXPECT_EQ(list.typeSmallIcon(index), ProgramIcon(kIconUndefinedType, 16));
        EXPECT_EQ(list.typeLargeIcon(index), ProgramIcon(kIconUndefinedType, 32));
    }
    EXPECT_EQ(list.typeColour(0), 0x6F6FE0u);
}

TEST(TypeListTest, RenamingATypeRenamesItInTheFilters) {
    TypeList list = Predefined();
    list.filters() = {{0, "Work", {"CALL", "Meeting"}}, {1, "Home", {"Birthday"}}};
    list.renameType(list.findType("Call"), "Phone call");
    EXPECT_EQ(list.findType("Call"), -1); // events named "Call" now show as undefined
    EXPECT_EQ(list.filters()[0].TypeNames, (std::vector<std::string>{"Phone call", "Meeting"}));
    EXPECT_EQ(list.filters()[1].TypeNames, (std::vector<std::string>{"Birthday"}));
}

TEST(TypeListTest, DeletingATypeRemovesItFromEveryFilter) {
    TypeList list = Predefined();
    list.filters() = {{0, "Work", {"call", "Meeting", "CALL"}}};
    list.removeType(list.findType("Call"));
    EXPECT_EQ(list.typeCount(), 10u);
    EXPECT_EQ(list.smallIcons().size(), 10u);
    EXPECT_EQ(list.largeIcons().size(), 10u);
    EXPECT_EQ(list.filters()[0].TypeNames, (std::vector<std::string>{"Meeting"}));
    EXPECT_EQ(list.largeIcons()[4], PredefinedTypeIcon(5, 32)); // Holiday moved up
}

TEST(TypeListTest, TheLastTypeCanBeDeleted) {
    TypeList list;
    list.addType(Named("Only"), {}, {});
    list.removeType(0);
    EXPECT_EQ(list.typeCount(), 0u);
}

TEST(TypeListTest, AtMostFiftyTypes) {
    TypeList list;
    for (int i = 0; i < 50; ++i)
        ASSERT_TRUE(list.addType(Named("T" + std::to_string(i)), {}, {}));
    EXPECT_FALSE(list.addType(Named("one too many"), {}, {}));
    EXPECT_EQ(list.typeCount(), 50u);
}

TEST(TypeListTest, RestoreAddsMissingPredefinedTypesUpToFifty) {
    TypeList list;
    list.systemColours = {0x010101, 0x020202};
    for (int i = 0; i < 45; ++i)
        list.addType(Named("Custom " + std::to_string(i)), {}, {});
    EXPECT_EQ(list.restorePredefined(), 5u);
    EXPECT_EQ(list.typeCount(), 50u);
    for (const char* name : {"Alarm", "Anniversary", "Appointment", "Birthday", "Call"})
        EXPECT_GE(list.findType(name), 0) << name;
    EXPECT_EQ(list.findType("Holiday"), -1);
    // Sorted by name afterwards, icons along.
    EXPECT_EQ(list.typeAt(0)->Name, "Alarm");
    EXPECT_EQ(list.smallIcons()[0], PredefinedTypeIcon(0, 16));
    // Restored types take the new-type colours for the reminder window.
    const EventType& alarm = *list.typeAt(list.findType("Alarm"));
    EXPECT_EQ(alarm.Flags, 0x02u);
    EXPECT_EQ(alarm.TextColour, 0x010101u);
    EXPECT_EQ(alarm.BackColour, 0x020202u);
}

TEST(TypeListTest, RestoreKeepsCustomAndModifiedTypes) {
    TypeList list = Predefined();
    list.typeAt(list.findType("Meeting"))->Colour = 0xABCDEF;
    list.removeType(list.findType("Travel"));
    list.removeType(list.findType("Alarm"));
    list.addType(Named("aardvark"), {}, {});
    EXPECT_EQ(list.restorePredefined(), 2u);
    EXPECT_EQ(list.typeCount(), 12u);
    EXPECT_EQ(list.typeAt(list.findType("Meeting"))->Colour, 0xABCDEFu);
    EXPECT_EQ(list.typeAt(0)->Name, "aardvark");
    EXPECT_EQ(list.typeAt(1)->Name, "Alarm");
}

TEST(TypeListTest, SelectFilterMarksTheListedTypes) {
    TypeList list = Predefined();
    list.filters() = {{0, "Family", {"birthday", "Anniversary", "gone"}}};
    EXPECT_TRUE(list.selectFilter("FAMILY"));
    EXPECT_EQ(list.activeFilterName(), "Family");
    EXPECT_EQ(list.activeFilterOptions(), 0u);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(list.typeAt(i)->Has(kTypeInFilter), i == 1 || i == 3) << i;

    EXPECT_FALSE(list.selectFilter("nobody"));
    EXPECT_EQ(list.activeFilterName(), "");
    EXPECT_EQ(list.activeFilterOptions(), kFilterShowAccepted);
    for (int i = 0; i < 11; ++i)
        EXPECT_FALSE(list.typeAt(i)->Has(kTypeInFilter)) << i;
}

TEST(TypeListTest, FilterMembershipFromTheTypeEditor) {
    TypeList list = Predefined();
    list.filters() = {{0, "A", {"Call", "call"}}, {0, "B", {"Meeting"}}, {0, "C", {}}};
    list.setFilterMembership("CALL", {false, true, true});
    EXPECT_EQ(list.filters()[0].TypeNames, (std::vector<std::string>{"call"})); // first one only
    EXPECT_EQ(list.filters()[1].TypeNames, (std::vector<std::string>{"Meeting", "CALL"}));
    EXPECT_EQ(list.filters()[2].TypeNames, (std::vector<std::string>{"CALL"}));
}

TEST(TypeListTest, IconsAreKeptAtTheirListSize) {
    TypeList list;
    list.addType(Named("X"), PredefinedTypeIcon(0, 32), PredefinedTypeIcon(0, 16));
    EXPECT_EQ(list.smallIcons()[0].width, 16);
    EXPECT_EQ(list.largeIcons()[0].width, 32);
}

} // namespace
} // namespace zm

namespace zm {
namespace {

TEST(NameChecksTest, TypeNamesAreTrimmedAndUnique) {
    TypeList list;
    list.createPredefined();
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
