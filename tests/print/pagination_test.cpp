// Pagination over the copied rows: it always ends, drops nothing and numbers what it prints.

#include "fake_measurer.h"
#include "print/pagination.h"
#include "print/print_rows.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

// A body of 300 with the rows starting at 60: five plain rows (40 + 8) fit on a page.
const PageAreas kAreas{{}, {}, {0, 0, 1000, 300}, 60};

std::vector<PrintRow> Rows(int count) {
    std::vector<PrintRow> rows(count);
    for (int i = 0; i < count; ++i)
        rows[i].cells[kColumnName] = "row " + std::to_string(i);
    return rows;
}

// For each page, the indexes of its rows.
std::vector<std::vector<std::size_t>> Layout(const std::vector<PrintPage>& pages) {
    std::vector<std::vector<std::size_t>> out;
    for (const PrintPage& p : pages) {
        out.emplace_back();
        for (const PlacedRow& r : p.rows)
            out.back().push_back(r.row);
    }
    return out;
}

TEST(Pagination, EveryRowLandsOnExactlyOnePage) {
    const FakeMeasurer m;
    std::vector<PrintRow> tall = Rows(3);
    for (int i = 0; i < 20; ++i) // twenty lines of notes: far taller than the body
        tall[1].notes += "x\n";
    std::vector<PrintRow> crossing = Rows(6);
    crossing[4].notes = "two lines of notes " + std::string(90, 'y'); // 40 + 80 + 8
    struct Case {
        const char* name;
        std::vector<PrintRow> rows;
        std::vector<std::vector<std::size_t>> pages;
    } const cases[] = {
        {"empty list: one page with the header", {}, {{}}},
        {"plain rows", Rows(12), {{0, 1, 2, 3, 4}, {5, 6, 7, 8, 9}, {10, 11}}},
        {"a row taller than the page", tall, {{0}, {1}, {2}}},
        {"notes that would cross the page end", crossing, {{0, 1, 2, 3}, {4, 5}}},
    };
    for (const Case& c : cases) {
        const auto pages = Paginate(c.rows, kAreas, PrintOptions{}, m);
        EXPECT_EQ(Layout(pages), c.pages) << c.name;
        for (std::size_t i = 0; i < pages.size(); ++i)
            EXPECT_EQ(pages[i].number, static_cast<int>(i) + 1) << c.name;
    }
}

TEST(Pagination, ColumnsAreMeasuredByTheirWidestTextAndTitle) {
    const FakeMeasurer m;
    std::vector<PrintRow> rows = Rows(3);
    rows[1].cells[kColumnTime] = "Mon 7 12 2026";
    rows[2].cells[kColumnDuration] = "30 minutes";
    rows[0].cells[kColumnType] = rows[1].cells[kColumnType] = "Payment";
    const std::array<std::string, kListColumnCount> titles{"Name", "Date", "Duration",
                                                           "Age",  "Type", "Recurrence"};
    EXPECT_EQ(WidestTexts(rows, titles, m),
              (std::array<int, kListColumnCount>{50, 130, 100, 30, 70, 100}));
}

TEST(Pagination, ANameWiderThanItsColumnWrapsAndTheRowGrows) {
    const FakeMeasurer m;
    std::vector<PrintRow> rows = Rows(2);
    rows[0].cells[kColumnName] = "aaaa bbbb cccc";
    rows[0].notes = "note";
    PrintColumn name;
    name.column = kColumnName;
    name.textLeft = 10;
    name.textRight = 90; // "aaaa bbbb" is 90 wide
    const auto pages = Paginate(rows, kAreas, PrintOptions{}, m, {name});
    ASSERT_EQ(pages.size(), 1u);
    const PlacedRow& first = pages[0].rows[0];
    EXPECT_EQ(first.nameLines, (std::vector<std::string>{"aaaa", "bbbb", "cccc"}));
    ASSERT_EQ(first.notes.size(), 1u);
    EXPECT_EQ(first.notes[0].top, 60 + 3 * 40); // under the name's lines
    EXPECT_EQ(pages[0].rows[1].top, 60 + 4 * 40 + 8);
    EXPECT_EQ(pages[0].rows[1].nameLines, (std::vector<std::string>{"row 1"}));
}

