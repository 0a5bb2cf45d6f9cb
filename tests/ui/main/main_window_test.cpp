// The main window offscreen: placement, the find bar and the check marks, the toolbar's label
// modes, the view commands over the list, and the windows the frame opens.

#include "adapters/gui/qt_font.h"
#include "list/window_placement.h"
#include "platform/font_setting.h"
#include "platform/setting_table.h"
#include "support/event_builders.h"
#include "support/gui/palettes.h"
#include "support/pdf_text.h"
#include "support/temp_folder.h"
#include "support/window_fixture.h"
#include "ui/calendar/popup_calendar.h"
#include "ui/editor/event_editor_dialog.h"
#include "ui/list/event_list_model.h"
#include "ui/list/event_list_view.h"
#include "ui/main/main_window.h"
#include "ui/main/program_windows.h"
#include "ui/print/print_session.h"
#include "ui/timers/countdown_window.h"
#include "ui/timers/stopwatch_window.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QPrinter>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

namespace zm::testing {
namespace {

// Four events of today, one of them a birthday every year.
void PutSample(WindowFixture& rig) {
    const char* names[] = {"Dentist", "Team meeting", "Call the garage", "Anna"};
    const char* types[] = {"Appointment", "Meeting", "Call", "Birthday"};
    for (int i = 0; i < 4; ++i) {
        EventRecord e = OneTime(At(2026, 12, 7, 9 + 2 * i, 30));
        e.name = names[i];
        e.typeName = types[i];
        e.typeIndex = rig.types_.FindType(types[i]);
        if (i == 3) e.SetPattern(kYearlyDate, 1);
        rig.Put(e);
    }
}

// The list's and the period caption's fonts at `points`, as the preferences store them.
void UseFontsOf(WindowFixture& rig, int points) {
    FontDescription font;
    font.height = -PointsToPixels(points, ScreenPixelsPerInch());
    font.faceName = QApplication::font().family().toStdString();
    for (const SettingId id : {SettingId::MainWindowFont, SettingId::DatePanelFont})
        WriteFont(rig.settings_, id, font, ScreenPixelsPerInch());
}

class MainWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<MainWindow> Open() {
        auto window = std::make_unique<MainWindow>(rig.Context(), rig.boxes_, dialogs);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        return window;
    }
    // The list shows the view it was given.
    static bool ListFollows(MainWindow& window) {
        window.ShowView(ViewMode::Week, At(2001, 1, 1));
        return window.View().mode == ViewMode::Week && window.View().viewDate == At(2001, 1, 1);
    }

