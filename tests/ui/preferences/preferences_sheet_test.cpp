// The preferences sheet: the work-week boxes, the format builder, the shortcut-key fields, OK
// with a refused key, the forms not available yet, and a screenshot of each page.

#include "platform/hot_key_code.h"
#include "platform/shortcut_keys.h"
#include "res/strings.h"
#include "support/fake_hot_keys.h"
#include "support/nameless_controls.h"
#include "support/temp_folder.h"
#include "support/window_fixture.h"
#include "ui/preferences/calendar_page.h"
#include "ui/preferences/clock_page.h"
#include "ui/preferences/font_chooser.h"
#include "ui/preferences/general_page.h"
#include "ui/preferences/hot_key_field.h"
#include "ui/preferences/other_page.h"
#include "ui/preferences/preferences_hooks.h"
#include "ui/preferences/preferences_sheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>

namespace zm {
namespace {

constexpr uint8_t kCtrlAlt = kHotKeyControl | kHotKeyAlt;

class PreferencesSheetTest : public ::testing::Test {
protected:
    PreferencesSheetTest() {
        hooks.installShortcutKeys = [this](const ShortcutKeyCodes& codes) {
            return InstallShortcutKeys(keys, codes);
        };
        hooks.weekSettingsChanged = [this] { ++weekChanges; };
        hooks.settingsSaved = [this] { ++saves; };
        hooks.autostartEntry = folder.File("autostart/zantimore.desktop");
        hooks.programPath = "/opt/zantimore/zantimore";
    }

