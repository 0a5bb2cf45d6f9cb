#include "support/window_fixture.h"
#include "ui/calendar/date_field.h"
#include "ui/calendar/popup_calendar.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QMenu>
#include <QSignalSpy>
#include <QStyleOptionComboBox>
#include <QTest>

// Qt hands accessibility events to an update handler only while its platform accessibility is
// active, which only a screen reader's bridge turns on; under the offscreen platform the tests
// turn it on themselves through the two functions of Qt's platform layer that do it.
class QPlatformAccessibility {
public:
    void setActive(bool active);
};
class QPlatformIntegration {
public:
    QPlatformAccessibility* accessibility() const;
};
class QGuiApplicationPrivate {
public:
    static QPlatformIntegration* platform_integration;
};

namespace zm {
namespace {

constexpr int kMonday = 0;
constexpr int kSunday = 6;

class CalendarTest : public ::testing::Test {
protected:
    CalendarTest() {
        fixture_.options_.firstDayOfWeek = kSunday;
        fixture_.options_.showWeekNumbers = false;
    }

    // The frame's calendar, today 7 December 2026 (a Monday).
    PopupCalendar& Popup() {
        if (!popup_) {
            popup_ = std::make_unique<PopupCalendar>(fixture_.Context());
            popup_->Calendar().SetTodaySource([this] { return fixture_.now_; });
        }
        return *popup_;
    }
    FlatCalendar& Flat() { return Popup().Calendar(); }

    static void Send(QWidget* to, QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
                     QPoint global = {}) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, global.isNull() ? to->mapToGlobal(at) : global, button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(to, &event);
    }
    void Press(QPoint at) { Send(&Flat(), QEvent::MouseButtonPress, at, Qt::LeftButton); }
    void MoveTo(QPoint at) { Send(&Flat(), QEvent::MouseMove, at, Qt::LeftButton); }
    void Release(QPoint at) { Send(&Flat(), QEvent::MouseButtonRelease, at, Qt::NoButton); }
    QPoint CellCentre(int cell) { return Flat().CellRect(cell).center(); }
    void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, mods);
        QApplication::sendEvent(&Flat(), &event);
    }

    testing::WindowFixture fixture_;
    std::unique_ptr<PopupCalendar> popup_;
};

TEST_F(CalendarTest, ReleaseOnThePressedDayChoosesItAndHides) {
    Popup().ShowAt({100, 100}, QDate(2026, 12, 7));
    QSignalSpy chosen(&Popup(), &PopupCalendar::dateChosen);
    // Sunday first: 29 November 2026 is the first cell, 7 December the ninth.
    ASSERT_EQ(Flat().Grid().selected, 8);

    Press(CellCentre(10));
    MoveTo(CellCentre(11));
    Release(CellCentre(11));
    EXPECT_EQ(chosen.count(), 0);
    EXPECT_TRUE(Popup().isVisible());

    Press(CellCentre(11));
    MoveTo(Flat().rect().topLeft());
    MoveTo(CellCentre(11));
    Release(CellCentre(11));
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].toDate(), QDate(2026, 12, 10));
    EXPECT_FALSE(Popup().isVisible());

    // A grey day of the next month; the calendar was only hidden and shows again.
    Popup().ShowAt({100, 100}, QDate(2026, 12, 7));
    Press(CellCentre(40));
    Release(CellCentre(40));
    ASSERT_EQ(chosen.count(), 2);
    EXPECT_EQ(chosen[1][0].toDate(), QDate(2027, 1, 8));
    EXPECT_EQ(Flat().Grid().cells[0].day, 27); // 27 December 2026 starts January's grid

    // The today line.
    Popup().ShowAt({100, 100}, QDate(2030, 5, 5));
    Press(Flat().TodayLineRect().center());
    Release(Flat().TodayLineRect().center());
    ASSERT_EQ(chosen.count(), 3);
    EXPECT_EQ(chosen[2][0].toDate(), QDate(2026, 12, 7));
}

// Waits until the calendar shows `date`; the time waited, or -1 after five seconds.
qint64 WaitFor(const FlatCalendar& calendar, QDate date) {
    QElapsedTimer clock;
    clock.start();
    while (calendar.CurrentDate() != date) {
        if (clock.elapsed() > 5000) return -1;
        QTest::qWait(10);
    }
    return clock.elapsed();
}

