// The resident frame offscreen: its tray menu, its toggles, a quick reminder, a shortcut key and
// its closing steps.

#include "frame/frame_commands.h"
#include "platform/hot_key_code.h"
#include "platform/memory_settings.h"
#include "platform/setting_table.h"
#include "store/event_store.h"
#include "store/quick/quick_list.h"
#include "store/types/type_list.h"
#include "support/event_builders.h"
#include "support/fake_hot_keys.h"
#include "support/fake_tray_presence.h"
#include "support/temp_folder.h"
#include "ui/frame/main_frame.h"
#include "ui/frame/message_boxes.h"
#include "ui/frame/tray_images.h"
#include "ui/frame/window_commands.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMessageBox>
#include <QSystemTrayIcon>
#include <QTimer>
#include <gtest/gtest.h>

namespace zm {
namespace {

class QtEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "ui_frame_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};
[[maybe_unused]] ::testing::Environment* const kQt =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

struct NoReminders final : ReminderPresenter {
    PresentResult Present(const EventRecord&) override { return PresentResult::Shown; }
    bool IsOpen(uint16_t) const override { return false; }
    LibraryResult CloseWindowsWhoseTimeIsOver() override { return LibraryResult::Ok; }
};

QAction* FindAction(QMenu& menu, uint32_t command) {
    for (QAction* action : menu.actions()) {
        if (action->menu()) {
            if (QAction* inner = FindAction(*action->menu(), command)) return inner;
        } else if (action->data().toUInt() == command) {
            return action;
        }
    }
    return nullptr;
}

struct MainFrameTest : ::testing::Test {
    MainFrameTest() {
        StoreSetup setup;
        setup.now = [this] { return now; };
        setup.programFolder = folder.Path();
        store = std::make_unique<EventStore>(setup);
        types.CreatePredefined();
        QuickReminder tea;
        tea.menuName = "Tea";
        tea.eventName = "Tea is ready";
        tea.offset = TimeAmount{5};
        quick.AddWithDefaultIcon(tea);
        options.mainWindowHotKey = MakeHotKeyCode('A', kHotKeyControl);
        EXPECT_EQ(store->OpenDefaultLibrary(), LibraryResult::Ok);
        frame = std::make_unique<MainFrame>(
            FrameParts{*store, types, quick, settings, options, windows, hotKeys, reminders});
        frame->stopReminderSounds = [this] { ++soundStops; };
    }

    std::vector<EventRecord> Stored() const {
        std::vector<EventRecord> events;
        EXPECT_EQ(store->ForEachStored([&](uint16_t key) {
            ReadResult<EventRecord> read = store->ReadStored(key);
            if (read.Ok()) events.push_back(read.Value());
            return LibraryResult::Ok;
        }),
                  LibraryResult::Ok);
        return events;
    }

    DateTime now = testing::At(2026, 12, 7, 10, 15, 30);
    testing::TempFolder folder;
    MemorySettings settings;
    ProgramSettings options;
    TypeList types;
    QuickList quick;
    BeepingWindowCommands windows;
    FakeHotKeys hotKeys;
    NoReminders reminders;
    std::unique_ptr<EventStore> store;
    std::unique_ptr<MainFrame> frame;
    int soundStops = 0;
};

TEST_F(MainFrameTest, TheMenuIsBuiltAndItsTogglesWork) {
    ASSERT_EQ(frame->Create(), LibraryResult::Ok);
    QMenu& menu = frame->TrayMenu();
    ASSERT_EQ(menu.defaultAction(), FindAction(menu, kCmdRestore));
    EXPECT_TRUE(menu.defaultAction()->font().bold());
    ASSERT_NE(FindAction(menu, kCmdFirstNewOfType + 10), nullptr) << "eleven predefined types";
    EXPECT_EQ(FindAction(menu, kCmdFirstQuick)->text(), "Tea");

    QAction* enable = FindAction(menu, kCmdToggleReminders);
    ASSERT_TRUE(enable->isChecked());
    enable->trigger(); // the command comes after the menu has closed
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame->RemindersEnabled());
    EXPECT_FALSE(FindAction(frame->TrayMenu(), kCmdToggleReminders)->isChecked());
    EXPECT_EQ(frame->TrayIcon().icon().cacheKey(), ProgramTrayIcon(false).cacheKey());

    frame->Dispatch(kCmdSoundOff);
    EXPECT_FALSE(options.reminderSound);
    EXPECT_FALSE(ReadBool(settings, SettingId::ReminderSound)) << "written at once";
    EXPECT_EQ(soundStops, 1);
    EXPECT_TRUE(FindAction(frame->TrayMenu(), kCmdSoundOn)->isEnabled());
    EXPECT_FALSE(FindAction(frame->TrayMenu(), kCmdSoundOff)->isEnabled());
}

TEST_F(MainFrameTest, AQuickReminderCreatesItsEvent) {
    ASSERT_EQ(frame->Create(), LibraryResult::Ok);
    FindAction(frame->TrayMenu(), kCmdFirstQuick)->trigger();
    QCoreApplication::processEvents();
    const std::vector<EventRecord> events = Stored();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].name, "Tea is ready");
    EXPECT_EQ(events[0].start, testing::At(2026, 12, 7, 10, 20, 30));
    frame->Dispatch(kCmdFirstQuick + 1); // beyond the list
    EXPECT_EQ(Stored().size(), 1u);
}

