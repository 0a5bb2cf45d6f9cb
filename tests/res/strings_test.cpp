#include "res/strings.h"

#include <gtest/gtest.h>

#include <string>

namespace zm {
namespace {

TEST(StringTable, FindsTextsByNumberAndIsEmptyForUnknownNumbers) {
    EXPECT_STREQ(LoadString(IDS_PATTERN_NOT_VALID), "The recurrence pattern is not valid.");
    EXPECT_STREQ(LoadString(59302), " [ %d day more ]");
    EXPECT_STREQ(LoadString(1), "");
}

TEST(StringTable, NamesAndTextsAreUnique) {
    auto all = AllStrings();
    for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j)
            EXPECT_STRNE(all[i].name, all[j].name) << all[i].id << " and " << all[j].id;
}

} // namespace
} // namespace zm