    WindowFixture rig;
    ProgramDialogGuard dialogs{rig.boxes_, nullptr};
};

TEST_F(MainWindowTest, PlacementIsRestoredAndKept) {
    WriteBytes(rig.settings_, SettingId::MainWindowRect, PackWindowRect({300, 200, 700, 400}));
    auto window = Open();
    EXPECT_EQ(window->geometry(), QRect(300, 200, 700, 400));
    EXPECT_EQ(window->minimumSize(), QSize(560, 330));
    window->setGeometry(320, 210, 800, 500);
    window->close();
    const auto kept = ReadBytes(rig.settings_, SettingId::MainWindowRect);
    ASSERT_TRUE(kept);
    EXPECT_EQ(UnpackWindowRect(*kept), (Rect{320, 210, 800, 500}));
    EXPECT_FALSE(ReadBool(rig.settings_, SettingId::MainWindowMaximised));

    WriteBool(rig.settings_, SettingId::MainWindowMaximised, true);
    auto maximised = Open();
    EXPECT_TRUE(maximised->windowState() & Qt::WindowMaximized);
}

TEST_F(MainWindowTest, FindBarTakesTheCaptionAndTheViewCommands) {
    PutSample(rig);
    auto window = Open();
    window->ShowView(ViewMode::Day, At(2026, 12, 7));
    ASSERT_EQ(window->List().RowCount(), 4);
    QAction* find = window->Action(MainCommand::Find);
    find->trigger();
    EXPECT_TRUE(window->FindBarShown());
    EXPECT_TRUE(find->isChecked());
    EXPECT_EQ(window->PeriodText(), "Search Results");
    // The period's rows are gone until Find Now, and a new event does not come either.
    EXPECT_EQ(window->List().RowCount(), 0);
    EventRecord late = OneTime(At(2026, 12, 7, 18, 0));
    late.name = "Arrived while finding";
    rig.Put(late);
    EXPECT_EQ(window->List().RowCount(), 0);
    for (const MainCommand c : {MainCommand::PreviousDay, MainCommand::NextMonth,
                                MainCommand::Calendar, MainCommand::DefineFilters})
        EXPECT_FALSE(window->Action(c)->isEnabled());
    EXPECT_FALSE(window->Action(MainCommand::Day)->isChecked());
    // A view command hides the bar again.
    window->Action(MainCommand::Day)->trigger();
    EXPECT_FALSE(window->FindBarShown());
    EXPECT_FALSE(find->isChecked());
    EXPECT_TRUE(window->Action(MainCommand::NextDay)->isEnabled());
    EXPECT_EQ(window->List().RowCount(), 5);
}

TEST_F(MainWindowTest, TheFindBarAndTheDayStepsHaveTheirKeys) {
    auto window = Open();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->ShowView(ViewMode::Day, At(2026, 12, 7));
    window->List().setFocus();
    // Alt+Left and Alt+Right from the main keyboard, as the number pad's minus and plus.
    const struct {
        int key;
        Qt::KeyboardModifiers mods;
        DateTime day;
    } steps[] = {{Qt::Key_Left, Qt::AltModifier, At(2026, 12, 6)},
                 {Qt::Key_Right, Qt::AltModifier, At(2026, 12, 7)},
                 {Qt::Key_Right, Qt::AltModifier, At(2026, 12, 8)},
                 {Qt::Key_Minus, Qt::KeypadModifier, At(2026, 12, 7)},
                 {Qt::Key_Plus, Qt::KeypadModifier, At(2026, 12, 8)}};
    for (const auto& step : steps) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(step.key), step.mods);
        EXPECT_EQ(window->View().viewDate, step.day) << step.key;
    }
    // Ctrl+F opens the find bar with the focus in it; a second Ctrl+F keeps it open.
    QTest::keyClick(&window->List(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(window->FindBarShown());
    EXPECT_TRUE(window->Action(MainCommand::Find)->isChecked());
    QWidget* field = QApplication::focusWidget();
    ASSERT_NE(field, &window->List());
    QTest::keyClick(field, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(window->FindBarShown());
    // Escape closes it from its text field, and the period's rows are back.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(window->FindBarShown());
    EXPECT_FALSE(window->Action(MainCommand::Find)->isChecked());
    EXPECT_EQ(window->PeriodText(), QLocale().toString(QDate(2026, 12, 8), QLocale::LongFormat));
    // Escape with the bar gone does nothing to the view.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(window->View().viewDate, At(2026, 12, 8));
}

TEST_F(MainWindowTest, AtTwelvePointsNoColumnAndNoCaptionIsCut) {
    PutSample(rig);
    UseFontsOf(rig, 12);
    auto window = Open();
    window->resize(560, 330);
    window->show();
    QLabel* period = nullptr;
    for (const ViewMode mode : {ViewMode::Day, ViewMode::Month}) {
        window->ShowView(mode, At(2026, 12, 7));
        QApplication::processEvents();
        for (QLabel* label : window->findChildren<QLabel*>())
            if (label->text() == window->PeriodText()) period = label;
        ASSERT_TRUE(period);
        EXPECT_TRUE(period->isVisible());
        EXPECT_GE(period->width(), period->fontMetrics().horizontalAdvance(period->text()))
            << period->text().toStdString();
        const EventListView& list = window->List();
        for (int c = 0; c < kListColumnCount; ++c)
            EXPECT_GE(list.columnWidth(c),
                      list.fontMetrics().horizontalAdvance(list.Model().CellText(0, c)) + 8)
                << "column " << c;
    }
    // Maximised, the width goes to the columns: none is left empty.
    window->resize(1600, 900);
    QApplication::processEvents();
    const EventListView& list = window->List();
    int total = 0;
    for (int c = 0; c < kListColumnCount; ++c)
        total += list.columnWidth(c);
    EXPECT_GE(total, list.viewport()->width());
}

// Runs the event loop until the condition holds, for at most `ms` milliseconds.
template <typename F> bool WaitFor(F condition, int ms = 3000) {
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return condition();
}

TEST_F(MainWindowTest, TheTodayViewMovesToTheNewDayAtMidnight) {
    rig.now_ = At(2026, 12, 7, 23, 59, 30);
    const char* names[] = {"Late call", "Breakfast meeting"};
    const DateTime starts[] = {At(2026, 12, 7, 23, 0), At(2026, 12, 8, 8, 0)};
    for (int i = 0; i < 2; ++i) {
        EventRecord e = OneTime(starts[i]);
        e.name = names[i];
        rig.Put(e);
    }
    auto today = Open();
    today->Action(MainCommand::Today)->trigger();
    auto week = Open(); // a week that does not start today keeps its date
    week->ShowView(ViewMode::Week, At(2026, 12, 1));
    ASSERT_EQ(today->List().RowCount(), 1);
    EXPECT_EQ(today->List().Model().RowAt(0).event.name, "Late call");

    rig.now_ = At(2026, 12, 8, 0, 15);
    ASSERT_TRUE(WaitFor([&] { return today->View().viewDate == At(2026, 12, 8); }));
    EXPECT_EQ(today->View().mode, ViewMode::Day);
    ASSERT_EQ(today->List().RowCount(), 1);
    EXPECT_EQ(today->List().Model().RowAt(0).event.name, "Breakfast meeting");
    EXPECT_EQ(today->PeriodText(), QLocale().toString(QDate(2026, 12, 8), QLocale::LongFormat));
    EXPECT_TRUE(today->Action(MainCommand::Today)->isChecked());
    // The other window has looked at the clock too within a second.
    WaitFor([] { return false; }, 1200);
    EXPECT_EQ(week->View().viewDate, At(2026, 12, 1));
    EXPECT_EQ(week->View().mode, ViewMode::Week);
}

TEST_F(MainWindowTest, EveryCommandKeyWorksInTheWindow) {
    auto window = Open();
    for (const MainCommand c : {MainCommand::New, MainCommand::DefineFilters, MainCommand::Copy})
        EXPECT_TRUE(window->actions().contains(window->Action(c)));
}

TEST_F(MainWindowTest, ToolbarLabelModesAreKept) {
    auto window = Open();
    window->Action(MainCommand::TextOnly)->trigger();
    EXPECT_EQ(window->ToolBar().toolButtonStyle(), Qt::ToolButtonTextOnly);
    EXPECT_EQ(ReadInt(rig.settings_, SettingId::ToolbarLabels), 1);
    WriteText(rig.settings_, SettingId::ToolbarButtons, "0,10");
    auto again = Open();
    EXPECT_EQ(again->ToolBar().toolButtonStyle(), Qt::ToolButtonTextOnly);
    EXPECT_TRUE(again->Action(MainCommand::TextOnly)->isChecked());
    int shown = 0;
    for (QAction* a : again->ToolBar().actions())
        shown += a->isVisible() && !a->text().isEmpty();
    EXPECT_EQ(shown, 9);
}

TEST_F(MainWindowTest, StoredFilterIsAppliedAndRemoved) {
    rig.types_.Filters().push_back({0, "Family", {"Birthday"}});
    WriteText(rig.settings_, SettingId::ActiveFilter, "Family");
    auto window = Open();
    EXPECT_EQ(rig.types_.ActiveFilterName(), "Family");
    QAction* remove = window->Action(MainCommand::RemoveFiltering);
    EXPECT_TRUE(remove->isEnabled());
    remove->trigger();
    EXPECT_EQ(rig.types_.ActiveFilterName(), "");
    EXPECT_EQ(ReadText(rig.settings_, SettingId::ActiveFilter), "");
    EXPECT_FALSE(remove->isEnabled());

    // A stored name that no filter has leaves none active.
    WriteText(rig.settings_, SettingId::ActiveFilter, "Gone");
    auto again = Open();
    EXPECT_EQ(rig.types_.ActiveFilterName(), "");
    EXPECT_FALSE(again->Action(MainCommand::RemoveFiltering)->isEnabled());
}

TEST_F(MainWindowTest, TheActiveFilterIsNamedInTheStatusBar) {
    rig.types_.Filters().push_back({0, "Family", {"Birthday"}});
    rig.types_.Filters().push_back({0, "Work", {"Meeting"}});
    auto window = Open();
    EXPECT_EQ(window->FilterText(), "");
    // The View menu's "Current Filter", as it fills itself when it opens.
    QMenu* current = nullptr;
    for (QMenu* m : window->findChildren<QMenu*>())
        if (m->title() == "Current &Filter") current = m;
    ASSERT_TRUE(current);
    emit current->aboutToShow();
    ASSERT_GE(current->actions().size(), 2);
    ASSERT_TRUE(current->actions()[1]->text().contains("Work"));
    current->actions()[1]->trigger();
    EXPECT_EQ(rig.types_.ActiveFilterName(), "Work");
    EXPECT_EQ(window->FilterText(), "Filter: Work");
    window->ShowView(ViewMode::All);
    EXPECT_EQ(window->PeriodText(), "All");
    EXPECT_EQ(window->FilterText(), "Filter: Work");
    window->close();

    // Opened again, the window still names the filter it applies.
    auto again = Open();
    EXPECT_EQ(again->FilterText(), "Filter: Work");
    again->Action(MainCommand::RemoveFiltering)->trigger();
    EXPECT_EQ(again->FilterText(), "");
}

TEST_F(MainWindowTest, TheDayCaptionIsTheLocalesLongDate) {
    struct Case {
        const char* locale;
        const char* caption;
    };
    const Case cases[] = {
        {"de_DE", "Montag, 7. Dezember 2026"},
        {"C", "Monday, 7 December 2026"},
    };
    const QLocale before;
    for (const Case& c : cases) {
        QLocale::setDefault(QLocale(c.locale));
        auto window = Open();
        window->ShowView(ViewMode::Day, At(2026, 12, 7));
        EXPECT_EQ(window->PeriodText(), c.caption) << c.locale;
    }
    QLocale::setDefault(before);
}

TEST_F(MainWindowTest, ViewCommandsMoveTheCaptionAndTheChecks) {
    auto window = Open();
    ASSERT_TRUE(ListFollows(*window));
    EXPECT_EQ(window->PeriodText(), "January 01 - 07, 2001");
    EXPECT_TRUE(window->Action(MainCommand::Week)->isChecked());
    EXPECT_EQ(rig.options_.mainView, 1);
    window->ShowView(ViewMode::Month, At(2001, 1, 31));
    window->Action(MainCommand::NextMonth)->trigger();
    EXPECT_EQ(window->View().viewDate, At(2001, 2, 28));
    EXPECT_EQ(window->PeriodText(), "February 28 - March 30, 2001");
    window->Action(MainCommand::Today)->trigger();
    EXPECT_EQ(window->View().viewDate, At(2026, 12, 7));
    EXPECT_TRUE(window->Action(MainCommand::Today)->isChecked());
    EXPECT_TRUE(window->Action(MainCommand::Day)->isChecked());
    window->Action(MainCommand::PreviousDay)->trigger();
    EXPECT_FALSE(window->Action(MainCommand::Today)->isChecked());
}

TEST_F(MainWindowTest, TheDropDownCalendarPicksADayAndItsBrowsingMovesTheCaption) {
    auto window = Open();
    window->show();
    window->ShowView(ViewMode::Week, At(2001, 1, 1));
    window->Action(MainCommand::Calendar)->trigger();
    PopupCalendar* drop = window->DropDownCalendar();
    ASSERT_TRUE(drop);
    ASSERT_TRUE(drop->isVisible());
    FlatCalendar& flat = drop->Calendar();
    // No today line and no menu of new events.
    EXPECT_TRUE(flat.Layout().TodayLine().width == 0 && flat.Layout().TodayLine().height == 0);
    const QPoint day = flat.CellRect(20).center();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, day, flat.mapToGlobal(day));
    QApplication::sendEvent(&flat, &rightClick);
    EXPECT_EQ(flat.TypeMenu(), nullptr);

    // Browsing: the caption follows the browsed day; closing without a choice puts it back.
    const auto key = [&](int k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, k, mods);
        QApplication::sendEvent(&flat, &press);
    };
    key(Qt::Key_Down);
    EXPECT_EQ(window->PeriodText(), "January 08 - 14, 2001");
    key(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(window->PeriodText(), "February 08 - 14, 2001");
    EXPECT_EQ(window->View().viewDate, At(2001, 1, 1)) << "only browsed";
    key(Qt::Key_Escape);
    EXPECT_FALSE(drop->isVisible());
    EXPECT_EQ(window->PeriodText(), "January 01 - 07, 2001");

    // Choosing a day shows the view there.
    window->Action(MainCommand::Calendar)->trigger();
    key(Qt::Key_Right);
    EXPECT_EQ(window->PeriodText(), "January 02 - 08, 2001");
    key(Qt::Key_Return);
    EXPECT_EQ(window->View().viewDate, At(2001, 1, 2));
    EXPECT_EQ(window->PeriodText(), "January 02 - 08, 2001");
}

TEST_F(MainWindowTest, CommandsFollowTheSelectedRows) {
    PutSample(rig);
    auto window = Open();
    window->ShowView(ViewMode::Day, At(2026, 12, 7));
    ASSERT_EQ(window->List().RowCount(), 4);
    window->List().clearSelection();
    QApplication::processEvents();
    EXPECT_FALSE(window->Action(MainCommand::Delete)->isEnabled());
    EXPECT_TRUE(window->Action(MainCommand::SelectAll)->isEnabled());
    window->List().selectRow(0);
    QApplication::processEvents();
    EXPECT_TRUE(window->Action(MainCommand::Modify)->isEnabled());
    EXPECT_TRUE(window->Action(MainCommand::Delete)->isEnabled());
    window->Action(MainCommand::SelectAll)->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(window->Action(MainCommand::Modify)->isEnabled());
    EXPECT_FALSE(window->Action(MainCommand::Accept)->isEnabled());
    EXPECT_TRUE(window->Action(MainCommand::Copy)->isEnabled());
}

TEST_F(MainWindowTest, PrintTakesTheListedRowsAndTheirSelection) {
    PutSample(rig);
    auto window = Open();
    window->ShowView(ViewMode::Day, At(2026, 12, 7));
    window->List().selectRow(3);
    const TempFolder folder;
    const QString pdf = QString::fromStdString(folder.File("day.pdf"));
    bool offeredSelection = false;
    window->Printing().printDialog = [&](QPrinter& printer, int, bool hasSelection, QWidget*) {
        offeredSelection = hasSelection;
        printer.setOutputFileName(pdf);
        return std::optional<PrintChoice>(PrintChoice{});
    };
    ASSERT_TRUE(window->Action(MainCommand::Print)->isEnabled());
    window->Action(MainCommand::Print)->trigger();
    EXPECT_TRUE(offeredSelection);
    const std::vector<QString> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].contains(window->PeriodText()));
    // By their first words: a name wraps in its column when the other columns' texts need the
    // rest of the width.
    const QString names[] = {"Dentist", "Team", "Call", "Anna"};
    for (int i = 0; i < 3; ++i)
        EXPECT_LT(pages[0].indexOf(names[i]), pages[0].indexOf(names[i + 1])) << i;
    EXPECT_TRUE(pages[0].contains("garage"));
    EXPECT_TRUE(pages[0].contains("Birthday"));
}

