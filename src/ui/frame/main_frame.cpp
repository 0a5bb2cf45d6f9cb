#include "ui/frame/main_frame.h"

#include "frame/tray_menu_model.h"
#include "platform/memory_trim.h"
#include "platform/time_change_watch.h"
#include "platform/tray_presence.h"
#include "res/strings.h"
#include "store/event_store.h"
#include "ui/common/menu_choice.h"
#include "ui/common/ui_text.h"
#include "ui/frame/message_boxes.h"
#include "ui/frame/tray_images.h"
#include "ui/frame/tray_menu_builder.h"
#include "ui/frame/window_closing.h"
#include "ui/frame/window_commands.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QSocketNotifier>
#include <QSystemTrayIcon>

namespace zm {

MainFrame::MainFrame(FrameParts parts, QObject* parent)
    : QObject(parent), parts_(parts),
      host_([this](LibraryResult code) { Fatal(code); }, [this] { TrimMemory(); }),
      scheduler_(parts.store, parts.presenter, host_, {startupDelay_, tick_, nextDue_}),
      keys_(parts.hotKeys), menu_(std::make_unique<QMenu>()), trayWait_(parts.trayWaitLimit) {
    singleClick_.setSingleShot(true);
    connect(&singleClick_, &QTimer::timeout, this, &MainFrame::SingleClickDelayOver);
    connect(menu_.get(), &QMenu::aboutToShow, this, &MainFrame::FillMenu);
    connect(menu_.get(), &QMenu::aboutToHide, this,
            [this] { QTimer::singleShot(0, this, &MainFrame::TrimMemory); });
    WatchMenu(*menu_);
    trayLook_.setSingleShot(true);
    connect(&trayLook_, &QTimer::timeout, this, &MainFrame::LookForTray);
    parts_.hotKeys.SetPressedHandler([this](int id) {
        // Out of the native event filter first.
        QMetaObject::invokeMethod(
            this, [this, id] { HotKeyPressed(id); }, Qt::QueuedConnection);
    });
}

MainFrame::~MainFrame() {
    parts_.hotKeys.SetPressedHandler({});
    scheduler_.Stop();
}

void MainFrame::OptionsChanged() {
    scheduler_.SetHideWhenOver(parts_.options.hideWhenOver);
}

LibraryResult MainFrame::Create() {
    OptionsChanged();
    const LibraryResult started =
        scheduler_.Start(std::chrono::minutes(parts_.options.startupDelayMinutes));
    if (started != LibraryResult::Ok) {
        ShowFatalError(started);
        return started;
    }
    // A key held by another program is silently not installed.
    (void)keys_.Set(kMainWindowHotKeyId, parts_.options.mainWindowHotKey);
    (void)keys_.Set(kCalendarHotKeyId, parts_.options.calendarHotKey);
    (void)keys_.Set(kNewEventHotKeyId, parts_.options.newEventHotKey);
    sinceCreate_.start();
    if (parts_.trayPresence)
        LookForTray();
    else
        ShowTrayIcon();
    // The menu's items and images are made off the start's path, a moment after the event loop
    // runs and long before a click is likely (and again each time it opens).
    QTimer::singleShot(kMenuPrefillDelay, this, &MainFrame::FillMenu);
    WatchTimeChanges();
    return LibraryResult::Ok;
}

void MainFrame::ShowTrayIcon() {
    if (tray_) return;
    tray_ = new QSystemTrayIcon(ProgramTrayIcon(scheduler_.RemindersEnabled()), this);
    tray_->setToolTip(Text(IDS_APP_TITLE));
    tray_->setContextMenu(menu_.get());
    connect(tray_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) { OnTrayActivated(reason); });
    tray_->show();
}

