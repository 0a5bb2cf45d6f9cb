#include "res/strings.h"
#include "store/types/type_editing.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TypeList Predefined() {
    TypeList list;
    list.CreatePredefined();
    return list;
}

TypeEntry Good(const std::string& name) {
    TypeEntry e;
    e.name = name;
    e.remindText = "5 minutes";
    e.durationText = "1 hour";
    return e;
}

// Each entry breaks the checks from one point on: the first failing check wins.
struct CheckCase {
    const char* what;
    TypeEntry entry;
    int message;
    TypeField focus;
};

TEST(TypeEntryChecks, RunInTheirOrderAndLeaveTheTypeAlone) {
    const TypeList list = Predefined();
    auto bad = [](TypeEntry e, std::string name, bool badTime, std::string remind,
                  std::string duration) {
        e.name = std::move(name);
        e.fixedStartTime = true;
        e.startTime = badTime ? std::nullopt : std::optional<uint32_t>(0x0009001E);
        e.remindText = std::move(remind);
        e.durationText = std::move(duration);
        return e;
    };
    const TypeEntry base = Good("x");
    const CheckCase cases[] = {
        {"empty name", bad(base, "  ", true, "x", "x"), IDS_TYPE_NAME_EMPTY, TypeField::Name},
        {"taken name", bad(base, " bIRTHDAY ", true, "x", "x"), IDS_TYPE_NAME_EXISTS,
         TypeField::Name},
        {"bad time", bad(base, "Gym", true, "x", "x"), IDS_TIME_NOT_VALID, TypeField::StartTime},
        {"bad remind", bad(base, "Gym", false, "soon", "x"), IDS_DURATION_NOT_VALID,
         TypeField::Remind},
        {"huge remind", bad(base, "Gym", false, "40000 minutes", "x"), IDS_DURATION_TOO_LARGE,
         TypeField::Remind},
        {"bad duration", bad(base, "Gym", false, "5", "0"), IDS_DURATION_NOT_VALID,
         TypeField::Duration},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.what);
        EventType type = *list.TypeAt(0);
        const EventType before = type;
        const TypeCheck check = CheckTypeEntry(list, 0, c.entry, type);
        EXPECT_EQ(check.message, c.message);
        EXPECT_EQ(check.focus, c.focus);
        EXPECT_EQ(type, before);
    }
}

TEST(TypeEntryChecks, ATakenEntryRebuildsTheTypesFields) {
    const TypeList list = Predefined();
    EventType type = *list.TypeAt(list.FindType("Birthday"));
    type.flags |= kTypeInFilter;
    TypeEntry e = Good("  birthday ");
    e.fixedStartTime = true;
    e.startTime = 0x00070000;
    e.remindText = "0";
    e.customFont = true;
    const int index = list.FindType("Birthday"); // its own name in another case is fine
    ASSERT_EQ(CheckTypeEntry(list, index, e, type).message, 0);
    EXPECT_EQ(type.name, "birthday");
    EXPECT_EQ(type.flags, kTypeFixedStartTime | kTypeCustomFont);
    EXPECT_EQ(type.startTime, 0x00070000u);
    EXPECT_EQ(type.advance, TimeAmount{0});
    EXPECT_EQ(type.duration, TimeAmount::Of(AmountUnit::Hour, 1));
}

TEST(TypeEdits, KeepTheFilterMembershipUnlessFiltersWereChosen) {
    TypeList list = Predefined();
    list.Filters() = {{0, "Work", {"CALL", "Meeting"}}, {0, "Home", {"Birthday"}}};
    TypeEdit rename;
    rename.type = *list.TypeAt(list.FindType("Call"));
    rename.type.name = "Phone";
    int index = CommitTypeEdit(list, list.FindType("Call"), rename, {}, {});
    EXPECT_EQ(index, list.FindType("Phone"));
    EXPECT_EQ(list.Filters()[0].typeNames, (std::vector<std::string>{"Phone", "Meeting"}));
    EXPECT_EQ(list.Filters()[1].typeNames, (std::vector<std::string>{"Birthday"}));

    TypeEdit chosen;
    chosen.type = *list.TypeAt(index);
    chosen.filters = std::vector<bool>{false, true};
    index = CommitTypeEdit(list, index, chosen, {}, {});
    EXPECT_EQ(list.Filters()[0].typeNames, (std::vector<std::string>{"Meeting"}));
    EXPECT_EQ(list.Filters()[1].typeNames, (std::vector<std::string>{"Birthday", "Phone"}));
}

TEST(TypeEdits, ANewTypeTakesItsPlaceByNameWithTheNewEntryIcon) {
    TypeList list = Predefined();
    IconImage small{16, 16, std::vector<uint32_t>(256, 0xFF123456)};
    IconImage large{32, 32, std::vector<uint32_t>(1024, 0xFF123456)};
    TypeEdit edit;
    edit.type = NewEventType(list.systemColours);
    edit.type.name = "Dentist";
    const int index = CommitTypeEdit(list, -1, edit, small, large);
    EXPECT_EQ(index, 5); // after "Call"
    EXPECT_EQ(list.SmallIcons()[5], small);
    EXPECT_EQ(list.LargeIcons()[5], large);
    EXPECT_EQ(list.TypeCount(), 12u);
}

} // namespace
} // namespace zm