TEST_F(MainFrameTest, KeysAndWindowsGoThroughTheWindowCommandsAndClosingEndsIt) {
    ASSERT_EQ(frame->Create(), LibraryResult::Ok);
    ASSERT_TRUE(hotKeys.held.contains(kMainWindowHotKeyId));
    ASSERT_TRUE(hotKeys.Press('A', kHotKeyControl));
    QCoreApplication::processEvents();
    EXPECT_EQ(windows.Beeps(), 1u) << "the main window is still to come";
    frame->Dispatch(kCmdStopwatch);
    EXPECT_EQ(windows.Beeps(), 2u);

    bool closed = false;
    QObject::connect(frame.get(), &MainFrame::closed, [&] { closed = true; });
    frame->Dispatch(kCmdExit);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(hotKeys.held.empty());
    EXPECT_FALSE(store->Library().IsOpen());
    frame->Dispatch(kCmdRestore); // nothing more after closing
    EXPECT_EQ(windows.Beeps(), 2u);
}

// The pop-up calendar and the main window as the frame asks for them.
struct RecordingWindows final : WindowCommands {
    void OpenMainWindow() override { opened.push_back("main"); }
    void NewEvent(int) override {}
    void OpenPreferences(PreferencesForm) override {}
    void OpenStopwatch() override {}
    void OpenCountdown() override {}
    void OpenCalendar(ClickPoint at) override {
        opened.push_back(at == kClockClick ? "calendar at the clock" : "calendar");
    }
    bool MainWindowOpen() const override { return false; }
    bool HasMainWindow() const override { return true; }
    bool ProgramDialogOpen() const override { return false; }
    void RaiseProgramDialog() override {}
    void CloseAll() override {}
    std::vector<std::string> opened;
};

TEST_F(MainFrameTest, ClockClicksOpenTheCalendarAfterTheDoubleClickTimeOrTheMainWindow) {
    RecordingWindows recorder;
    MainFrame clockFrame(
        FrameParts{*store, types, quick, settings, options, recorder, hotKeys, reminders});
    auto settle = [] {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < QApplication::doubleClickInterval() + 100)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    };
    clockFrame.ClockLeftClicked();
    EXPECT_TRUE(recorder.opened.empty()) << "not before the double-click time";
    settle();
    clockFrame.ClockLeftClicked();
    clockFrame.ClockDoubleClicked();
    settle();
    options.calendarOnLeftClick = false;
    clockFrame.ClockLeftClicked();
    settle();
    EXPECT_EQ(recorder.opened, (std::vector<std::string>{"calendar at the clock", "main"}));
}

// Started before the desktop's panel: the icon waits for the tray and comes with it; without a
// tray within the wait, the frame says so (the main window then keeps the program reachable).
TEST_F(MainFrameTest, TheTrayIconWaitsForTheTray) {
    testing::FakeTrayPresence tray;
    FrameParts parts{*store, types, quick, settings, options, windows, hotKeys, reminders};
    parts.trayPresence = &tray;
    parts.trayWaitLimit = std::chrono::milliseconds(60000);
    MainFrame late(parts);
    int noTray = 0;
    QObject::connect(&late, &MainFrame::noTrayFound, [&noTray] { ++noTray; });
    ASSERT_EQ(late.Create(), LibraryResult::Ok);
    EXPECT_FALSE(late.HasTrayIcon());
    tray.there = true;
    QElapsedTimer waited;
    waited.start();
    while (!late.HasTrayIcon() && waited.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_TRUE(late.HasTrayIcon());
    EXPECT_EQ(noTray, 0);
    const int looks = tray.looks;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 700);
    EXPECT_EQ(tray.looks, looks) << "no more looking once the icon is shown";

    testing::FakeTrayPresence none;
    parts.trayPresence = &none;
    parts.trayWaitLimit = std::chrono::milliseconds(0);
    MainFrame alone(parts);
    QObject::connect(&alone, &MainFrame::noTrayFound, [&noTray] { ++noTray; });
    ASSERT_EQ(alone.Create(), LibraryResult::Ok);
    EXPECT_EQ(noTray, 1);
    EXPECT_FALSE(alone.HasTrayIcon());
}

// The store's boxes: what each one is, read off the box while it is up and then closed.
TEST(StoreBoxes, TheFirstStartIsInformationAndAFileErrorAnError) {
    QtStorePrompts prompts;
    const auto iconOf = [](const auto& show) {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                icon = box->icon();
                box->accept();
            }
        });
        closer.start(20);
        show();
        return icon;
    };
    EXPECT_EQ(iconOf([&] { prompts.TellLibraryCreated("made"); }), QMessageBox::Information);
    EXPECT_EQ(iconOf([&] { prompts.ShowFileError("missing"); }), QMessageBox::Critical);
}

} // namespace
} // namespace zm
