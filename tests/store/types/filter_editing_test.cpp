// The filter dialogs' rules without their windows: the edited filter's checks, the working list
// that follows the active filter, the menu entries and applying a filter.

#include "platform/memory_settings.h"
#include "platform/setting_table.h"
#include "res/strings.h"
#include "store/types/filter_editing.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TypeFilter Filter(std::string name, std::vector<std::string> types, uint32_t options = 0) {
    return {options, std::move(name), std::move(types)};
}

std::vector<EventType> Types(std::initializer_list<const char*> names) {
    std::vector<EventType> types;
    for (const char* name : names) {
        types.emplace_back();
        types.back().name = name;
    }
    return types;
}

TEST(FilterEditing, CheckRefusesInOrderAndBuildsTheFilter) {
    const std::vector<TypeFilter> saved = {Filter("Work", {"Call"}), Filter("Home", {"Call"})};
    const auto types = Types({"Birthday", "Call", "Meeting"});
    struct Case {
        const char* name;
        int edited;
        std::vector<bool> selected;
        int message;
        FilterField focus;
    } cases[] = {
        {"  ", -1, {true, false, false}, IDS_FILTER_NAME_EMPTY, FilterField::Name},
        {" work ", -1, {true, false, false}, IDS_FILTER_NAME_EXISTS, FilterField::Name},
        {"HOME", 0, {}, IDS_FILTER_NAME_EXISTS, FilterField::Name},
        {"Play", -1, {false, false, false}, IDS_FILTER_NO_TYPE, FilterField::Types},
        {" WORK ", 0, {false, true, true}, 0, FilterField::None}, // its own name, new case
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TypeFilter out = Filter("untouched", {});
        const FilterCheck check =
            CheckFilterEntry({c.name, c.selected, true}, saved, c.edited, types, out);
        EXPECT_EQ(check.message, c.message);
        EXPECT_EQ(check.focus, c.focus);
        if (c.message == 0)
            EXPECT_EQ(out, Filter("WORK", {"Call", "Meeting"}, kFilterShowAccepted));
        else
            EXPECT_EQ(out.name, "untouched");
    }
}

TEST(FilterEditing, EntryAndDescriptionFollowTheFilter) {
    const auto types = Types({"Birthday", "Call", "Meeting"});
    const FilterEntry entry = EntryOfFilter(Filter("F", {"meeting", "Gone"}, 1), types);
    EXPECT_EQ(entry.typeSelected, (std::vector<bool>{false, false, true}));
    EXPECT_TRUE(entry.showAccepted);

    EXPECT_EQ(DescribeFilter(Filter("F", {"A", "B"}, 1), "<x>"), "A; B; <x>");
    EXPECT_EQ(DescribeFilter(Filter("F", {}, 1), "<x>"), "<x>");
    EXPECT_EQ(DescribeFilter(Filter("F", {"A"}, 0), "<x>"), "A");
    EXPECT_EQ(FiltersListing({Filter("a", {"CALL"}), Filter("b", {"Meeting"})}, "call"),
              (std::vector<bool>{true, false}));
}

TEST(FilterWorkList, KeepsNameOrderAndFollowsTheActiveFilter) {
    FilterWorkList list({Filter("work", {"Call"}), Filter("Home", {"Call"})}, "WORK");
    ASSERT_EQ(list.Filters()[0].name, "Home");
    EXPECT_FALSE(list.Changed());
    EXPECT_EQ(list.NameToApply(FiltersEnding::Close, 0), std::nullopt);
    EXPECT_EQ(list.NameToApply(FiltersEnding::Apply, 0), "Home");
    EXPECT_EQ(list.NameToApply(FiltersEnding::RemoveFiltering, 0), "");

    EXPECT_EQ(list.Add(Filter("Alpha", {"Call"})), 0);
    EXPECT_EQ(list.Replace(2, Filter("Business", {"Call"})), 1); // the active one, renamed
    EXPECT_EQ(list.ActiveName(), "Business");
    EXPECT_EQ(list.NameToApply(FiltersEnding::Close, 0), "Business");

    EXPECT_EQ(list.Remove(2), 1); // the last row: the new last row is selected
    EXPECT_EQ(list.Remove(1), 0); // the active one
    EXPECT_EQ(list.ActiveName(), "");
    EXPECT_EQ(list.NameToApply(FiltersEnding::Close, 0), "");
    EXPECT_EQ(list.Remove(0), -1);
    EXPECT_EQ(list.Remove(0), -1);
}

TEST(FilterWorkList, StopsAtTheLimit) {
    FilterWorkList list({}, "");
    for (size_t i = 0; i < kMaxFilters; ++i) {
        EXPECT_TRUE(list.CanAdd());
        EXPECT_GE(list.Add(Filter("f" + std::to_string(100 + i), {"Call"})), 0);
    }
    EXPECT_FALSE(list.CanAdd());
    EXPECT_EQ(list.Add(Filter("one more", {"Call"})), -1);
    EXPECT_EQ(list.Count(), kMaxFilters);
}

TEST(FilterMenu, EntriesShowNamesAsTypedAndCheckTheActiveOne) {
    TypeList types;
    types.CreatePredefined();
    types.Filters() = {Filter("Tom & Jerry", {"Call"}), Filter("Work", {"Meeting"})};
    MemorySettings settings;

    EXPECT_TRUE(ApplyFilterName(types, settings, "work"));
    EXPECT_EQ(ReadText(settings, SettingId::ActiveFilter), "Work");
    const auto entries = FilterMenuEntries(types);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].label, "Tom && Jerry");
    EXPECT_FALSE(entries[0].checked);
    EXPECT_EQ(entries[1].index, 1);
    EXPECT_TRUE(entries[1].checked);

    // Selecting the active filter again by its own name (after the filters changed).
    EXPECT_TRUE(types.SelectFilter(types.ActiveFilterName()));
    EXPECT_EQ(types.ActiveFilterName(), "Work");
    EXPECT_TRUE(types.TypeAt(types.FindType("Meeting"))->Has(kTypeInFilter));

    // The types replaced as a whole leave no filter active until the stored one is applied.
    types.Assign({}, {}, {}, types.Filters());
    EXPECT_EQ(types.ActiveFilterName(), "");
    EXPECT_TRUE(ApplyStoredFilter(types, settings));
    EXPECT_EQ(types.ActiveFilterName(), "Work");

    EXPECT_FALSE(ApplyFilterName(types, settings, "Gone"));
    EXPECT_EQ(ReadText(settings, SettingId::ActiveFilter), "");
    EXPECT_EQ(types.ActiveFilterName(), "");
}

} // namespace
} // namespace zm
