#include "shell/resident_program.h"

#include "adapters/gui/desktop_hot_keys.h"
#include "adapters/gui/desktop_tray_presence.h"
#include "adapters/gui/qt_font.h"
#include "adapters/local/runtime_folder.h"
#include "adapters/qt/qt_locale_description.h"
#include "adapters/qt/qt_locale_settings.h"
#include "clock/clock_look.h"
#include "frame/frame_commands.h"
#include "model/week_settings.h"
#include "platform/clock_position.h"
#include "platform/data_folder.h"
#include "platform/memory_trim.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "shell/deferred_sound_backend.h"
#include "store/data_folder_preparation.h"
#include "store/quick/quick_file.h"
#include "store/store_messages.h"
#include "store/types/types_file.h"
#include "ui/clock/floating_clock.h"
#include "ui/frame/help_window.h"
#include "ui/frame/main_frame.h"
#include "ui/frame/tray_images.h"
#include "ui/main/preference_links.h"
#include "ui/main/program_windows.h"
#include "ui/reminder/reminder_window_set.h"
#include "ui/sound/qt_sound_timer.h"

#include <QApplication>
#include <QMessageBox>
#include <chrono>
#include <filesystem>
#include <iostream>

namespace zm {
namespace {

uint32_t MillisecondTick() {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

constexpr std::chrono::milliseconds kLibraryLockWait{5000};

QString Text(int id) {
    return QString::fromUtf8(LoadString(id));
}

} // namespace

ResidentProgram::ResidentProgram(QApplication& app)
    : app_(app), instance_(RuntimeFolder()), formats_(QtLocaleDescription()) {}

ResidentProgram::~ResidentProgram() {
    Exit();
}

bool ResidentProgram::Start(int& exitCode) {
    exitCode = 0;
    QApplication::setWindowIcon(ProgramTrayIcon(true));
    // One copy per user: a second start asks the running one for its main window and ends.
    switch (instance_.Start()) {
    case InstanceStart::AnotherRuns:
        return false;
    case InstanceStart::Unavailable:
        // Without the lock a second copy could start beside this one: the program does not run.
        if (!instance_.HoldsLock()) {
            ShowStartFailure(QString::fromStdString(
                FormatText(IDS_RUNTIME_FOLDER_REFUSED, {instance_.Problem()})));
            exitCode = 1;
            return false;
        }
        // The program runs alone, without the companion's socket.
        std::cerr << "zantimore: " << instance_.Problem() << '\n';
        break;
    case InstanceStart::First:
        break;
    }
    exitCode = 1;
    // Said once: a settings file that is not the program's to read or replace.
    if (!settings_.Problem().empty())
        ShowErrorNotWaiting(QString::fromStdString(settings_.Problem()));

    folder_ = DataFolder();
    if (folder_.empty()) {
        ShowStartFailure(Text(IDS_NO_DATA_FOLDER));
        return false;
    }
    // The calendar stays private: a folder another user could plant files in is not used.
    const DataFolderPreparation prepared = PrepareDataFolder(folder_, true);
    if (!prepared.usable) {
        ShowStartFailure(QString::fromStdString(prepared.message));
        return false;
    }
    if (!prepared.message.empty()) ShowErrorNotWaiting(QString::fromStdString(prepared.message));
    if (!LoadSideFiles()) return false;

    // The settings, in the table's order; right-to-left reading from them and the locale.
    options_ = LoadProgramSettings(settings_, QtLocaleSettingDefaults());
    const QLocale locale;
    rightToLeft_ = ReadsRightToLeft(settings_, locale.textDirection() == Qt::RightToLeft,
                                    QLocale::languageToString(locale.language()).toStdString());

    if (!OpenLibrary()) return false;

    sound_ = std::make_unique<DeferredSoundBackend>(DeferredSoundBackend::ModuleBesideProgram(),
                                                    QtPostToOwnerThread(&app_));
    hotKeys_ = CreateDesktopHotKeys();
    // The one sound backend of the program; the reminder windows play through it.
    // "Open..." in a reminder window opens the event editor on its event.
    reminders_ = std::make_unique<ReminderWindowSet>(ReminderEnvironment{
        *store_, types_, options_, formats_, workArea_, *sound_, reminderBoxes_, rightToLeft_,
        [this](const EventRecord& event, bool topMost) { windows_->EditStored(event, topMost); }});
    windowContext_ = std::make_unique<WindowContext>(
        WindowContext{*store_, types_, quick_, settings_, options_, formats_, names_, workArea_,
                      *sound_, reminders_.get(), rightToLeft_,
                      [this] { return SaveTypes(types_, folder_, settings_).Ok(); },
                      [this] { return SaveQuickReminders(quick_, folder_).Ok(); }});
    boxes_ = std::make_unique<QtUserBoxes>(reminders_.get());
    windows_ = std::make_unique<ProgramWindows>(*windowContext_, *boxes_);
    trayPresence_ = CreateDesktopTrayPresence();
    frame_ = std::make_unique<MainFrame>(FrameParts{*store_, types_, quick_, settings_, options_,
                                                    *windows_, *hotKeys_, *reminders_, &timeWatch_,
                                                    trayPresence_.get()});
    frame_->settingsChanged = [this] { settings_.Sync(); };
    frame_->closeReminderWindows = [this] { reminders_->CloseAll(); };
    frame_->stopReminderSounds = [this] { reminders_->StopSoundRepetition(); };
    windows_->frameCommand = [this](uint32_t command) { frame_->Dispatch(command); };
    windows_->calendarConsumedClick = [this] { frame_->SuppressNextClockClick(); };
    windows_->mainWindowClosed = [this] { frame_->TrimMemory(); };
    windows_->clockWindow = [this]() -> const QWidget* { return clock_.get(); };
    ConnectPreferences();
    // A reminder window gone: memory goes back while the main window is not open.
    reminders_->windowClosed = [this] {
        if (!windows_->MainWindowOpen()) ReleaseFreeMemory();
    };
    QObject::connect(frame_.get(), &MainFrame::closed, &app_, &QCoreApplication::quit);
    // With no tray to show the icon in, the main window keeps the program reachable.
    QObject::connect(frame_.get(), &MainFrame::noTrayFound, frame_.get(), [this] {
        if (!options_.showOnStartup && windows_->HasMainWindow()) frame_->Dispatch(kCmdRestore);
    });
    if (frame_->Create() != LibraryResult::Ok) {
        store_->Close();
        return false;
    }
    ShowClock();
    started_ = true;

    // Asked from outside: a termination signal or the end of the session close in order.
    shutdown_.shutdown = [this] { frame_->RequestClose(); };
    shutdown_.saveState = [this] { SaveSettings(); };
    shutdown_.CatchTerminationSignals();
    shutdown_.WatchSession(app_);

    ServeCompanion();
    instance_.restoreRequested = [this] { frame_->Dispatch(kCmdRestore); };

    if (options_.showOnStartup && windows_->HasMainWindow()) frame_->Dispatch(kCmdRestore);
    if (TakeFirstRun(settings_)) {
        settings_.Sync();
        HelpWindow::Show();
    }
    frame_->TrimMemory();
    exitCode = 0;
    return true;
}

bool ResidentProgram::LoadSideFiles() {
    const SideFileOutcome typesLoaded = LoadTypes(types_, folder_, settings_);
    if (!typesLoaded.Ok()) {
        ShowStartFailure(
            QString::fromStdString(ReportFileException("", typesLoaded.path, typesLoaded.cause)));
        return false;
    }
    if (const auto text = SideFileReplacedText(typesLoaded, IDS_TYPES_FILE_REPLACED))
        ShowErrorNotWaiting(QString::fromStdString(*text));
    const SideFileOutcome quickLoaded = LoadQuickReminders(quick_, folder_);
    if (!quickLoaded.Ok()) {
        ShowStartFailure(
            QString::fromStdString(ReportFileException("", quickLoaded.path, quickLoaded.cause)));
        return false;
    }
    if (const auto text = SideFileReplacedText(quickLoaded, IDS_QUICK_FILE_REPLACED))
        ShowErrorNotWaiting(QString::fromStdString(*text));
    return true;
}

bool ResidentProgram::OpenLibrary() {
    StoreSetup setup;
    setup.now = SystemNow;
    setup.week = ReadWeekSettings(settings_);
    setup.programFolder = folder_;
    // A companion command holds the library only for a moment; the program waits its turn.
    setup.lockWait = kLibraryLockWait;
    store_ = std::make_unique<EventStore>(setup);
    store_->SetTypeLookup([this](const std::string& name) { return types_.FindType(name); });
    store_->SetIdTick(MillisecondTick);
    store_->SetPrompts(&prompts_);
    takeOver_.emplace(quick_, folder_);
    store_->SetQuickTakeOver(&*takeOver_);
    // Opened for writing: the program holds the library's writer lock while it runs.
    const LibraryResult opened = store_->OpenDefaultLibrary();
    if (opened == LibraryResult::Ok) return true;
    ShowFatalError(opened);
    return false;
}

void ResidentProgram::ServeCompanion() {
    hosted_ = {store_.get(), &types_, &quick_, {}};
    env_.settings = &settings_;
    env_.now = SystemNow;
    env_.formats = &formats_;
    env_.names = &names_;
    env_.dataFolder = folder_;
    env_.tick = MillisecondTick;
    // A long import lets the loop draw and keep time meanwhile; what the user does waits, and
    // other requests are refused as busy.
    hosted_.keepAlive = [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
    env_.host = &hosted_;
    companion_ = std::make_unique<CompanionService>(env_);
    // Not while a box or a dialog waits for the user.
    companion_->busy = [] { return QApplication::activeModalWidget() != nullptr; };
    instance_.companionRequested = [this](const CompanionRequest& request) {
        return companion_->Serve(request);
    };
}

void ResidentProgram::ShowClock() {
    clock_ = std::make_unique<FloatingClock>(
        ClockEnvironment{*store_, types_, formats_, localeFormatter_, systemClock_, options_,
                         *sound_, workArea_, rightToLeft_});
    const bool show = ApplyClockSettings().show;
    clock_->PlaceAtStart(ReadClockPosition(settings_));
    MainFrame* frame = frame_.get();
    QObject::connect(clock_.get(), &FloatingClock::doubleClicked, frame,
                     [frame] { frame->ClockDoubleClicked(); });
    QObject::connect(clock_.get(), &FloatingClock::rightClicked, frame,
                     &MainFrame::ClockRightClicked);
    QObject::connect(clock_.get(), &FloatingClock::leftPressed, frame,
                     [frame] { frame->ClockLeftClicked(); });
    QObject::connect(clock_.get(), &FloatingClock::tooltipHidden, frame, &MainFrame::TrimMemory);
    clock_->setVisible(show);
}

ClockOptions ResidentProgram::ApplyClockSettings() {
    const ClockOptions options = ReadClockOptions(settings_, QtLocaleSettingDefaults());
    clock_->Apply(options, ScreenFont(settings_, SettingId::ClockFont));
    return options;
}

void ResidentProgram::ConnectPreferences() {
    PreferencesHooks& hooks = windows_->preferencesHooks;
    LinkPreferences(hooks, *windowContext_, *frame_, *windows_, *boxes_);
    hooks.settingsSaved = [this] { settings_.Sync(); };
    hooks.testChime = [this](bool halfHour) {
        if (clock_) clock_->PlayChime(halfHour ? Chime::HalfHour : Chime::Hour);
    };
    hooks.clockSettingsChanged = [this] {
        if (clock_) clock_->setVisible(ApplyClockSettings().show);
    };
    hooks.showClock = [this](bool show) {
        if (clock_) clock_->setVisible(show);
    };
    hooks.localeClockFormat = [] { return QtLocaleSettingDefaults().clockFormat; };
}

void ResidentProgram::SaveSettings() {
    // The clock's place, kept at exit and when the session ends.
    if (clock_) WriteClockPosition(settings_, clock_->Position());
    SaveProgramSettings(settings_, options_);
    settings_.Sync();
}

void ResidentProgram::Exit() {
    if (!started_) {
        instance_.Stop();
        return;
    }
    started_ = false;
    instance_.companionRequested = {};
    instance_.restoreRequested = {};
    frame_->CloseNow();
    SaveSettings();
    clock_.reset();
    instance_.Stop();
}

} // namespace zm