TEST_F(MainWindowTest, ThePreviewKeepsTheRowsItBeganWith) {
    PutSample(rig);
    auto window = Open();
    window->ShowView(ViewMode::Day, At(2026, 12, 7));
    const TempFolder folder;
    const QString pdf = QString::fromStdString(folder.File("preview.pdf"));
    window->Printing().printDialog = [&](QPrinter& printer, int, bool, QWidget*) {
        printer.setOutputFileName(pdf);
        return std::optional<PrintChoice>(PrintChoice{});
    };
    window->Action(MainCommand::PrintPreview)->trigger();
    QPointer<QWidget> preview = window->Printing().PreviewWindow();
    ASSERT_TRUE(preview);
    EventRecord late = OneTime(At(2026, 12, 7, 18, 0));
    late.name = "Arrived while previewing";
    rig.Put(late);
    ASSERT_EQ(window->List().RowCount(), 5);
    preview->findChild<QAction*>("previewPrint")->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(preview);
    const std::vector<QString> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].contains("Dentist"));
    EXPECT_FALSE(pages[0].contains("Arrived"));
}

TEST(ProgramWindows, MainWindowComesAndGoesAndTheCalendarOnlyHides) {
    WindowFixture rig;
    ProgramWindows windows(rig.Context(), rig.boxes_);
    int closed = 0;
    int consumed = 0;
    windows.mainWindowClosed = [&] { closed += windows.MainWindowOpen() ? 100 : 1; };
    windows.calendarConsumedClick = [&] { ++consumed; };
    windows.OpenMainWindow();
    ASSERT_TRUE(windows.MainWindowOpen());
    MainWindow* first = windows.Main();
    windows.OpenMainWindow();
    EXPECT_EQ(windows.Main(), first);
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(windows.MainWindowOpen());
    EXPECT_EQ(closed, 1);

    // A program dialog open: new events and the main window beep and wait.
    {
        ProgramDialogGuard::Scope scope(windows.Dialogs(), ProgramDialog::Other);
        EXPECT_TRUE(windows.ProgramDialogOpen());
        windows.NewEvent(0);
        windows.OpenMainWindow();
        EXPECT_FALSE(windows.MainWindowOpen());
        EXPECT_EQ(rig.boxes_.beeps, 2);
    }
    EXPECT_FALSE(windows.ProgramDialogOpen());

    windows.OpenCalendar(kClockClick);
    PopupCalendar* calendar = windows.Calendar();
    ASSERT_TRUE(calendar);
    emit calendar->dismissed(false); // by a key: the next clock click counts
    EXPECT_EQ(consumed, 0);
    emit calendar->dismissed(true);
    EXPECT_EQ(consumed, 1);
    EXPECT_EQ(windows.Calendar(), calendar);
    EXPECT_FALSE(calendar->isVisible());

    // The tools open for real, and go with the rest at closing.
    const int beeps = rig.boxes_.beeps;
    windows.OpenStopwatch();
    windows.OpenCountdown();
    EXPECT_EQ(rig.boxes_.beeps, beeps);
    const auto tools = [] {
        int shown = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            shown += w->isVisible() && (qobject_cast<StopwatchWindow*>(w) != nullptr ||
                                        qobject_cast<CountdownWindow*>(w) != nullptr);
        return shown;
    };
    EXPECT_EQ(tools(), 2);
    windows.CloseAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(tools(), 0);
}

