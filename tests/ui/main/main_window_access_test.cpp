// The main window as a screen reader and the keyboard reach it: the view buttons as radio
// buttons whose action switches the view, the menus' keys as shortcuts, the period caption as a
// button, and the status bar's panes named by what they show.

#include "platform/setting_table.h"
#include "support/event_builders.h"
#include "support/modal_steps.h"
#include "support/window_fixture.h"
#include "ui/calendar/popup_calendar.h"
#include "ui/common/program_dialog.h"
#include "ui/editor/event_editor_dialog.h"
#include "ui/list/event_list_view.h"
#include "ui/main/main_window.h"
#include "ui/main/toolbar_customize_dialog.h"
#include "ui/properties/event_properties.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPalette>
#include <QShortcut>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>
#include <map>

namespace zm::testing {
namespace {

// The first control under `root` a reader finds by its name that can be checked.
QAccessibleInterface* FindCheckable(QAccessibleInterface* root, const QString& name) {
    if (!root) return nullptr;
    if (root->text(QAccessible::Name) == name && root->state().checkable) return root;
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface* found = FindCheckable(root->child(i), name)) return found;
    return nullptr;
}

class MainWindowAccessTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 3; ++i) {
            EventRecord e = OneTime(At(2026, 12, 7, 9 + i, 0));
            e.name = "Event " + std::to_string(i);
            rig.Put(e);
        }
        window = std::make_unique<MainWindow>(rig.Context(), rig.boxes_, dialogs);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->ShowView(ViewMode::Day, At(2026, 12, 7));
    }

    // The toolbar button labelled `label`, as the screen reader sees it.
    QAccessibleInterface* Button(const QString& label) {
        for (QAction* a : window->ToolBar().actions())
            if (a->text() == label)
                return QAccessible::queryAccessibleInterface(window->ToolBar().widgetForAction(a));
        ADD_FAILURE() << "no button " << label.toStdString();
        return nullptr;
    }

    QLabel* Caption() { return window->findChild<QToolBar*>("PeriodBar")->findChild<QLabel*>(); }

    // Shows the window active with the focus in the list, for the keys.
    void ShowActive() {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->List().setFocus();
    }

    WindowFixture rig;
    ProgramDialogGuard dialogs{rig.boxes_, nullptr};
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowAccessTest, ViewButtonsAreRadioButtonsWhoseActionSwitchesTheView) {
    window->ShowView(ViewMode::Day, At(2026, 12, 1));
    const struct {
        const char* label;
        ViewMode mode;
        DateTime date;
    } presses[] = {{"Week", ViewMode::Week, At(2026, 12, 1)},
                   {"Month", ViewMode::Month, At(2026, 12, 1)},
                   {"All", ViewMode::All, At(2026, 12, 1)},
                   {"Day", ViewMode::Day, At(2026, 12, 1)},
                   {"Today", ViewMode::Day, At(2026, 12, 7)},
                   // A press on the pressed button keeps the view and its check.
                   {"Today", ViewMode::Day, At(2026, 12, 7)},
                   {"Week", ViewMode::Week, At(2026, 12, 7)},
                   {"Week", ViewMode::Week, At(2026, 12, 7)}};
    for (const auto& press : presses) {
        QAccessibleInterface* button = Button(press.label);
        ASSERT_TRUE(button);
        EXPECT_EQ(button->role(), QAccessible::RadioButton) << press.label;
        EXPECT_EQ(button->text(QAccessible::Name), press.label);
        EXPECT_TRUE(button->state().checkable);
        ASSERT_TRUE(button->actionInterface());
        EXPECT_TRUE(button->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(window->View().mode, press.mode) << press.label;
        EXPECT_EQ(window->View().viewDate, press.date) << press.label;
        EXPECT_TRUE(button->state().checked) << press.label;
    }
    // One mode is checked at a time, Today beside Day on today.
    std::map<QString, bool> checked;
    for (const char* label : {"Today", "Day", "Week", "Month", "All"})
        checked[label] = Button(label)->state().checked;
    EXPECT_EQ(
        checked,
        (std::map<QString, bool>{
            {"Today", false}, {"Day", false}, {"Week", true}, {"Month", false}, {"All", false}}));
    // The toggle a reader may ask for does what a click does too.
    Button("Day")->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(window->View().mode, ViewMode::Day);
    EXPECT_TRUE(Button("Today")->state().checked);
    EXPECT_TRUE(Button("Day")->state().checked);
    EXPECT_FALSE(Button("Week")->state().checked);
}

TEST_F(MainWindowAccessTest, FindButtonsActionShowsAndHidesTheFindBar) {
    QAccessibleInterface* find = Button("Find");
    ASSERT_TRUE(find && find->actionInterface());
    EXPECT_TRUE(find->state().checkable);
    // The toggle a reader may ask for is a click too.
    const QString press = QAccessibleActionInterface::pressAction();
    const QString toggle = QAccessibleActionInterface::toggleAction();
    for (const auto& [action, shown] :
         {std::pair{toggle, true}, std::pair{press, false}, std::pair{toggle, true}}) {
        find->actionInterface()->doAction(action);
        EXPECT_EQ(window->FindBarShown(), shown);
        EXPECT_EQ(find->state().checked, shown);
    }
    // The view buttons are not checked while the list shows search results; a press ends them.
    EXPECT_FALSE(Button("Day")->state().checked);
    Button("Month")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(window->FindBarShown());
    EXPECT_EQ(window->View().mode, ViewMode::Month);
}

TEST_F(MainWindowAccessTest, DropDownButtonsShowTheirMenusAndEveryButtonIsNamed) {
    const QString press = QAccessibleActionInterface::pressAction();
    const QString showMenu = QAccessibleActionInterface::showMenuAction();
    const struct {
        const char* label;
        QAccessible::Role role;
        QStringList actions;
    } buttons[] = {{"New", QAccessible::ButtonDropDown, {press, showMenu}},
                   {"Filter", QAccessible::ButtonMenu, {showMenu}}};
    for (const auto& b : buttons) {
        QAccessibleInterface* button = Button(b.label);
        ASSERT_TRUE(button && button->actionInterface());
        EXPECT_EQ(button->role(), b.role) << b.label;
        QStringList actions = button->actionInterface()->actionNames();
        actions.removeAll(QAccessibleActionInterface::setFocusAction());
        EXPECT_EQ(actions, b.actions) << b.label;
        // The menu opens once the request has been answered, and a press does not run New.
        bool opened = false;
        WhenShown<QMenu>([&opened](QMenu& menu) {
            opened = true;
            menu.close();
        });
        button->actionInterface()->doAction(showMenu);
        EXPECT_TRUE(RunUntil([&] { return opened; })) << b.label;
    }
    // The bars' buttons for what has no room are named "More" and open on a press.
    for (QToolButton* button : window->findChildren<QToolButton*>()) {
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(button);
        EXPECT_FALSE(reader->text(QAccessible::Name).isEmpty())
            << button->objectName().toStdString();
        if (!button->objectName().endsWith("_ext_button")) continue;
        EXPECT_EQ(reader->text(QAccessible::Name), "More");
        ASSERT_TRUE(reader->actionInterface());
        EXPECT_TRUE(reader->actionInterface()->actionNames().contains(press));
    }
}

TEST_F(MainWindowAccessTest, MenuItemsCarryTheirKeysAsShortcuts) {
    using C = MainCommand;
    const auto pad = [](Qt::KeyboardModifiers mods, Qt::Key key) {
        return QKeySequence(QKeyCombination(mods | Qt::KeypadModifier, key));
    };
    const std::pair<C, QKeySequence> keys[] = {
        {C::Modify, QKeySequence(Qt::Key_Enter)},
        {C::Properties, QKeySequence(Qt::ALT | Qt::Key_Enter)},
        {C::Delete, QKeySequence(Qt::Key_Delete)},
        {C::PreviousDay, pad({}, Qt::Key_Minus)},
        {C::NextDay, pad({}, Qt::Key_Plus)},
        {C::PreviousMonth, pad(Qt::ControlModifier, Qt::Key_Minus)},
        {C::NextMonth, pad(Qt::ControlModifier, Qt::Key_Plus)},
        {C::PreviousYear, pad(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Minus)},
        {C::NextYear, pad(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Plus)},
        {C::Calendar, QKeySequence(Qt::ALT | Qt::Key_Down)},
        {C::Find, QKeySequence(Qt::ALT | Qt::Key_F3)},
        {C::Today, QKeySequence(Qt::CTRL | Qt::Key_T)},
    };
    for (const auto& [command, key] : keys)
        EXPECT_EQ(window->Action(command)->shortcut(), key) << key.toString().toStdString();
    // No text carries its key; no key is bound twice where both could take it.
    std::map<std::pair<QKeySequence, int>, int> bound;
    for (QAction* a : window->actions()) {
        EXPECT_FALSE(a->text().contains('\t')) << a->text().toStdString();
        for (const QKeySequence& key : a->shortcuts())
            ++bound[{key, a->shortcutContext()}];
    }
    for (const QShortcut* s : window->findChildren<QShortcut*>())
        ++bound[{s->key(), s->context()}];
    for (const auto& [key, count] : bound)
        EXPECT_EQ(count, 1) << key.first.toString().toStdString();
}

TEST_F(MainWindowAccessTest, TheListsKeysStillWork) {
    ShowActive();
    ASSERT_EQ(window->List().RowCount(), 3);
    // The number pad steps months and years (the days: the main window test).
    const struct {
        Qt::KeyboardModifiers mods;
        Qt::Key key;
        DateTime day;
    } steps[] = {{Qt::ControlModifier, Qt::Key_Minus, At(2026, 11, 7)},
                 {Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Plus, At(2027, 11, 7)},
                 {Qt::ControlModifier, Qt::Key_Plus, At(2027, 12, 7)},
                 {Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Minus, At(2026, 12, 7)}};
    for (const auto& step : steps) {
        QTest::keyClick(&window->List(), step.key, step.mods | Qt::KeypadModifier);
        EXPECT_EQ(window->View().viewDate, step.day);
    }
    // Enter and the number pad's Enter open the editor; Alt+Enter the properties.
    for (const auto& [key, mods] :
         {std::pair{Qt::Key_Return, Qt::KeyboardModifiers()},
          std::pair{Qt::Key_Enter, Qt::KeyboardModifiers(Qt::KeypadModifier)}}) {
        bool edited = false;
        WhenShown<EventEditorDialog>([&edited](EventEditorDialog& editor) {
            edited = true;
            editor.reject();
        });
        QTest::keyClick(&window->List(), key, mods);
        EXPECT_TRUE(RunUntil([&] { return edited; })) << key;
    }
    bool shown = false;
    WhenShown<EventPropertiesSheet>([&shown](EventPropertiesSheet& sheet) {
        shown = true;
        sheet.reject();
    });
    QTest::keyClick(&window->List(), Qt::Key_Return, Qt::AltModifier);
    EXPECT_TRUE(RunUntil([&] { return shown; }));
    // Del asks, and deletes the selected row.
    rig.boxes_.Answer(BoxAnswer::Yes);
    QTest::keyClick(&window->List(), Qt::Key_Delete);
    EXPECT_EQ(window->List().RowCount(), 2);
    // In the find bar Enter finds, and Del deletes the text, not an event.
    ShowActive();
    QTest::keyClick(&window->List(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(window->FindBarShown());
    QWidget* field = QApplication::focusWidget();
    const size_t boxes = rig.boxes_.shown.size();
    bool dialogCame = false;
    QTimer::singleShot(300, [&dialogCame] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            dialogCame = true;
            modal->close();
        }
    });
    QTest::keyClicks(field, "Event 1");
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClick(field, Qt::Key_Return);
    QTest::qWait(400);
    EXPECT_FALSE(dialogCame);
    EXPECT_EQ(window->List().RowCount(), 1);
    EXPECT_EQ(window->PeriodText(), "Search Results");
    EXPECT_EQ(rig.boxes_.shown.size(), boxes);
}

TEST_F(MainWindowAccessTest, ThePeriodCaptionIsAButtonThatDropsTheCalendar) {
    ShowActive();
    QLabel* caption = Caption();
    ASSERT_TRUE(caption);
    EXPECT_TRUE(caption->focusPolicy() & Qt::TabFocus);
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(caption);
    EXPECT_EQ(button->role(), QAccessible::Button);
    EXPECT_EQ(button->text(QAccessible::Name), window->PeriodText());
    EXPECT_EQ(button->text(QAccessible::Description), "Period shown; click for the calendar");
    ASSERT_TRUE(button->actionInterface());
    const auto dropped = [this] {
        return window->DropDownCalendar() && window->DropDownCalendar()->isVisible();
    };
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(dropped());
    // Tab leaves the list for the caption.
    window->DropDownCalendar()->hide();
    window->List().setFocus();
    QTest::keyClick(&window->List(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), caption);
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        window->DropDownCalendar()->hide();
        caption->setFocus();
        QTest::keyClick(caption, key);
        EXPECT_TRUE(dropped()) << key;
    }
}

