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

TEST(PageLayout, ColumnsScaleFromTheScreenInDisplayOrder) {
    ColumnLayout screen;
    screen.widths = {200, 200, 200, 200, 100, 100};
    screen.order = {5, 0, 1, 2, 3, 4};
    const auto columns = LayOutColumns({100, 0, 1100, 500}, screen);
    ASSERT_EQ(columns.size(), 6u);
    EXPECT_EQ(columns[0].column, 5);
    EXPECT_EQ(columns[0].left, 100);
    EXPECT_EQ(columns[0].right, 200);
    EXPECT_EQ(columns[0].textLeft, 110);
    EXPECT_EQ(columns[0].textRight, 190);
    EXPECT_EQ(columns[1].left, 200);
    EXPECT_EQ(columns[5].right, 1098); // 0.2 mm inside the right edge

    screen.widths = {0, 0, 0, 0, 0, 0}; // nothing to scale: equal shares
    EXPECT_EQ(LayOutColumns({0, 0, 600, 500}, screen)[1].left, 100);
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
