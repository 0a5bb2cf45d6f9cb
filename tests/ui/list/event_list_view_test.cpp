// The event list over a store in memory: it follows the store's notices row by row, sorts by
// header clicks keeping the focus, and restores its columns.

#include "format/colour_contrast.h"
#include "list/row_order.h"
#include "support/event_builders.h"
#include "support/gui/palettes.h"
#include "support/window_fixture.h"
#include "ui/list/event_list_model.h"
#include "ui/list/event_list_view.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

namespace zm {
namespace {

using testing::At;

EventRecord Named(const char* name, DateTime start) {
    EventRecord e = testing::OneTime(start);
    e.name = name;
    e.typeName = "Meeting";
    return e;
}

class EventListViewTest : public ::testing::Test {
protected:
    // Today is 7 December 2026, 09:30.
    testing::WindowFixture fx_;
    EventListView view_{fx_.Context(), fx_.boxes_};

    void SetUp() override {
        view_.resize(800, 300);
        view_.show();
    }
    // Stores the event; it carries its key and Id afterwards.
    void Put(EventRecord& event) { ASSERT_EQ(fx_.store_.StoreNew(event), LibraryResult::Ok); }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int row = 0; row < view_.RowCount(); ++row)
            names.push_back(view_.Model().RowAt(row).event.name);
        return names;
    }
    std::string FocusedName() const {
        return view_.Model().RowAt(view_.currentIndex().row()).event.name;
    }
};

TEST_F(EventListViewTest, NoticesAddReplaceAndRemoveSingleRows) {
    view_.Refresh(At(2026, 12, 8), ViewMode::Day);
    QSignalSpy counts(&view_, &EventListView::rowCountChanged);
    EventRecord lunch = Named("Lunch", At(2026, 12, 8, 12, 0));
    Put(lunch);
    fx_.Put(Named("Elsewhere", At(2026, 12, 20, 12, 0)));
    EventRecord early = Named("Early", At(2026, 12, 8, 7, 0));
    Put(early);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Early", "Lunch"}));
    EXPECT_EQ(counts.size(), 2);
    EXPECT_EQ(counts.back().front().toInt(), 2);

    // Moved later in the day: the row follows its new key to its sorted place.
    early.start = At(2026, 12, 8, 18, 0);
    ASSERT_EQ(fx_.store_.StoreChanged(early), LibraryResult::Ok);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Lunch", "Early"}));
    EXPECT_EQ(view_.Model().RowOfKey(early.key), 1);

    // Changed out of the period: the row goes.
    lunch.start = At(2026, 12, 9, 12, 0);
    ASSERT_EQ(fx_.store_.StoreChanged(lunch), LibraryResult::Ok);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Early"}));

    // Changed into the period, though it was not listed: the row comes.
    lunch.start = At(2026, 12, 8, 8, 0);
    ASSERT_EQ(fx_.store_.StoreChanged(lunch), LibraryResult::Ok);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Lunch", "Early"}));
}