    testing::WindowFixture f;
    FakeHotKeys desktop;
    ShortcutKeys keys{desktop};
    testing::TempFolder folder;
    PreferencesHooks hooks;
    int weekChanges = 0;
    int saves = 0;
};

TEST_F(PreferencesSheetTest, WorkWeekFlagsMoveWithTheirWeekdays) {
    f.options_.firstDayOfWeek = 6;   // Sunday
    f.options_.workWeek = 0b0111110; // Monday to Friday
    PreferencesSheet sheet(f.Context(), f.boxes_, SheetForm::Full, hooks, nullptr);
    CalendarPage& page = *sheet.Calendar();
    EXPECT_EQ(page.WorkDayBox(0)->text(), "Sun");
    EXPECT_FALSE(page.WorkDayBox(0)->isChecked());
    EXPECT_TRUE(page.WorkDayBox(1)->isChecked());
    page.WorkDayBox(0)->setChecked(true); // Sunday becomes a work day

    page.FirstDayCombo()->setCurrentIndex(0); // Monday first
    EXPECT_EQ(page.WorkDayBox(0)->text(), "Mon");
    EXPECT_EQ(page.WorkDayBox(6)->text(), "Sun");
    for (int box = 0; box < 7; ++box)
        EXPECT_EQ(page.WorkDayBox(box)->isChecked(), box != 5) << box; // Saturday is off

    sheet.accept();
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(f.options_.workWeek, 0b0111111);
    EXPECT_EQ(f.options_.firstDayOfWeek, 0);
    EXPECT_EQ(ReadInt(f.settings_, SettingId::WorkWeek), 0b0111111);
    EXPECT_EQ(weekChanges, 1);
    EXPECT_EQ(saves, 1);
}

TEST_F(PreferencesSheetTest, DateCodesAreKeptApartWithHiddenSeparators) {
    PreferencesSheet sheet(f.Context(), f.boxes_, SheetForm::Full, hooks, nullptr);
    ClockPage& page = *sheet.Clock();
    QLineEdit& edit = *page.FormatEdit();
    QAction* month2 = page.Menu(FormatMenu::Date)->actions().at(6); // "Month (2 digits)"
    ASSERT_TRUE(month2->text().startsWith("Month (2 digits)"));

    edit.setText("dd");
    month2->trigger();
    EXPECT_EQ(edit.text(), "dd~MM");
    edit.undo();
    EXPECT_EQ(edit.text(), "dd");

    edit.setText("dd ");
    month2->trigger();
    EXPECT_EQ(edit.text(), "dd MM");

    edit.setText("ddyy");
    edit.setCursorPosition(2);
    month2->trigger();
    EXPECT_EQ(edit.text(), "dd~MM~yy");

    edit.setText("hh");
    page.Menu(FormatMenu::Separator)->actions().at(4)->trigger(); // "Line break"
    EXPECT_EQ(edit.text(), "hh|");
}

TEST_F(PreferencesSheetTest, ABareKeyBecomesCtrlAltPlusTheKey) {
    PreferencesSheet sheet(f.Context(), f.boxes_, SheetForm::Full, hooks, nullptr);
    HotKeyField& field = *sheet.General()->MainWindowKey();
    QTest::keyClick(&field, Qt::Key_F);
    EXPECT_EQ(field.Code(), MakeHotKeyCode('F', kCtrlAlt));
    EXPECT_EQ(field.keySequence(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_F));
    QTest::keyClick(&field, Qt::Key_G, Qt::ShiftModifier);
    EXPECT_EQ(field.Code(), MakeHotKeyCode('G', kHotKeyShift));
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.Code(), 0);
}

TEST_F(PreferencesSheetTest, ARefusedKeyShowsItsPageAndSavesNothing) {
    desktop.heldElsewhere.insert({'N', kCtrlAlt});
    PreferencesSheet sheet(f.Context(), f.boxes_, SheetForm::Full, hooks, nullptr);
    sheet.General()->MainWindowKey()->SetCode(MakeHotKeyCode('W', kCtrlAlt));
    sheet.Other()->NewEventKey()->SetCode(MakeHotKeyCode('N', kCtrlAlt));
    sheet.Calendar()->FirstDayCombo()->setCurrentIndex(3);

    sheet.accept();
    EXPECT_NE(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(sheet.Tabs()->currentWidget(), sheet.Other());
    EXPECT_EQ(f.boxes_.LastText(), QString::fromUtf8(LoadString(IDS_HOTKEY_NOT_INSTALLED)));
    EXPECT_TRUE(f.settings_.values.empty());
    EXPECT_EQ(f.options_.mainWindowHotKey, 0);
    EXPECT_EQ(f.options_.firstDayOfWeek, 0);
    EXPECT_EQ(keys.Installed(kMainWindowHotKeyId), 0);
    EXPECT_TRUE(desktop.held.empty());
    EXPECT_EQ(saves, 0);
    EXPECT_FALSE(std::filesystem::exists(hooks.autostartEntry.parent_path()));
}

TEST_F(PreferencesSheetTest, TheReducedFormsShowTheirOnePage) {
    const SheetForm forms[] = {SheetForm::TypesOnly, SheetForm::QuickRemindersOnly,
                               SheetForm::PrintingOnly, SheetForm::Full};
    const int pages[] = {1, 1, 1, 7};
    const char* captions[] = {"Customize types", "Customize Quick Reminders", "Customize Preview",
                              "Modify Preferences"};
    for (size_t i = 0; i < std::size(forms); ++i) {
        PreferencesSheet sheet(f.Context(), f.boxes_, forms[i], hooks, nullptr);
        EXPECT_EQ(sheet.Tabs()->count(), pages[i]);
        EXPECT_EQ(sheet.windowTitle(), captions[i]);
        EXPECT_EQ(sheet.Types() != nullptr,
                  forms[i] != SheetForm::QuickRemindersOnly && forms[i] != SheetForm::PrintingOnly);
        sheet.accept(); // nothing changed: nothing to save
        EXPECT_EQ(sheet.result(), QDialog::Accepted);
    }
}

TEST_F(PreferencesSheetTest, AutorunWritesAnEntryThatTheNextSheetShowsTicked) {
    {
        PreferencesSheet sheet(f.Context(), f.boxes_, SheetForm::Full, hooks, nullptr);
        for (QCheckBox* box : sheet.General()->findChildren<QCheckBox*>())
            if (box->text() == QString::fromUtf8(LoadString(IDS_GENERAL_LOAD_ON_STARTUP)))
                box->setChecked(true);
        sheet.accept();
    }
    ASSERT_TRUE(std::filesystem::exists(hooks.autostartEntry));
    PreferencesSheet again(f.Context(), f.boxes_, SheetForm::Full, hooks, nullptr);
    EXPECT_TRUE(again.General()->Autorun());
}

TEST_F(PreferencesSheetTest, AutorunThatCannotBeSetIsToldAndNotShownTicked) {
    const QString refused = "Zantimore cannot be loaded on startup from where it is";
    const QString notWritten = "The startup entry could not be changed";
    struct Case {
        const char* program;
        bool blockFolder; // a file where the autostart folder should be
        const QString* told;
    };
    const Case cases[] = {
        {"/opt/100%/zantimore", false, &refused},
        {"/opt/a\tb/zantimore", false, &refused},
        {"/opt/a\nb/zantimore", false, &refused},
        {"/opt/zantimore/zantimore", true, &notWritten},
    };
    for (const Case& c : cases) {
        hooks.programPath = c.program;
        if (c.blockFolder) std::ofstream(hooks.autostartEntry.parent_path().string()) << "x";
        f.boxes_.shown.clear();
        {
            PreferencesSheet sheet(f.Context(), f.boxes_, SheetForm::Full, hooks, nullptr);
            for (QCheckBox* box : sheet.General()->findChildren<QCheckBox*>())
                if (box->text() == QString::fromUtf8(LoadString(IDS_GENERAL_LOAD_ON_STARTUP)))
                    box->setChecked(true);
            sheet.accept();
            EXPECT_EQ(sheet.result(), QDialog::Accepted);
        }
        ASSERT_FALSE(f.boxes_.shown.empty()) << c.program;
        EXPECT_TRUE(f.boxes_.LastText().startsWith(*c.told)) << c.program;
        EXPECT_TRUE(f.boxes_.LastText().contains(QString::fromUtf8(c.program)) || c.blockFolder);
        EXPECT_FALSE(std::filesystem::is_regular_file(hooks.autostartEntry)) << c.program;
        PreferencesSheet again(f.Context(), f.boxes_, SheetForm::Full, hooks, nullptr);
        EXPECT_FALSE(again.General()->Autorun()) << c.program;
    }
}

TEST_F(PreferencesSheetTest, TheClockToggleShowsAtOnceAndCancelPutsItBack) {
    std::vector<bool> shown;
    hooks.showClock = [&shown](bool on) { shown.push_back(on); };
    {
        PreferencesSheet sheet(f.Context(), f.boxes_, SheetForm::Full, hooks, nullptr);
        ClockPage& page = *sheet.Clock();
        page.ShowBox()->setChecked(false);
        EXPECT_FALSE(page.FormatEdit()->isEnabled());
        EXPECT_FALSE(page.TestButtons()[0]->isEnabled());
        sheet.reject();
    }
    EXPECT_EQ(shown, (std::vector<bool>{false, true}));
    EXPECT_TRUE(f.settings_.values.empty());

    int applied = 0;
    hooks.clockSettingsChanged = [&applied] { ++applied; };
    PreferencesSheet sheet(f.Context(), f.boxes_, SheetForm::Full, hooks, nullptr);
    sheet.Tabs()->setCurrentWidget(sheet.Clock());
    sheet.Clock()->FormatEdit()->setText("HH:mm");
    sheet.Clock()->SetAlignment(2);
    sheet.accept();
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(ReadText(f.settings_, SettingId::ClockFormat), "HH:mm");
    EXPECT_EQ(ReadInt(f.settings_, SettingId::ClockAlignment), 2);
}

TEST(FontChooser, AChosenSizeStaysWithin8And24Points) {
    FontChooser chooser(FontDescription{}, "Font", nullptr);
    QFont big("Arial");
    big.setPointSize(30);
    chooser.Choose(big);
    EXPECT_TRUE(chooser.Changed());
    EXPECT_EQ(chooser.Label()->text(), "Arial (24 pt.)");
    big.setPointSize(6);
    chooser.Choose(big);
    EXPECT_EQ(chooser.Label()->text(), "Arial (8 pt.)");
}

TEST_F(PreferencesSheetTest, EveryControlOnEveryPageHasAName) {
    PreferencesSheet sheet(f.Context(), f.boxes_, SheetForm::Full, hooks, nullptr);
    EXPECT_EQ(testing::NamelessControls(sheet), "");
}

TEST(Screenshots, Preferences) {
    testing::WindowFixture f;
    PreferencesHooks hooks;
    testing::TempFolder folder;
    hooks.autostartEntry = folder.File("autostart/zantimore.desktop");
    QDir().mkpath(ZM_SCREENSHOT_DIR);
    PreferencesSheet sheet(f.Context(), f.boxes_, SheetForm::Full, hooks, nullptr);
    sheet.resize(sheet.sizeHint());
    const char* names[] = {"general", "calendar", "clock", "types", "quick", "printing", "other"};
    ASSERT_EQ(sheet.Tabs()->count(), 7);
    for (int i = 0; i < 7; ++i) {
        sheet.Tabs()->setCurrentIndex(i);
        EXPECT_TRUE(
            sheet.grab().save(QString(ZM_SCREENSHOT_DIR) + "/preferences-" + names[i] + ".png"));
    }
}

} // namespace
} // namespace zm