TEST_F(MainWindowAccessTest, StatusPanesAreNamedByWhatTheyShow) {
    rig.types_.Filters().push_back({0, "Family", {"Birthday"}});
    std::map<QString, QString> names;
    const auto read = [&] {
        names.clear();
        for (QLabel* pane : window->statusBar()->findChildren<QLabel*>())
            if (!pane->isHidden())
                names[pane->objectName()] =
                    QAccessible::queryAccessibleInterface(pane)->text(QAccessible::Name);
    };
    read();
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names["rowsPane"], "Number of events listed: 3");
    EXPECT_TRUE(names["clockPane"].startsWith("Current date and time: Mon"))
        << names["clockPane"].toStdString();
    window->ShowView(ViewMode::All);
    // An active filter names itself.
    WriteText(rig.settings_, SettingId::ActiveFilter, "Family");
    window->close();
    window = std::make_unique<MainWindow>(rig.Context(), rig.boxes_, dialogs);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    read();
    EXPECT_EQ(names["filterPane"], "Active filter: Family");
}

TEST(ToolbarCustomizeDialog, AReadersToggleChecksAButtonAsAClickDoes) {
    const std::vector<QString> labels = {"New", "Delete", "Properties"};
    std::vector<bool> shown = {true, true, false};
    bool found = false;
    WhenShown<QDialog>([&found](QDialog& dialog) {
        for (const char* name : {"Delete", "Properties"}) {
            QAccessibleInterface* box =
                FindCheckable(QAccessible::queryAccessibleInterface(&dialog), name);
            if (!box || !box->actionInterface()) break;
            found = true;
            box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        }
        dialog.accept();
    });
    ASSERT_TRUE(ChooseToolbarButtons(labels, shown, nullptr));
    EXPECT_TRUE(found);
    EXPECT_EQ(shown, (std::vector<bool>{true, false, true}));
}