// Qt's own checks of a model, over every change the list goes through: a fault ends the test.
TEST_F(EventListViewTest, TheModelKeepsQtsRulesThroughRefreshesNoticesAndSorting) {
    QAbstractItemModelTester tester(view_.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    view_.Refresh(At(2026, 12, 8), ViewMode::Day);
    EventRecord lunch = Named("Lunch", At(2026, 12, 8, 12, 0));
    Put(lunch);
    EventRecord early = Named("Early", At(2026, 12, 8, 7, 0));
    Put(early);
    early.start = At(2026, 12, 8, 18, 0);
    ASSERT_EQ(fx_.store_.StoreChanged(early), LibraryResult::Ok);
    for (int column = 0; column < view_.model()->columnCount(); ++column)
        view_.SortByHeader(column);
    ASSERT_EQ(fx_.store_.DeleteStored(lunch.key, lunch.id), LibraryResult::Ok);
    view_.Refresh(std::nullopt, ViewMode::All);
    fx_.Put(Named("Later", At(2026, 12, 20, 12, 0)));
    EXPECT_EQ(view_.RowCount(), 2);
}

TEST_F(EventListViewTest, DeletingARowFocusesTheRowAtItsIndexOrThePreviousOne) {
    std::vector<EventRecord> events;
    for (int h = 10; h < 14; ++h) {
        events.push_back(Named(("At " + std::to_string(h)).c_str(), At(2026, 12, 8, h, 0)));
        Put(events.back());
    }
    view_.Refresh(At(2026, 12, 8), ViewMode::Day);
    ASSERT_EQ(view_.RowCount(), 4);
    view_.setCurrentIndex(view_.model()->index(1, 0));
    ASSERT_EQ(fx_.store_.DeleteStored(events[1].key, events[1].id), LibraryResult::Ok);
    EXPECT_EQ(FocusedName(), "At 12");
    view_.setCurrentIndex(view_.model()->index(2, 0));
    ASSERT_EQ(fx_.store_.RemoveEvent(events[3].key, events[3].id), LibraryResult::Ok);
    EXPECT_EQ(FocusedName(), "At 12");
    EXPECT_EQ(view_.RowCount(), 2);
}

TEST_F(EventListViewTest, HeaderClicksSortAndKeepTheFocusedRow) {
    EventRecord b = Named("beta", At(2026, 12, 8, 9, 0));
    EventRecord a = Named("Alpha", At(2026, 12, 8, 11, 0));
    b.typeName = "Anniversary";
    Put(b);
    Put(a);
    fx_.Put(Named("alpha", At(2026, 12, 8, 10, 0)));
    view_.Refresh(At(2026, 12, 8), ViewMode::Week);
    EXPECT_EQ(Names(), (std::vector<std::string>{"beta", "alpha", "Alpha"}));
    view_.setCurrentIndex(view_.model()->index(0, 0)); // beta

    QHeaderView* header = view_.horizontalHeader();
    auto click = [&](int column) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 10, 5));
    };
    click(kColumnName);
    EXPECT_EQ(Names()[2], "beta");
    EXPECT_EQ(FocusedName(), "beta");
    EXPECT_EQ(header->sortIndicatorSection(), kColumnName);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    click(kColumnName);
    EXPECT_EQ(Names()[0], "beta");
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    click(kColumnType);
    EXPECT_EQ(Names()[0], "beta");
    EXPECT_EQ(view_.View().sortColumn, kColumnType);
    EXPECT_FALSE(view_.View().sortDescending);
    EXPECT_EQ(FocusedName(), "beta");
    EXPECT_TRUE(view_.selectionModel()->isRowSelected(view_.currentIndex().row(), {}));
}

TEST_F(EventListViewTest, DoubleClicksOpenTheRowOrANewEventAndFitAColumn) {
    EventRecord event = Named("A rather long name for an event", At(2026, 12, 7, 12, 0));
    Put(event);
    view_.Refresh(At(2026, 12, 7), ViewMode::Day);
    QSignalSpy opened(&view_, &EventListView::openRequested);
    const QRect row = view_.visualRect(view_.model()->index(0, kColumnTime));
    QTest::mouseDClick(view_.viewport(), Qt::LeftButton, {}, row.center());
    view_.clearSelection();
    QTest::mouseDClick(view_.viewport(), Qt::LeftButton, {}, QPoint(10, 250));
    ASSERT_EQ(opened.size(), 2);
    EXPECT_TRUE(opened[0].front().toBool());
    EXPECT_FALSE(opened[1].front().toBool());

    emit view_.horizontalHeader()->sectionHandleDoubleClicked(kColumnName);
    const int cell = view_.fontMetrics().horizontalAdvance(view_.Model().CellText(0, kColumnName));
    EXPECT_EQ(view_.columnWidth(kColumnName), cell + 8 + 48);
}

TEST_F(EventListViewTest, ColumnsFitTheirTextsAsTheFontAndTheWidthChangeButKeepTheUsersWidths) {
    // With no rows the titles fit, with room for the sort mark.
    view_.Refresh(At(2026, 12, 7), ViewMode::Day);
    const QHeaderView* header = view_.horizontalHeader();
    const int mark = header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header);
    for (int c = 0; c < kListColumnCount; ++c)
        EXPECT_GE(view_.columnWidth(c),
                  header->fontMetrics().horizontalAdvance(
                      view_.model()->headerData(c, Qt::Horizontal).toString()) +
                      mark + 8)
            << "column " << c;
    EventRecord event = Named("Dentist", At(2026, 12, 7, 12, 0));
    event.SetPattern(testing::kYearlyDate, 1);
    Put(event);
    view_.Refresh(At(2026, 12, 7), ViewMode::Day);
    const auto fits = [&](int column) {
        const int text = view_.fontMetrics().horizontalAdvance(view_.Model().CellText(0, column));
        return view_.columnWidth(column) >= text + 8;
    };
    const auto total = [&] {
        int sum = 0;
        for (int c = 0; c < kListColumnCount; ++c)
            sum += view_.columnWidth(c);
        return sum;
    };
    for (const int points : {9, 12, 16}) {
        QFont font = view_.font();
        font.setPointSize(points);
        view_.setFont(font);
        for (const int width : {560, 1400}) {
            view_.resize(width, 300);
            for (int c = 0; c < kListColumnCount; ++c)
                EXPECT_TRUE(fits(c)) << points << " pt, " << width << " wide, column " << c;
            // No width stays empty while it could go to a column.
            EXPECT_GE(total(), view_.viewport()->width()) << points << " pt, " << width;
        }
    }
    // A dragged divider is the user's: that width stays through a new font and width, and is
    // kept with the columns.
    view_.horizontalHeader()->resizeSection(kColumnRecurrence, 300);
    view_.resize(900, 300);
    QFont font = view_.font();
    font.setPointSize(10);
    view_.setFont(font);
    EXPECT_EQ(view_.columnWidth(kColumnRecurrence), 300);
    EXPECT_TRUE(fits(kColumnTime));
    view_.SaveColumns();
    EventListView again(fx_.Context());
    again.RestoreColumns();
    EXPECT_TRUE(again.Fitter().IsUsers(kColumnRecurrence));
    EXPECT_FALSE(again.Fitter().IsUsers(kColumnTime));
}