TEST_F(CalendarTest, HeldMonthButtonRepeatsEvery200Milliseconds) {
    Popup().ShowAt({100, 100}, QDate(2026, 1, 31));
    const QPoint next = Flat().ButtonRect(CalendarHit::NextMonth).center();
    Press(next);
    EXPECT_EQ(Flat().CurrentDate(), QDate(2026, 2, 28));
    EXPECT_GE(WaitFor(Flat(), QDate(2026, 3, 28)), 180);
    EXPECT_GE(WaitFor(Flat(), QDate(2026, 5, 28)), 350);
    // Outside the button the timer ticks without moving.
    MoveTo(CellCentre(0));
    QTest::qWait(450);
    EXPECT_EQ(Flat().CurrentDate(), QDate(2026, 5, 28));
    MoveTo(next);
    EXPECT_GE(WaitFor(Flat(), QDate(2026, 6, 28)), 0);
    Release(next);
    QTest::qWait(450);
    EXPECT_EQ(Flat().CurrentDate(), QDate(2026, 6, 28));

    Press(Flat().ButtonRect(CalendarHit::PreviousYear).center());
    Release(Flat().ButtonRect(CalendarHit::PreviousYear).center());
    EXPECT_EQ(Flat().CurrentDate(), QDate(2025, 6, 28));
}

TEST_F(CalendarTest, Keys) {
    Popup().ShowAt({100, 100}, QDate(2000, 2, 29));
    const struct {
        int key;
        Qt::KeyboardModifiers mods;
        QDate then;
    } steps[] = {
        {Qt::Key_Right, Qt::NoModifier, {2000, 3, 1}},
        {Qt::Key_Left, Qt::NoModifier, {2000, 2, 29}},
        {Qt::Key_Down, Qt::NoModifier, {2000, 3, 7}},
        {Qt::Key_Up, Qt::NoModifier, {2000, 2, 29}},
        {Qt::Key_Plus, Qt::KeypadModifier | Qt::ControlModifier, {2001, 2, 28}},
        {Qt::Key_Minus, Qt::KeypadModifier, {2001, 1, 28}},
        {Qt::Key_Plus, Qt::KeypadModifier, {2001, 2, 28}},
        {Qt::Key_Minus, Qt::NoModifier, {2001, 2, 28}}, // not the keypad's
        {Qt::Key_Down, Qt::AltModifier, {2001, 2, 28}},
    };
    QSignalSpy dismissed(&Popup(), &PopupCalendar::dismissed);
    for (const auto& step : steps) {
        Key(step.key, step.mods);
        EXPECT_EQ(Flat().CurrentDate(), step.then) << step.key;
    }
    EXPECT_EQ(dismissed.count(), 0);

    QSignalSpy chosen(&Popup(), &PopupCalendar::dateChosen);
    Key(Qt::Key_Return);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].toDate(), QDate(2001, 2, 28));

    for (const auto& [key, mods] :
         {std::pair{Qt::Key_Escape, Qt::NoModifier}, std::pair{Qt::Key_Tab, Qt::NoModifier},
          std::pair{Qt::Key_Up, Qt::AltModifier}}) {
        Popup().ShowAt({100, 100}, QDate(2026, 1, 1));
        Key(key, mods);
        EXPECT_FALSE(Popup().isVisible());
    }
    // A key is never taken for a click on the clock.
    ASSERT_EQ(dismissed.count(), 3);
    for (const auto& args : dismissed)
        EXPECT_FALSE(args[0].toBool());
}

TEST_F(CalendarTest, ClickOutsideOnTheClockIsReportedAsAClick) {
    QWidget clock;
    clock.setGeometry(300, 300, 120, 40);
    QSignalSpy dismissed(&Popup(), &PopupCalendar::dismissed);
    for (const QPoint at : {QPoint(310, 310), QPoint(900, 700)}) {
        Popup().ShowForFrame(kClockClick, &clock);
        Send(&Popup(), QEvent::MouseButtonPress, Popup().mapFromGlobal(at), Qt::LeftButton, at);
        EXPECT_FALSE(Popup().isVisible());
    }
    // Closed by the desktop, with the next-month button held: no click, and no more paging.
    Popup().ShowAt({100, 100}, QDate(2026, 1, 15));
    Press(Flat().ButtonRect(CalendarHit::NextMonth).center());
    Popup().close();
    QTest::qWait(450);
    EXPECT_EQ(Flat().CurrentDate(), QDate(2026, 2, 15));
    ASSERT_EQ(dismissed.count(), 3);
    EXPECT_TRUE(dismissed[0][0].toBool());
    EXPECT_FALSE(dismissed[1][0].toBool());
    EXPECT_FALSE(dismissed[2][0].toBool());
}

