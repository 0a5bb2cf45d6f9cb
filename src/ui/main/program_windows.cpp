#include "ui/main/program_windows.h"

#include "frame/frame_commands.h"
#include "ui/calendar/popup_calendar.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"
#include "ui/editor/event_editor.h"
#include "ui/list/event_list_view.h"
#include "ui/main/main_window.h"
#include "ui/preferences/preferences_sheet.h"
#include "ui/reminder/reminder_window_set.h"
#include "ui/timers/timer_windows.h"

namespace zm {
namespace {

DateTime FromQDate(QDate d) {
    return DateTime::FromParts(d.year(), d.month(), d.day());
}

} // namespace

ProgramWindows::ProgramWindows(WindowContext& context, UserBoxes& boxes, QObject* parent)
    : QObject(parent), context_(context), boxes_(boxes), dialogs_(boxes, context.reminders),
      timers_(std::make_unique<TimerWindows>(TimerEnvironment{
          context.settings, context.formats, context.workArea, context.sound, boxes, ticks_})) {}

ProgramWindows::~ProgramWindows() {
    CloseAll();
    delete calendar_;
}

void ProgramWindows::OpenMainWindow() {
    if (main_) {
        if (main_->isMinimized()) main_->showNormal();
        main_->show();
        main_->raise();
        main_->activateWindow();
        // A dialog of the window comes forward over it.
        if (dialogs_.Open()) dialogs_.Raise();
        return;
    }
    if (dialogs_.RefuseWhenOpen()) return;
    main_ = new MainWindow(context_, boxes_, dialogs_);
    main_->newEvent = [this](int typeIndex, std::optional<DateTime> day) {
        NewEventOn(typeIndex, day);
    };
    main_->frameCommand = [this](uint32_t command) {
        if (frameCommand) frameCommand(command);
    };
    main_->customizeTypes = [this](QWidget* editor) { return CustomizeTypesOver(editor); };
    main_->customizePrinting = [this](QWidget* parent) {
        const auto scope = dialogs_.TryOpen(ProgramDialog::Other);
        if (!scope) return false;
        return RunPrintingPreferences(context_, boxes_, preferencesHooks, parent);
    };
    connect(main_, &QObject::destroyed, this, [this] {
        // Gone already, although the guard learns so only later in its destruction.
        main_ = nullptr;
        if (mainWindowClosed) mainWindowClosed();
    });
    main_->show();
    main_->activateWindow();
    main_->List().setFocus();
}

void ProgramWindows::NewEvent(int typeIndex) {
    NewEventOn(typeIndex, std::nullopt);
}

void ProgramWindows::NewEventOn(int typeIndex, std::optional<DateTime> day) {
    if (typeIndex < 0 && context_.types.TypeCount() > 0) typeIndex = 0;
    DateTime date = context_.store.Now().Date();
    if (day)
        date = day->Date();
    else if (main_ && main_->View().mode != ViewMode::All)
        date = main_->View().viewDate.Date();
    RunEditor(NewEventFor(context_, typeIndex, date), true, false);
}

void ProgramWindows::EditStored(const EventRecord& event, bool topMost) {
    RunEditor(event, false, topMost);
}

bool ProgramWindows::RunEditor(const EventRecord& event, bool isNew, bool topMost) {
    EditorRequest request;
    request.event = event;
    request.isNew = isNew;
    request.topMost = topMost;
    request.customizeTypes = [this](QWidget* editor) { return CustomizeTypesOver(editor); };
    // Owned by the main window when it is open.
    if (main_) return main_->RunEditor(request);
    const auto scope = dialogs_.TryOpen(ProgramDialog::EventEditor, event.key);
    if (!scope) return false;
    return EditEvent(context_, boxes_, request, nullptr);
}

void ProgramWindows::OpenPreferences(PreferencesForm form) {
    const auto scope = dialogs_.TryOpen(ProgramDialog::Other);
    if (!scope) return;
    RunPreferences(context_, boxes_, form, preferencesHooks, main_);
}

bool ProgramWindows::CustomizeTypesOver(QWidget* editor) {
    // Asked by the open editor, which stays the program dialog: the types page opens over it
    // as the tray's "Customize..." opens it, and the editor then takes the types again.
    return RunPreferences(context_, boxes_, PreferencesForm::Types, preferencesHooks, editor);
}

void ProgramWindows::OpenStopwatch() {
    timers_->OpenStopwatch();
}

void ProgramWindows::OpenCountdown() {
    timers_->OpenCountdown();
}

void ProgramWindows::OpenCalendar(ClickPoint at) {
    if (!calendar_) {
        calendar_ = new PopupCalendar(context_);
        // The calendar is hidden, never destroyed, by what it reports.
        connect(calendar_, &PopupCalendar::dateChosen, this, [this](QDate date) {
            calendar_->hide();
            NewEventOn(-1, FromQDate(date));
        });
        connect(calendar_, &PopupCalendar::newEventRequested, this,
                [this](QDate date, int typeIndex) {
                    calendar_->hide();
                    NewEventOn(typeIndex, FromQDate(date));
                });
        connect(calendar_, &PopupCalendar::dismissed, this, [this](bool byClick) {
            calendar_->hide();
            if (byClick && calendarConsumedClick) calendarConsumedClick();
        });
    }
    if (main_) {
        main_->raise();
    }
    calendar_->ShowForFrame(at, clockWindow ? clockWindow() : nullptr);
}

void ProgramWindows::OptionsChanged() {
    if (main_) main_->OptionsChanged();
}

void ProgramWindows::CloseAll() {
    if (calendar_) calendar_->hide();
    timers_->CloseAll();
    if (main_) {
        // Closing stores its placement and columns; it is destroyed at once.
        main_->close();
        delete main_;
    }
}

} // namespace zm
