// OK on the real preferences sheet, joined to the running program's parts as the program joins
// them: each option, toggled on its page, acts at once on the part that uses it.

#include "platform/hot_key_code.h"
#include "platform/setting_table.h"
#include "print/print_options.h"
#include "res/strings.h"
#include "support/fake_hot_keys.h"
#include "support/temp_folder.h"
#include "support/window_fixture.h"
#include "ui/frame/main_frame.h"
#include "ui/main/preference_links.h"
#include "ui/main/program_windows.h"
#include "ui/preferences/calendar_page.h"
#include "ui/preferences/general_page.h"
#include "ui/preferences/preferences_sheet.h"
#include "ui/preferences/printing_page.h"

#include <QAbstractButton>
#include <QTabWidget>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace zm::testing {
namespace {

struct NoReminders final : ReminderPresenter {
    PresentResult Present(const EventRecord&) override { return PresentResult::Shown; }
    bool IsOpen(uint16_t) const override { return false; }
    LibraryResult CloseWindowsWhoseTimeIsOver() override { return LibraryResult::Ok; }
};

// The button of the page with the text.
QAbstractButton* ButtonOf(QWidget& page, int textId) {
    const QString text = QString::fromUtf8(LoadString(textId));
    for (QAbstractButton* b : page.findChildren<QAbstractButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

// The program's windows and frame with the preferences linked as the program links them.
struct LinkedProgram {
    LinkedProgram() {
        LinkPreferences(windows.preferencesHooks, rig.Context(), frame, windows, rig.boxes_);
    }
    WindowFixture rig;
    FakeHotKeys desktop;
    NoReminders presenter;
    ProgramWindows windows{rig.Context(), rig.boxes_};
    MainFrame frame{FrameParts{rig.store_, rig.types_, rig.quick_, rig.settings_, rig.options_,
                               windows, desktop, presenter}};
};

TEST(PreferenceLinks, EachOptionActsOnItsPartAtOnce) {
    LinkedProgram program;
    WindowFixture& rig = program.rig;
    ProgramWindows& windows = program.windows;
    MainFrame& frame = program.frame;
    PreferencesHooks& hooks = windows.preferencesHooks;
    const TempFolder folder;
    hooks.autostartEntry = folder.File("autostart/zantimore.desktop");
    hooks.programPath = "/opt/zantimore/zantimore";
    windows.OpenMainWindow();
    frame.OptionsChanged(); // as at start

    const ProgramSettings& o = rig.options_;
    const auto print = [&rig] { return ReadPrintOptions(rig.settings_, true); };
    enum class Page { General, Calendar, Printing };
    struct Row {
        Page page;
        int text;
        // What the running part uses: the scheduler, the store's week settings, the options the
        // windows read when they draw or open, the settings a print job or the next start reads.
        std::function<bool()> inUse;
    };
    const Row rows[] = {
        {Page::General, IDS_GENERAL_SHOW_ON_STARTUP,
         [&] { return ReadBool(rig.settings_, SettingId::ShowOnStartup); }},
        {Page::General, IDS_GENERAL_SHOW_GRIDLINES, [&] { return o.showGridlines; }},
        {Page::General, IDS_GENERAL_OLD_STYLE, [&] { return !o.newTimePicker; }},
        {Page::General, IDS_GENERAL_ALWAYS_ON_TOP, [&] { return o.reminderOnTop; }},
        {Page::General, IDS_GENERAL_LOAD_ON_STARTUP,
         [&] { return std::filesystem::exists(hooks.autostartEntry); }},
        {Page::General, IDS_GENERAL_CENTER_TITLE, [&] { return o.centerReminderTitle; }},
        {Page::General, IDS_GENERAL_REMEMBER_SNOOZE, [&] { return o.rememberSnooze; }},
        {Page::General, IDS_GENERAL_HIDE_WHEN_OVER,
         [&] { return frame.ReminderScheduler().HideWhenOver(); }},
        {Page::Calendar, IDS_CALENDAR_CHECK_WEEKEND,
         [&] { return rig.store_.Week().checkWeekendEvents; }},
        {Page::Calendar, IDS_CALENDAR_WEEK_NUMBERS, [&] { return o.showWeekNumbers; }},
        {Page::Calendar, IDS_CALENDAR_LEFT_CLICK, [&] { return o.calendarOnLeftClick; }},
        {Page::Printing, IDS_PRINTING_TITLE, [&] { return print().title; }},
        {Page::Printing, IDS_PRINTING_TIME_SPAN, [&] { return print().timeSpan; }},
        {Page::Printing, IDS_PRINTING_BLACK_AND_WHITE, [&] { return !print().colour; }},
        {Page::Printing, IDS_PRINTING_NOTES, [&] { return print().notes; }},
        {Page::Printing, IDS_PRINTING_DATE_TIME, [&] { return print().dateTime; }},
        {Page::Printing, IDS_PRINTING_PAGE_NUMBER, [&] { return print().pageNumber; }},
    };
    for (const Row& row : rows) {
        const char* what = LoadString(row.text);
        for (int round = 0; round < 2; ++round) { // on, then off again (or the other way)
            PreferencesSheet sheet(rig.Context(), rig.boxes_, SheetForm::Full, hooks, nullptr);
            QWidget* page = row.page == Page::General    ? static_cast<QWidget*>(sheet.General())
                            : row.page == Page::Calendar ? static_cast<QWidget*>(sheet.Calendar())
                                                         : static_cast<QWidget*>(sheet.Printing());
            sheet.Tabs()->setCurrentWidget(page);
            QAbstractButton* button = ButtonOf(*page, row.text);
            ASSERT_NE(button, nullptr) << what;
            button->click(); // a radio button is chosen, a box toggles
            const bool wanted = button->isChecked();
            sheet.accept();
            ASSERT_EQ(sheet.result(), QDialog::Accepted) << what;
            EXPECT_EQ(row.inUse(), wanted) << what << " round " << round;
            if (button->autoExclusive()) break; // a radio button is not clicked off
        }
    }
    windows.CloseAll();
}

TEST(PreferenceLinks, AWorkDayReachesTheStoreAlone) {
    LinkedProgram program;
    WindowFixture& rig = program.rig;
    ProgramWindows& windows = program.windows;
    const TempFolder folder;
    windows.preferencesHooks.autostartEntry = folder.File("autostart/zantimore.desktop");
    PreferencesSheet sheet(rig.Context(), rig.boxes_, SheetForm::Full, windows.preferencesHooks,
                           nullptr);
    const uint8_t before = rig.store_.Week().workWeek;
    for (QAbstractButton* b : sheet.Calendar()->findChildren<QAbstractButton*>())
        if (b->text() == "Sun") b->click();
    sheet.accept();
    EXPECT_NE(rig.store_.Week().workWeek, before);
    EXPECT_EQ(rig.store_.Week().workWeek, rig.options_.workWeek);
}

} // namespace
} // namespace zm::testing