TEST_F(CalendarTest, FramePlacement) {
    const QSize size = Popup().size();
    // A click in the bottom panel: above the panel, left of the point.
    Popup().ShowForFrame({1800, 1060}, nullptr);
    EXPECT_EQ(Popup().pos(), QPoint(1800 - size.width() - 4, 1040 - size.height() - 4));
    EXPECT_EQ(Flat().CurrentDate(), QDate(2026, 12, 7));
    Popup().hide();
    // Under the clock.
    QWidget clock;
    clock.setGeometry(300, 300, 120, 40);
    Popup().ShowForFrame(kClockClick, &clock);
    EXPECT_EQ(Popup().pos(),
              QPoint(clock.frameGeometry().left(), clock.frameGeometry().bottom() + 2));
    Popup().hide();
    // A point outside the panel near the corner: kept on the work area.
    Popup().ShowForFrame({1900, 1000}, nullptr);
    EXPECT_EQ(Popup().pos(), QPoint(1920 - size.width(), 1040 - size.height()));
}

TEST_F(CalendarTest, NewEventMenuOffersTheTypes) {
    Popup().ShowAt({100, 100}, QDate(2026, 12, 24));
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {10, 10},
                              Flat().mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(&Flat(), &menuKey);
    QMenu* menu = Flat().TypeMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions().size(), static_cast<qsizetype>(fixture_.types_.TypeCount()));
    QSignalSpy requested(&Popup(), &PopupCalendar::newEventRequested);
    menu->actions()[2]->trigger();
    QApplication::processEvents();
    ASSERT_EQ(requested.count(), 1);
    EXPECT_EQ(requested[0][0].toDate(), QDate(2026, 12, 24));
    EXPECT_EQ(requested[0][1].toInt(), 2);
    EXPECT_FALSE(Popup().isVisible());

    // The date fields' calendar has no menu.
    DateField field(fixture_.Context());
    QApplication::sendEvent(&field.Calendar().Calendar(), &menuKey);
    EXPECT_EQ(field.Calendar().Calendar().TypeMenu(), nullptr);
}

TEST_F(CalendarTest, TheMenuIsForTheDayUnderTheMouse) {
    struct Case {
        int cell;
        QDate day;
    };
    // December 2026 from Sunday 29 November: cell 25 is Thursday 24 December, 36 is 4 January.
    for (const Case& c : {Case{25, QDate(2026, 12, 24)}, Case{36, QDate(2027, 1, 4)},
                          Case{1, QDate(2026, 11, 30)}}) {
        Popup().ShowAt({100, 100}, QDate(2026, 12, 7));
        const QPoint at = CellCentre(c.cell);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, Flat().mapToGlobal(at));
        QApplication::sendEvent(&Flat(), &click);
        QMenu* menu = Flat().TypeMenu();
        ASSERT_NE(menu, nullptr) << c.cell;
        EXPECT_EQ(Flat().TypeMenuCell(), c.cell);
        QSignalSpy requested(&Popup(), &PopupCalendar::newEventRequested);
        menu->actions()[1]->trigger();
        QApplication::processEvents();
        ASSERT_EQ(requested.count(), 1) << c.cell;
        EXPECT_EQ(requested[0][0].toDate(), c.day);
        EXPECT_EQ(requested[0][1].toInt(), 1);
        menu->close();
        EXPECT_EQ(Flat().TypeMenu(), nullptr);
    }
    // A right click beside the days opens nothing.
    Popup().ShowAt({100, 100}, QDate(2026, 12, 7));
    const QPoint caption = Flat().ButtonRect(CalendarHit::NextMonth).center();
    QContextMenuEvent beside(QContextMenuEvent::Mouse, caption, Flat().mapToGlobal(caption));
    QApplication::sendEvent(&Flat(), &beside);
    EXPECT_EQ(Flat().TypeMenu(), nullptr);
}

// What a screen reader is sent while the test records: the event, and the name of the part of
// the calendar it is about.
struct HeardEvent {
    QAccessible::Event type;
    QString name;
};
std::vector<HeardEvent> heard;

void Hear(QAccessibleEvent* event) {
    QAccessibleInterface* about = event->accessibleInterface();
    heard.push_back({event->type(), about ? about->text(QAccessible::Name) : ""});
}

