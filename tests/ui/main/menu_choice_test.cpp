// Choices made in the program's menus that open a dialog: the dialog comes up once the menu has
// closed and Qt has finished with the choice, so that nothing the dialog's own event loop does
// can pull the menu from under Qt.

#include "res/strings.h"
#include "support/modal_steps.h"
#include "support/window_fixture.h"
#include "ui/calendar/date_field.h"
#include "ui/calendar/popup_calendar.h"
#include "ui/editor/event_editor_dialog.h"
#include "ui/list/event_list_view.h"
#include "ui/main/main_window.h"
#include "ui/main/program_windows.h"
#include "ui/preferences/preferences_sheet.h"

#include <QContextMenuEvent>
#include <QPointer>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

namespace zm::testing {
namespace {

QString Text(int id) {
    return QString::fromUtf8(LoadString(id));
}

QDate ToQDate(DateTime d) {
    const YearMonthDay ymd = d.Ymd();
    return {ymd.year, ymd.month, ymd.day};
}

// Chooses the entry with a click; `inClick` holds while Qt handles the click.
void Choose(QMenu& menu, const QString& text, bool& inClick) {
    inClick = true;
    ClickEntry(menu, text);
    inClick = false;
}

// Cancels the next event editor, noting the type and the date it was opened with and whether
// Qt had finished handling the click on the menu by then.
struct CancelledEditor {
    explicit CancelledEditor(const bool& inClick) {
        WhenShown<EventEditorDialog>([this, &inClick](EventEditorDialog& editor) {
            menuFinished = !inClick;
            type = editor.Record().typeName;
            date = editor.findChild<DateField*>("date")->date();
            editor.reject();
            shown = true;
        });
    }
    bool shown = false;
    bool menuFinished = false;
    std::string type;
    QDate date;
};

TEST(MenuChoices, NewEventsFromTheCalendarsMenuAndTheListsMenu) {
    WindowFixture rig;
    ProgramWindows windows(rig.Context(), rig.boxes_);

    // The pop-up calendar: right-click a day, "Appointment", Cancel in the editor.
    windows.OpenCalendar({800, 500});
    FlatCalendar& flat = windows.Calendar()->Calendar();
    const int cell = flat.Grid().selected == 17 ? 18 : 17;
    const QPoint at = flat.CellRect(cell).center();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, flat.mapToGlobal(at));
    QApplication::sendEvent(&flat, &rightClick);
    QPointer<QMenu> typeMenu = flat.TypeMenu();
    ASSERT_TRUE(typeMenu);
    bool inClick = false;
    CancelledEditor first(inClick);
    Choose(*typeMenu, "Appointment", inClick);
    ASSERT_TRUE(RunUntil([&] { return first.shown; }));
    EXPECT_TRUE(first.menuFinished) << "the editor opened inside the menu's handling";
    EXPECT_EQ(first.type, "Appointment");
    EXPECT_EQ(first.date, ToQDate(flat.Grid().DayOf(cell)));
    EXPECT_FALSE(windows.ProgramDialogOpen());

    // Then the main window's list: right-click it, "Appointment", Cancel.
    windows.OpenMainWindow();
    MainWindow* main = windows.Main();
    ASSERT_TRUE(main);
    WhenShown<QMenu>([&](QMenu& menu) { Choose(menu, "Appointment", inClick); });
    CancelledEditor second(inClick);
    QWidget* viewport = main->List().viewport();
    const QPoint below(10, viewport->height() - 10);
    QContextMenuEvent listClick(QContextMenuEvent::Mouse, below, viewport->mapToGlobal(below));
    QApplication::sendEvent(viewport, &listClick);
    ASSERT_TRUE(RunUntil([&] { return second.shown; }));
    EXPECT_TRUE(second.menuFinished) << "the editor opened inside the menu's handling";
    EXPECT_EQ(second.type, "Appointment");
    windows.CloseAll();
}

TEST(MenuChoices, TheEditorsCustomizeOpensTheTypesPageOverTheEditor) {
    WindowFixture rig;
    ProgramWindows windows(rig.Context(), rig.boxes_);
    bool customizeEnabled = false;
    bool sheetOverEditor = false;
    bool editorStillTheDialog = false;
    QStringList pages;
    bool done = false;
    WhenShown<EventEditorDialog>([&](EventEditorDialog& editor) {
        WhenShown<QMenu>([&](QMenu& menu) {
            customizeEnabled = menu.actions().back()->isEnabled();
            WhenShown<PreferencesSheet>([&](PreferencesSheet& sheet) {
                sheetOverEditor = sheet.parentWidget() == &editor;
                editorStillTheDialog = windows.Dialogs().Open();
                for (int i = 0; i < sheet.Tabs()->count(); ++i)
                    pages << sheet.Tabs()->tabText(i);
                sheet.reject();
            });
            ClickEntry(menu, Text(IDS_MENU_CUSTOMIZE));
            // Without the entry enabled nothing comes: the menu closes.
            if (QApplication::activePopupWidget() == &menu) menu.close();
        });
        QTest::mouseClick(editor.findChild<QToolButton*>("typeButton"), Qt::LeftButton);
        editor.reject();
        done = true;
    });
    windows.NewEvent(0);
    ASSERT_TRUE(RunUntil([&] { return done; }));
    EXPECT_TRUE(customizeEnabled);
    EXPECT_TRUE(sheetOverEditor);
    EXPECT_TRUE(editorStillTheDialog);
    EXPECT_EQ(pages, QStringList{Text(IDS_PAGE_TYPES)});
}

} // namespace
} // namespace zm::testing
