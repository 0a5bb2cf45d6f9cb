// Page geometry: the printable rectangle, the areas, the scaled columns and wrapped notes.

#include "fake_measurer.h"
#include "print/page_layout.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(PageLayout, PrintableRectKeepsInsideTheDeviceAreaAndNeverTurnsEmpty) {
    const PageRect paper{0, 0, 2100, 2970};
    const PageRect area{50, 60, 2050, 2920};
    struct Case {
        Edges margins;
        PageRect expected;
    } const cases[] = {
        {{250, 250, 250, 250}, {250, 250, 1850, 2720}},
        {{0, 10, 20, 30}, {50, 60, 2050, 2920}}, // within the unprintable edges
        {{1200, 250, 1200, 250}, area},          // margins that leave nothing
    };
    for (const Case& c : cases)
        EXPECT_EQ(PrintableRect(paper, area, c.margins), c.expected);
}

TEST(PageLayout, HeaderAndFooterTakeALineAndAMillimetreOnlyWhenShown) {
    const FakeMeasurer m;
    const PageRect printable{250, 250, 1850, 2720};
    const PageAreas on = LayOutAreas(printable, PrintOptions{}, m);
    EXPECT_EQ(on.body, (PageRect{250, 310, 1850, 2680}));
    EXPECT_EQ(on.rowsTop, 310 + 56);

    PrintOptions off;
    off.title = off.timeSpan = off.dateTime = off.pageNumber = false;
    off.timeSpan = true; // a header with the time span alone
    const PageAreas header = LayOutAreas(printable, off, m);
    EXPECT_EQ(header.body, (PageRect{250, 310, 1850, 2720}));
    off.timeSpan = false;
    EXPECT_EQ(LayOutAreas(printable, off, m).body, printable);
}

TEST(PageLayout, ColumnsTakeTheirWidestTextInDisplayOrderAndTheNameTheRest) {
    ColumnLayout screen;
    screen.widths = {200, 200, 200, 200, 100, 100};
    screen.order = {5, 0, 1, 2, 3, 4};
    // Name, Date, Duration, Age, Type, Recurrence; each column adds 1 mm either side.
    const std::array<int, kListColumnCount> widest{300, 130, 60, 20, 70, 90};
    const auto columns = LayOutColumns({100, 0, 1100, 500}, screen, widest);
    ASSERT_EQ(columns.size(), 6u);
    struct Expected {
        int column, left, right;
    } const expected[] = {{5, 100, 210}, {0, 210, 738},  {1, 738, 888},
                          {2, 888, 968}, {3, 968, 1008}, {4, 1008, 1098}};
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(columns[i].column, expected[i].column) << i;
        EXPECT_EQ(columns[i].left, expected[i].left) << i;
        EXPECT_EQ(columns[i].right, expected[i].right) << i; // the last 0.2 mm inside the edge
        EXPECT_EQ(columns[i].textLeft, expected[i].left + 10) << i;
        EXPECT_EQ(columns[i].textRight, expected[i].right - 10) << i;
        if (columns[i].column != kColumnName) {
            EXPECT_EQ(columns[i].textRight - columns[i].textLeft, widest[columns[i].column]);
        }
    }

    // Too narrow for all: the name keeps a tenth; of the 360 left the Age (40) and Duration
    // (80) columns stay whole, the three wider ones get 80 each.
    const auto narrow = LayOutColumns({0, 0, 402, 500}, screen, widest);
    const int narrowWidths[] = {80, 40, 80, 80, 40, 80}; // in display order
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(narrow[i].right - narrow[i].left, narrowWidths[i]) << i;
    EXPECT_EQ(narrow[5].right, 400);

    // A column the screen shows with no width stays without one; all shut shows all.
    screen.widths = {200, 200, 200, 0, 100, 100};
    const auto shut = LayOutColumns({100, 0, 1100, 500}, screen, widest);
    EXPECT_EQ(shut[4].left, shut[4].right);
    EXPECT_EQ(shut[5].right, 1098);
    screen.widths = {0, 0, 0, 0, 0, 0};
    const auto all = LayOutColumns({100, 0, 1100, 500}, screen, widest);
    EXPECT_EQ(all[2].right - all[2].left, 150);
}

TEST(PageLayout, NotesWrapAtSpacesBreakLongWordsAndKeepLineBreaks) {
    const FakeMeasurer m;
    struct Case {
        const char* text;
        int width;
        std::vector<std::string> lines;
    } const cases[] = {
        {"aaa bbb ccc", 70, {"aaa bbb", "ccc"}},
        {"abcdefghij", 40, {"abcd", "efgh", "ij"}},
        {"a\r\n\nb", 100, {"a", "", "b"}},
        {"wide", 1, {"w", "i", "d", "e"}}, // narrower than a character: still ends
        {"", 100, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WrapText(c.text, c.width, FontRole::Text, m), c.lines) << c.text;
}

TEST(PageLayout, ATextThatDoesNotFitEndsInAnEllipsis) {
    const FakeMeasurer m; // 10 a byte: the ellipsis is 30 wide
    struct Case {
        const char* text;
        int width;
        const char* shown;
    } const cases[] = {
        {"Payment", 70, "Payment"},
        {"Payment", 69, "Pay\xE2\x80\xA6"},
        {"Mon 7 12 2026", 90, "Mon 7\xE2\x80\xA6"}, // no space before the ellipsis
        {"30 minutes", 30, "\xE2\x80\xA6"},
        {"30 minutes", 29, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ElideText(c.text, c.width, FontRole::Text, m), c.shown) << c.width;
}

TEST(PageLayout, CellTextsAreCutToTheirColumnBetweenCharacters) {
    const FakeMeasurer m;
    EXPECT_EQ(FitText("Dentist", 40, FontRole::Text, m), "Dent");
    EXPECT_EQ(FitText("Dentist", 70, FontRole::Text, m), "Dentist");
    EXPECT_EQ(FitText("Dentist", 5, FontRole::Text, m), "");
    EXPECT_EQ(FitText("\xC3\xA9t\xC3\xA9", 30, FontRole::Text, m),
              "\xC3\xA9t"); // not mid-character
}

} // namespace
} // namespace zm