// The screen reader's side switched on for one test.
class ScreenReader {
public:
    ScreenReader() {
        heard.clear();
        previous_ = QAccessible::installUpdateHandler(&Hear);
        SetActive(true);
    }
    ~ScreenReader() {
        SetActive(false);
        QAccessible::installUpdateHandler(previous_);
    }
    static bool Heard(QAccessible::Event type, const QString& name) {
        return std::any_of(heard.begin(), heard.end(),
                           [&](const HeardEvent& e) { return e.type == type && e.name == name; });
    }
    static int Count(QAccessible::Event type) {
        return static_cast<int>(std::count_if(
            heard.begin(), heard.end(), [type](const HeardEvent& e) { return e.type == type; }));
    }

private:
    static void SetActive(bool active) {
        // The offscreen platform keeps Qt's own platform accessibility, the one this gives.
        QGuiApplicationPrivate::platform_integration->accessibility()->setActive(active);
        ASSERT_EQ(QAccessible::isActive(), active);
    }

    QAccessible::UpdateHandler previous_;
};

QString LongDate(QDate date) {
    return QLocale().toString(date, QLocale::LongFormat);
}

TEST_F(CalendarTest, ScreenReaderSeesATableOfDays) {
    ScreenReader reader;
    // December 2026 from Sunday 29 November; today is Monday 7 December.
    Popup().ShowAt({100, 100}, QDate(2026, 12, 10));
    QAccessibleInterface* calendar = QAccessible::queryAccessibleInterface(&Flat());
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->role(), QAccessible::Table);
    QAccessibleTableInterface* table = calendar->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 6);
    EXPECT_EQ(table->columnCount(), 7);
    EXPECT_EQ(table->columnDescription(0), "Sunday");

    const struct {
        int row;
        int column;
        QString name;
        bool selected;
    } cells[] = {
        {0, 0, LongDate({2026, 11, 29}) + ", previous month", false},
        {1, 1, LongDate({2026, 12, 7}) + ", today", false},
        {1, 4, LongDate({2026, 12, 10}), true},
        {5, 6, LongDate({2027, 1, 9}) + ", next month", false},
    };
    for (const auto& c : cells) {
        QAccessibleInterface* cell = table->cellAt(c.row, c.column);
        ASSERT_NE(cell, nullptr) << c.row << "," << c.column;
        EXPECT_EQ(cell->role(), QAccessible::Cell);
        EXPECT_EQ(cell->text(QAccessible::Name), c.name);
        EXPECT_EQ(cell->state().selected, c.selected) << c.row << "," << c.column;
        ASSERT_NE(cell->tableCellInterface(), nullptr);
        EXPECT_EQ(cell->tableCellInterface()->rowIndex(), c.row);
        EXPECT_EQ(cell->tableCellInterface()->columnIndex(), c.column);
        EXPECT_EQ(cell->parent(), calendar);
        EXPECT_EQ(calendar->child(calendar->indexOfChild(cell)), cell);
        EXPECT_EQ(calendar->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
    }
    const QList<QAccessibleInterface*> header =
        table->cellAt(2, 1)->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(header.size(), 1);
    EXPECT_EQ(header[0]->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(header[0]->text(QAccessible::Name), "Monday");
    ASSERT_EQ(table->selectedCells().size(), 1);
    EXPECT_EQ(table->selectedCells()[0], table->cellAt(1, 4));

    // A click selects the day: the cells say so and the selection's move is sent.
    heard.clear();
    Press(CellCentre(19));
    Release(CellCentre(19));
    EXPECT_TRUE(table->cellAt(2, 5)->state().selected);
    EXPECT_FALSE(table->cellAt(1, 4)->state().selected);
    EXPECT_TRUE(ScreenReader::Heard(QAccessible::Selection, LongDate({2026, 12, 18})));
    EXPECT_TRUE(ScreenReader::Heard(QAccessible::SelectionRemove, LongDate({2026, 12, 10})));

    // The cell's action chooses the day as a click does.
    QSignalSpy chosen(&Popup(), &PopupCalendar::dateChosen);
    Popup().ShowAt({100, 100}, QDate(2026, 12, 10));
    QAccessibleActionInterface* action = table->cellAt(0, 1)->actionInterface();
    ASSERT_NE(action, nullptr);
    ASSERT_TRUE(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
    action->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].toDate(), QDate(2026, 11, 30));
    EXPECT_FALSE(Popup().isVisible());
}