TEST(Pagination, RowsAndNoteLinesStackDownwardInsideTheBody) {
    const FakeMeasurer m;
    std::vector<PrintRow> rows = Rows(2);
    rows[0].notes = "first second";
    rows[1].notes = std::string(200, 'x');
    PageAreas narrow = kAreas;
    narrow.body.right = 100 + 70; // notes are 70 wide
    const auto pages = Paginate(rows, narrow, PrintOptions{}, m);
    ASSERT_EQ(pages.size(), 2u);
    const PlacedRow& first = pages[0].rows[0];
    EXPECT_EQ(first.top, 60);
    ASSERT_EQ(first.notes.size(), 2u);
    EXPECT_EQ(first.notes[0].text, "first");
    EXPECT_EQ(first.notes[0].top, 100);
    EXPECT_EQ(first.notes[1].top, 140);
    EXPECT_EQ(first.bottom, 188);

    const PlacedRow& clipped = pages[1].rows[0];
    EXPECT_TRUE(clipped.clipped);
    EXPECT_EQ(clipped.bottom, 300);
    EXPECT_EQ(clipped.notes.size(), 5u); // lines at 100 ... 260 end inside the body

    PrintOptions noNotes;
    noNotes.notes = false;
    const auto plain = Paginate(rows, narrow, noNotes, m);
    EXPECT_EQ(Layout(plain), (std::vector<std::vector<std::size_t>>{{0, 1}}));
    EXPECT_TRUE(plain[0].rows[1].notes.empty());
}

TEST(Pagination, TitlesTallerThanTheBodyStillGiveOneRowAPage) {
    const FakeMeasurer m;
    const PageAreas tiny{{}, {}, {0, 0, 1000, 30}, 56};
    EXPECT_EQ(Layout(Paginate(Rows(3), tiny, PrintOptions{}, m)),
              (std::vector<std::vector<std::size_t>>{{0}, {1}, {2}}));
}

TEST(Pagination, SelectionAndPageRangesGiveNoBlankPagesOrWrongNumbers) {
    const FakeMeasurer m;
    std::vector<PrintRow> rows = Rows(12);
    rows[3].selected = rows[10].selected = true;
    const auto chosen = ChosenRows(rows, true);
    ASSERT_EQ(chosen.size(), 2u);
    EXPECT_EQ(chosen[1].cells[kColumnName], "row 10");
    EXPECT_EQ(ChosenRows(rows, false).size(), 12u);
    EXPECT_EQ(Paginate(chosen, kAreas, PrintOptions{}, m).size(), 1u);

    const auto pages = Paginate(rows, kAreas, PrintOptions{}, m);
    struct Case {
        int first, last;
        std::vector<int> numbers;
    } const cases[] = {{2, 3, {2, 3}}, {0, 99, {1, 2, 3}}, {3, 3, {3}}, {4, 9, {}}, {3, 2, {}}};
    for (const Case& c : cases) {
        std::vector<int> numbers;
        for (const PrintPage& p : PagesInRange(pages, c.first, c.last))
            numbers.push_back(p.number);
        EXPECT_EQ(numbers, c.numbers) << c.first << "-" << c.last;
    }
}

TEST(Pagination, RowsAreCopiedFromTheEventsWithTheirSelection) {
    LocaleFormats formats;
    EnglishLocaleNames names;
    std::vector<EventRecord> events(3);
    events[0].name = "Dentist";
    events[0].notes = "Bring the card";
    events[1].typeIndex = 4;
    const bool selected[] = {false, true}; // the third event has no entry
    const auto rows = CopyPrintRows(events, selected, formats, names,
                                    [](int type) { return type == 4 ? 0xFF0000u : 0u; });
    events[0].name = "changed while printing";
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].cells[kColumnName], "Dentist");
    EXPECT_EQ(rows[0].notes, "Bring the card");
    EXPECT_EQ(rows[1].colour, 0xFF0000u);
    EXPECT_EQ(ChosenRows(rows, true).size(), 1u);
}

} // namespace
} // namespace zm