void MainFrame::LookForTray() {
    if (closing_) return;
    const auto sinceStart = std::chrono::milliseconds(sinceCreate_.elapsed());
    switch (trayWait_.Look(sinceStart, parts_.trayPresence->TrayThere())) {
    case TrayWait::Step::ShowIcon:
        ShowTrayIcon();
        return;
    case TrayWait::Step::Done:
        return;
    case TrayWait::Step::OpenMainWindow:
        emit noTrayFound();
        break;
    case TrayWait::Step::Wait:
        break;
    }
    trayLook_.start(trayWait_.NextLookIn());
}

void MainFrame::WatchTimeChanges() {
    if (!parts_.timeWatch) return;
    // Asked on every tick too, so a resume is noticed even without the descriptor.
    scheduler_.SetTimeChangeWatch(parts_.timeWatch);
    if (parts_.timeWatch->Descriptor() < 0) return;
    timeNotifier_ =
        new QSocketNotifier(parts_.timeWatch->Descriptor(), QSocketNotifier::Read, this);
    connect(timeNotifier_, &QSocketNotifier::activated, this, [this] {
        if (!closing_) scheduler_.CheckTimeChanges();
    });
}

QMenu& MainFrame::TrayMenu() {
    FillMenu();
    return *menu_;
}

void MainFrame::FillMenu() {
    TrayMenuState state;
    state.remindersEnabled = scheduler_.RemindersEnabled();
    state.soundOn = parts_.options.reminderSound;
    state.programDialogOpen = parts_.windows.ProgramDialogOpen();
    state.plainMenu = parts_.options.plainTrayMenu;
    FillTrayMenu(
        *menu_, BuildTrayMenu(state, parts_.types, parts_.quick),
        [this](int image) { return TrayMenuImage(image, parts_.types, parts_.quick); },
        [this](uint32_t command) { Dispatch(command); });
}

void MainFrame::OnTrayActivated(int reason) {
    if (closing_) return;
    switch (reason) {
    case QSystemTrayIcon::Trigger: {
        const QPoint at = QCursor::pos();
        if (clicks_.TrayLeftClick(parts_.options.calendarOnLeftClick, {at.x(), at.y()}))
            singleClick_.start(QApplication::doubleClickInterval() + 1);
        return;
    }
    case QSystemTrayIcon::DoubleClick:
        singleClick_.stop();
        clicks_.DoubleClick();
        OpenMainWindow();
        return;
    case QSystemTrayIcon::Context:
        FillMenu();
        return;
    default:
        return;
    }
}

void MainFrame::SingleClickDelayOver() {
    const bool leftDown = QGuiApplication::mouseButtons() & Qt::LeftButton;
    // Which window is in front cannot be asked of every desktop: the click's own window is
    // taken to be.
    if (clicks_.DelayOver(leftDown, true)) OpenCalendar(clicks_.Point());
}

void MainFrame::ToggleReminders() {
    scheduler_.SetRemindersEnabled(!scheduler_.RemindersEnabled());
    // The image follows the flag, also when the tray comes back after its host restarted.
    if (tray_) tray_->setIcon(ProgramTrayIcon(scheduler_.RemindersEnabled()));
    FillMenu();
}

void MainFrame::TrimMemory() {
    if (!parts_.windows.MainWindowOpen()) ReleaseFreeMemory();
}

void MainFrame::Fatal(LibraryResult code) {
    if (closing_) return;
    scheduler_.Stop();
    singleClick_.stop();
    ShowFatalError(code);
    RequestClose();
}

void MainFrame::RequestClose() {
    if (closing_) return;
    closing_ = true;
    scheduler_.Stop();
    singleClick_.stop();
    CloseDialogsThen([this] { CloseNow(); });
}

void MainFrame::CloseNow() {
    if (closed_) return;
    closing_ = true;
    scheduler_.Stop();
    singleClick_.stop();
    keys_.ReleaseAll();
    parts_.windows.CloseAll();
    if (closeReminderWindows) closeReminderWindows();
    parts_.store.Close();
    trayLook_.stop();
    if (tray_) tray_->hide();
    closed_ = true;
    emit closed();
}

} // namespace zm