// Accepts the event editor as soon as it is up.
void AcceptEditorWhenShown() {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* editor = qobject_cast<EventEditorDialog*>(w);
            if (!editor || !editor->isVisible()) continue;
            timer->stop();
            timer->deleteLater();
            editor->accept();
            if (editor->isVisible()) editor->reject(); // refused: the test fails, not hangs
            return;
        }
    });
    timer->start();
}

TEST(ProgramWindows, AnEventSavedUnderAFilterThatHidesItIsFollowedByTheWarning) {
    WindowFixture rig;
    rig.types_.Filters().push_back({kFilterShowAccepted, "Calls", {"Call"}});
    WriteText(rig.settings_, SettingId::ActiveFilter, "Calls");
    ProgramWindows windows(rig.Context(), rig.boxes_);
    const QString warning = "Attention ! This event will not be shown because filtering is on.";
    const int meeting = rig.types_.FindType("Meeting");
    const int call = rig.types_.FindType("Call");
    struct Case {
        const char* what;
        bool mainOpen;
        bool findBar;
        int type;
        bool warned;
    };
    const Case cases[] = {
        {"a hidden type", true, false, meeting, true},
        {"a type in the filter", true, false, call, false},
        {"while searching", true, true, meeting, false},
        {"without the main window", false, false, meeting, false},
    };
    for (const Case& c : cases) {
        if (c.mainOpen) windows.OpenMainWindow();
        if (c.mainOpen && c.findBar != windows.Main()->FindBarShown())
            windows.Main()->Action(MainCommand::Find)->trigger();
        rig.boxes_.shown.clear();
        AcceptEditorWhenShown();
        windows.NewEventOn(c.type, rig.now_ + DateTimeSpan::Days(1));
        EXPECT_EQ(rig.boxes_.LastText(), c.warned ? warning : QString()) << c.what;
        windows.CloseAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The main window's own ways to the editor: New, and Modify on a listed event.
    windows.OpenMainWindow();
    MainWindow& main = *windows.Main();
    main.ShowView(ViewMode::Day, At(2026, 12, 9));
    rig.boxes_.shown.clear();
    AcceptEditorWhenShown();
    main.Action(MainCommand::New)->trigger(); // of the first type, which the filter hides
    EXPECT_EQ(rig.boxes_.LastText(), warning);
    EventRecord phone = OneTime(At(2026, 12, 9, 10));
    phone.name = "Phone the bank";
    phone.typeName = "Call";
    phone.typeIndex = call;
    rig.Put(phone);
    ASSERT_EQ(main.List().RowCount(), 1);
    main.List().selectRow(0);
    rig.boxes_.shown.clear();
    AcceptEditorWhenShown();
    main.Action(MainCommand::Modify)->trigger();
    EXPECT_TRUE(rig.boxes_.shown.empty());
    windows.CloseAll();
}

TEST(Screenshots, MainWindow) {
    InEachPalette([](const NamedPalette& palette) {
        WindowFixture rig;
        ProgramDialogGuard dialogs(rig.boxes_, nullptr);
        PutSample(rig);
        MainWindow window(rig.Context(), rig.boxes_, dialogs);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.resize(900, 420);
        window.show();
        window.ShowView(ViewMode::Day, At(2026, 12, 7));
        QApplication::processEvents();
        SavePicture(window, QStringLiteral("main-window-day"), palette);
        window.ShowView(ViewMode::All);
        QApplication::processEvents();
        SavePicture(window, QStringLiteral("main-window-all"), palette);
    });
}

TEST(Screenshots, MainWindowAtTwelvePoints) {
    WindowFixture rig;
    ProgramDialogGuard dialogs(rig.boxes_, nullptr);
    PutSample(rig);
    UseFontsOf(rig, 12);
    MainWindow window(rig.Context(), rig.boxes_, dialogs);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.resize(700, 360);
    window.show();
    QDir().mkpath(ZM_SCREENSHOT_DIR);
    window.ShowView(ViewMode::Month, At(2026, 12, 7));
    QApplication::processEvents();
    EXPECT_TRUE(window.grab().save(QString(ZM_SCREENSHOT_DIR) + "/main-window-12pt.png"));
}

} // namespace
} // namespace zm::testing
