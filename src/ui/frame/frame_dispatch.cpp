// The frame's commands: what each menu item, shortcut key and request of another window does.

#include "frame/frame_commands.h"
#include "platform/setting_table.h"
#include "platform/settings.h"
#include "res/strings.h"
#include "store/event_store.h"
#include "store/quick/quick_run.h"
#include "ui/common/ui_text.h"
#include "ui/frame/help_window.h"
#include "ui/frame/main_frame.h"
#include "ui/frame/message_boxes.h"
#include "ui/frame/window_commands.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace zm {

void MainFrame::Dispatch(uint32_t command) {
    if (closing_) return;
    const FrameCommand c = ClassifyCommand(command, parts_.types.TypeCount(), parts_.quick.Count());
    if (c.action != FrameAction::Restore && parts_.windows.ProgramDialogOpen() &&
        DisabledWhileDialogOpen(c.action)) {
        QApplication::beep();
        parts_.windows.RaiseProgramDialog();
        return;
    }
    switch (c.action) {
    case FrameAction::None:
        return;
    case FrameAction::Restore:
        OpenMainWindow();
        return;
    case FrameAction::ToggleReminders:
        ToggleReminders();
        return;
    case FrameAction::SoundOn:
        SetSound(true);
        return;
    case FrameAction::SoundOff:
        SetSound(false);
        return;
    case FrameAction::Stopwatch:
        parts_.windows.OpenStopwatch();
        return;
    case FrameAction::Countdown:
        parts_.windows.OpenCountdown();
        return;
    case FrameAction::Preferences:
        parts_.windows.OpenPreferences(PreferencesForm::Full);
        return;
    case FrameAction::CustomizeTypes:
        parts_.windows.OpenPreferences(PreferencesForm::Types);
        return;
    case FrameAction::CustomizeQuick:
        parts_.windows.OpenPreferences(PreferencesForm::QuickReminders);
        return;
    case FrameAction::NewOfType:
        StartNewEvent(static_cast<int>(c.index));
        return;
    case FrameAction::QuickReminder:
        RunQuickReminder(c.index);
        return;
    case FrameAction::WebPage:
        QDesktopServices::openUrl(QUrl(Text(IDS_WEB_ADDRESS)));
        return;
    case FrameAction::HelpTopics:
        HelpWindow::Show();
        return;
    case FrameAction::About:
        ShowAbout();
        return;
    case FrameAction::Exit:
        RequestClose();
        return;
    }
}

void MainFrame::HotKeyPressed(int id) {
    if (closing_) return;
    switch (id) {
    case kMainWindowHotKeyId:
        OpenMainWindow();
        return;
    case kCalendarHotKeyId:
        OpenCalendar(kClockClick);
        return;
    case kNewEventHotKeyId:
        StartNewEvent(parts_.types.TypeCount() > 0 ? 0 : -1);
        return;
    default:
        return;
    }
}

void MainFrame::OpenMainWindow() {
    if (!parts_.windows.MainWindowOpen() && parts_.windows.ProgramDialogOpen()) {
        QApplication::beep();
        parts_.windows.RaiseProgramDialog();
        return;
    }
    parts_.windows.OpenMainWindow();
}

void MainFrame::StartNewEvent(int typeIndex) {
    if (parts_.windows.ProgramDialogOpen()) {
        QApplication::beep();
        parts_.windows.RaiseProgramDialog();
        return;
    }
    parts_.windows.NewEvent(typeIndex);
}

void MainFrame::OpenCalendar(ClickPoint at) {
    parts_.windows.OpenCalendar(at);
}

void MainFrame::SetSound(bool on) {
    if (parts_.options.reminderSound == on) return;
    parts_.options.reminderSound = on;
    // Kept at once, not at exit.
    WriteBool(parts_.settings, SettingId::ReminderSound, on);
    if (settingsChanged) settingsChanged();
    if (!on && stopReminderSounds) stopReminderSounds();
    FillMenu();
}

void MainFrame::RunQuickReminder(size_t index) {
    const QuickReminder* quick = parts_.quick.At(index);
    if (!quick) return;
    EventRecord event = zm::RunQuickReminder(*quick, parts_.types, parts_.store.Now());
    const LibraryResult stored = parts_.store.StoreNew(event);
    if (stored != LibraryResult::Ok) ShowLibraryError(stored);
}

void MainFrame::ShowAbout() {
    QMessageBox::about(nullptr, Text(IDS_ABOUT_CAPTION), Text(IDS_ABOUT_TEXT));
}

} // namespace zm