// A dark palette as a desktop's dark theme gives it.
QPalette DarkPalette() {
    QPalette dark = QApplication::palette();
    const QColor window(0x30, 0x30, 0x34);
    for (const auto role : {QPalette::Window, QPalette::Button})
        dark.setColor(role, window);
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x24));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, Qt::white);
    return dark;
}

TEST_F(MainWindowAccessTest, Screenshots) {
    // The period caption with the keyboard's focus, and the Customize Toolbar dialog's check
    // boxes, in a light and a dark palette.
    QDir().mkpath(ZM_SCREENSHOT_DIR);
    window->resize(900, 300);
    for (const auto& [palette, suffix] :
         {std::pair{QApplication::palette(), "light"}, std::pair{DarkPalette(), "dark"}}) {
        window->setPalette(palette);
        // Reached by Tab, the caption shows its focus frame.
        ShowActive();
        QTest::keyClick(&window->List(), Qt::Key_Tab);
        QApplication::processEvents();
        EXPECT_TRUE(window->grab().save(QString(ZM_SCREENSHOT_DIR) + "/main-window-caption-focus-" +
                                        suffix + ".png"));
        std::vector<bool> shown(11, true);
        shown[2] = false;
        WhenShown<QDialog>([palette, suffix](QDialog& dialog) {
            dialog.setPalette(palette);
            QApplication::processEvents();
            EXPECT_TRUE(dialog.grab().save(QString(ZM_SCREENSHOT_DIR) + "/customize-toolbar-" +
                                           suffix + ".png"));
            dialog.reject();
        });
        const std::vector<QString> labels = {"New",    "Delete", "Properties", "Today",
                                             "Day",    "Week",   "Month",      "All",
                                             "Filter", "Find",   "About"};
        EXPECT_FALSE(ChooseToolbarButtons(labels, shown, window.get()));
    }
}

} // namespace
} // namespace zm::testing