TEST_F(EventListViewTest, ColumnsComeBackAsSavedAndABadOrderAsTheDefault) {
    QHeaderView* header = view_.horizontalHeader();
    header->moveSection(header->visualIndex(kColumnType), 0);
    view_.setColumnWidth(kColumnAge, 71);
    view_.SortByHeader(kColumnAge);
    view_.SaveColumns();

    EventListView again(fx_.Context());
    again.RestoreColumns();
    EXPECT_EQ(again.horizontalHeader()->logicalIndex(0), kColumnType);
    EXPECT_EQ(again.columnWidth(kColumnAge), 71);
    EXPECT_EQ(again.View().sortColumn, kColumnAge);

    fx_.settings_.Write("MainWindow/ColumnOrder",
                        "040000000400000001000000020000000300000005000000");
    EventListView bad(fx_.Context());
    bad.horizontalHeader()->moveSection(3, 0);
    bad.RestoreColumns();
    for (int c = 0; c < kListColumnCount; ++c)
        EXPECT_EQ(bad.horizontalHeader()->logicalIndex(c), c);
}

TEST_F(EventListViewTest, AnAcceptedEventLeavesTheFilteredListAndCellsCarryAccessibleText) {
    fx_.types_.Filters().push_back(TypeFilter{0, "Meetings", {"Meeting"}});
    ASSERT_TRUE(fx_.types_.SelectFilter("Meetings"));
    EventRecord event = Named("Review", At(2026, 12, 7, 8, 0));
    event.SetFlag(kSnoozed, false);
    Put(event);
    view_.FilterChanged();
    view_.Refresh(At(2026, 12, 7), ViewMode::Day);
    ASSERT_EQ(view_.RowCount(), 1);
    const QModelIndex name = view_.model()->index(0, kColumnName);
    EXPECT_EQ(name.data(Qt::AccessibleTextRole).toString(), "Review");
    ASSERT_EQ(fx_.store_.AcceptListed(event.key, event.id), LibraryResult::Ok);
    EXPECT_EQ(view_.RowCount(), 0);
    fx_.types_.SelectFilter("");
    view_.FilterChanged();
    ASSERT_EQ(view_.RowCount(), 1);
    EXPECT_EQ(view_.model()->index(0, kColumnName).data(Qt::AccessibleTextRole).toString(),
              "Review, accepted");
    EXPECT_FALSE(view_.accessibleName().isEmpty());
}

TEST_F(EventListViewTest, TheRowsColourReadsOnTheListInALightAndADarkPalette) {
    for (int type = 0; type < static_cast<int>(fx_.types_.TypeCount()); ++type) {
        EventRecord event = Named(fx_.types_.TypeAt(type)->name.c_str(), At(2026, 12, 7, 10, 0));
        event.SetTypeIndex(type);
        Put(event);
    }
    view_.Refresh(At(2026, 12, 7), ViewMode::Day);
    ASSERT_EQ(view_.RowCount(), static_cast<int>(fx_.types_.TypeCount()));
    testing::InEachPalette([&](const testing::NamedPalette& palette) {
        const uint32_t base = QApplication::palette().color(QPalette::Base).rgb() & 0xFFFFFF;
        for (int row = 0; row < view_.RowCount(); ++row) {
            const QColor text =
                view_.model()->index(row, kColumnName).data(Qt::ForegroundRole).value<QColor>();
            EXPECT_GE(ContrastRatio(text.rgb() & 0xFFFFFF, base), 4.5)
                << palette.name << " " << view_.Model().RowAt(row).event.name;
        }
    });
}

} // namespace
} // namespace zm