TEST_F(CalendarTest, ScreenReaderFollowsTheKeys) {
    ScreenReader reader;
    Popup().ShowAt({100, 100}, QDate(2026, 12, 30));
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(&Flat())->tableInterface();
    ASSERT_NE(table, nullptr);
    // Taking the focus, the calendar is heard first and its selected day last.
    Flat().clearFocus();
    heard.clear();
    Flat().setFocus();
    ASSERT_TRUE(Flat().hasFocus());
    QApplication::processEvents();
    const auto lastFocus = std::find_if(heard.rbegin(), heard.rend(), [](const HeardEvent& e) {
        return e.type == QAccessible::Focus;
    });
    ASSERT_NE(lastFocus, heard.rend());
    EXPECT_EQ(lastFocus->name, LongDate({2026, 12, 30}));

    heard.clear();
    Key(Qt::Key_Right);
    EXPECT_TRUE(ScreenReader::Heard(QAccessible::Focus, LongDate({2026, 12, 31})));
    EXPECT_TRUE(table->cellAt(4, 4)->state().focused);
    EXPECT_EQ(ScreenReader::Count(QAccessible::TableModelChanged), 0);

    // Into January: the table is refreshed, then the new day has the focus.
    heard.clear();
    Key(Qt::Key_Right);
    EXPECT_EQ(ScreenReader::Count(QAccessible::TableModelChanged), 1);
    EXPECT_TRUE(ScreenReader::Heard(QAccessible::Focus, LongDate({2027, 1, 1})));
    EXPECT_EQ(table->cellAt(0, 0)->text(QAccessible::Name),
              LongDate({2026, 12, 27}) + ", previous month");

    heard.clear();
    Key(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(ScreenReader::Count(QAccessible::TableModelChanged), 1);
    EXPECT_TRUE(ScreenReader::Heard(QAccessible::Focus, LongDate({2027, 2, 1})));
}

TEST_F(CalendarTest, DateFieldDropsTheCalendarDown) {
    DateField field(fixture_.Context());
    EXPECT_EQ(field.displayFormat(), "M'/'d'/'yyyy");
    field.setDate(QDate(2026, 3, 15));
    QSignalSpy changed(&field, &QDateEdit::dateChanged);
    QTest::keyClick(&field, Qt::Key_F4);
    FlatCalendar& flat = field.Calendar().Calendar();
    ASSERT_TRUE(field.Calendar().isVisible());
    EXPECT_EQ(flat.CurrentDate(), QDate(2026, 3, 15));
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(&flat, &right);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&flat, &enter);
    EXPECT_FALSE(field.Calendar().isVisible());
    EXPECT_EQ(field.date(), QDate(2026, 3, 16));
    EXPECT_EQ(changed.count(), 1);

    // The arrow button drops it down too.
    QStyleOptionComboBox arrow;
    arrow.initFrom(&field);
    arrow.editable = true;
    const QRect button = field.style()->subControlRect(QStyle::CC_ComboBox, &arrow,
                                                       QStyle::SC_ComboBoxArrow, &field);
    QTest::mouseClick(&field, Qt::LeftButton, {}, button.center());
    EXPECT_TRUE(field.Calendar().isVisible());
}

TEST(DateFieldFormat, FromTheLocaleShortDate) {
    EXPECT_EQ(QtDateFormat("%#d.%#m.%Y"), "d'.'M'.'yyyy");
    EXPECT_EQ(QtDateFormat("%Y-%m-%d"), "yyyy'-'MM'-'dd");
    EXPECT_EQ(QtDateFormat("%d/%m/%y"), "dd'/'MM'/'yyyy");
}

class Screenshots : public CalendarTest {};

TEST_F(Screenshots, Calendar) {
    QDir().mkpath(ZM_SCREENSHOT_DIR);
    Popup().ShowAt({100, 100}, QDate(2026, 12, 18));
    EXPECT_TRUE(Flat().grab().save(ZM_SCREENSHOT_DIR "/calendar.png"));
    Popup().hide();

    // The options changed while it was hidden: it shows them the next time.
    const int narrow = Popup().width();
    fixture_.options_.firstDayOfWeek = kMonday;
    fixture_.options_.showWeekNumbers = true;
    fixture_.options_.firstWeekOfYear = 1;
    Popup().ShowAt({100, 100}, QDate(2026, 12, 18));
    EXPECT_GT(Popup().width(), narrow);
    EXPECT_EQ(Flat().Grid().weekNumbers[5], 1);
    EXPECT_TRUE(Flat().grab().save(ZM_SCREENSHOT_DIR "/calendar-monday-weeknumbers.png"));
}

} // namespace
} // namespace zm
