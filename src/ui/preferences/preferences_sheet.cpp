#include "ui/preferences/preferences_sheet.h"

#include "adapters/gui/qt_font.h"
#include "preferences/autostart_entry.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"
#include "ui/preferences/calendar_page.h"
#include "ui/preferences/clock_page.h"
#include "ui/preferences/font_chooser.h"
#include "ui/preferences/general_page.h"
#include "ui/preferences/hot_key_field.h"
#include "ui/preferences/other_page.h"
#include "ui/preferences/page_parts.h"
#include "ui/preferences/preferences_hooks.h"
#include "ui/preferences/printing_page.h"
#include "ui/types/quick_rems_page.h"
#include "ui/types/types_page.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zm {
namespace {

std::filesystem::path EntryPath(const PreferencesHooks& hooks) {
    if (!hooks.autostartEntry.empty()) return hooks.autostartEntry;
    const auto path = AutostartEntryPath(qEnvironmentVariable("XDG_CONFIG_HOME").toStdString(),
                                         qEnvironmentVariable("HOME").toStdString());
    return path ? *path : std::filesystem::path();
}

std::string ProgramPath(const PreferencesHooks& hooks) {
    if (!hooks.programPath.empty()) return hooks.programPath;
    return QCoreApplication::applicationFilePath().toStdString();
}

// Each form has its own caption: the full sheet's, or the command that opens the single page.
int SheetCaption(SheetForm form) {
    switch (form) {
    case SheetForm::TypesOnly:
        return IDS_PREFS_CUSTOMIZE_TYPES;
    case SheetForm::QuickRemindersOnly:
        return IDS_PREFS_CUSTOMIZE_QUICKS;
    case SheetForm::PrintingOnly:
        return IDS_PREVIEW_CUSTOMIZE;
    case SheetForm::Full:
        break;
    }
    return IDS_PREFS_MODIFY;
}

template <typename F> void Call(const F& hook) {
    if (hook) hook();
}

} // namespace

bool RunPreferences(WindowContext& context, UserBoxes& boxes, PreferencesForm form,
                    PreferencesHooks& hooks, QWidget* parent) {
    SheetForm sheetForm = SheetForm::Full;
    if (form == PreferencesForm::Types) sheetForm = SheetForm::TypesOnly;
    if (form == PreferencesForm::QuickReminders) sheetForm = SheetForm::QuickRemindersOnly;
    PreferencesSheet sheet(context, boxes, sheetForm, hooks, parent);
    return sheet.exec() == QDialog::Accepted;
}

bool RunPrintingPreferences(WindowContext& context, UserBoxes& boxes, PreferencesHooks& hooks,
                            QWidget* parent) {
    PreferencesSheet sheet(context, boxes, SheetForm::PrintingOnly, hooks, parent);
    return sheet.exec() == QDialog::Accepted;
}

PreferencesSheet::PreferencesSheet(WindowContext& context, UserBoxes& boxes, SheetForm form,
                                   PreferencesHooks& hooks, QWidget* parent)
    : QDialog(parent), context_(context), boxes_(boxes), form_(form), hooks_(hooks) {
    setWindowTitle(Text(SheetCaption(form_)));
    tabs_ = new QTabWidget(this);
    const bool full = form_ == SheetForm::Full;
    if (form_ == SheetForm::Full) {
        const std::filesystem::path entry = EntryPath(hooks);
        autorunAtOpen_ = !entry.empty() && AutorunIsOn(entry, ProgramPath(hooks));
        general_ = new GeneralPage(context, autorunAtOpen_, tabs_);
        calendar_ = new CalendarPage(context, tabs_);
        clock_ = new ClockPage(context, hooks, tabs_);
        tabs_->addTab(general_, Text(IDS_PAGE_GENERAL));
        tabs_->addTab(calendar_, Text(IDS_PAGE_CALENDAR));
        tabs_->addTab(clock_, Text(IDS_PAGE_CLOCK));
    }
    if (full || form_ == SheetForm::TypesOnly) {
        types_ = new TypesPage(context, boxes, tabs_);
        tabs_->addTab(types_, Text(IDS_PAGE_TYPES));
    }
    if (full || form_ == SheetForm::QuickRemindersOnly) {
        quick_ = new QuickRemsPage(context, boxes, tabs_);
        tabs_->addTab(quick_, Text(IDS_PAGE_QUICKS));
        connect(quick_, &QuickRemsPage::quickRemindersApplied, this, [this] {
            if (hooks_.quickRemindersChanged) hooks_.quickRemindersChanged();
        });
    }
    if (full || form_ == SheetForm::PrintingOnly) {
        printing_ = new PrintingPage(context.settings, tabs_);
        tabs_->addTab(printing_, Text(IDS_PAGE_PRINTING));
    }
    if (form_ == SheetForm::Full) {
        other_ = new OtherPage(context.options.newEventHotKey, tabs_);
        tabs_->addTab(other_, Text(IDS_PAGE_OTHER));
        connect(tabs_, &QTabWidget::currentChanged, this,
                [this] { clockVisited_ |= tabs_->currentWidget() == clock_; });
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
}

void PreferencesSheet::accept() {
    SheetChanges changes;
    if (form_ == SheetForm::Full) {
        const ProgramSettings& before = context_.options;
        chosen_ = before;
        general_->CopyTo(chosen_);
        calendar_->CopyTo(chosen_);
        chosen_.newEventHotKey = other_->NewEventKey()->Code();
        changes.fonts = general_->MainWindowFont()->Changed() ||
                        general_->DatePanelFont()->Changed() ||
                        calendar_->CalendarFont()->Changed();
        changes.workWeek = WeekSettingsDiffer(before, chosen_);
        changes.titleCentring = chosen_.centerReminderTitle != before.centerReminderTitle;
        changes.clockPageOpened = clockVisited_ || tabs_->currentWidget() == clock_;
    }
    if (!ApplyPreferences(form_, changes, *this)) return;
    Call(hooks_.settingsSaved);
    QDialog::accept();
}

void PreferencesSheet::reject() {
    // The clock was shown or hidden at the toggle; Cancel puts it back.
    if (clock_ && clock_->ShowChanged() && hooks_.showClock) hooks_.showClock(!clock_->ShowClock());
    QDialog::reject();
}

std::optional<ShortcutKeyRefusal> PreferencesSheet::InstallShortcutKeys() {
    if (!hooks_.installShortcutKeys) return std::nullopt;
    return hooks_.installShortcutKeys(
        {chosen_.mainWindowHotKey, chosen_.calendarHotKey, chosen_.newEventHotKey});
}

void PreferencesSheet::ShowRefusedKey(const ShortcutKeyRefusal& refusal) {
    QWidget* page = general_;
    HotKeyField* field = general_->MainWindowKey();
    if (refusal.role == ShortcutKeyRole::Calendar) {
        page = calendar_;
        field = calendar_->CalendarKey();
    } else if (refusal.role == ShortcutKeyRole::NewEvent) {
        page = other_;
        field = other_->NewEventKey();
    }
    tabs_->setCurrentWidget(page);
    field->setFocus();
    boxes_.Tell(this, Text(IDS_HOTKEY_NOT_INSTALLED), BoxIcon::Error);
}

void PreferencesSheet::SaveOptions() {
    context_.options = chosen_;
    SaveProgramSettings(context_.settings, context_.options);
    printing_->Save();
    general_->SaveCountdownSound();
    // What keeps a copy of an option takes it again.
    Call(hooks_.optionsChanged);
}

void PreferencesSheet::WriteAutorun() {
    const std::filesystem::path entry = EntryPath(hooks_);
    if (entry.empty()) return;
    const bool on = general_->Autorun();
    // An entry this sheet did not show as ours (another copy's) is left alone.
    if (!on && !autorunAtOpen_) return;
    const std::string program = ProgramPath(hooks_);
    switch (SetAutorun(entry, program, on)) {
    case AutorunResult::Done:
        return;
    case AutorunResult::PathRefused:
        boxes_.Tell(this, QString::fromUtf8(FormatText(IDS_AUTORUN_PATH_REFUSED, {program})),
                    BoxIcon::Warning);
        return;
    case AutorunResult::NotWritten:
        boxes_.Tell(this, QString::fromUtf8(FormatText(IDS_AUTORUN_NOT_WRITTEN, {entry.string()})),
                    BoxIcon::Warning);
        return;
    }
}

void PreferencesSheet::ApplyFonts() {
    const int ppi = ScreenPixelsPerInch();
    const std::pair<SettingId, FontChooser*> fonts[] = {
        {SettingId::MainWindowFont, general_->MainWindowFont()},
        {SettingId::DatePanelFont, general_->DatePanelFont()},
        {SettingId::CalendarFont, calendar_->CalendarFont()}};
    for (const auto& [id, chooser] : fonts)
        if (chooser->Changed()) WriteFont(context_.settings, id, chooser->Font(), ppi);
    Call(hooks_.fontsChanged);
}

void PreferencesSheet::ApplyWorkWeek() {
    Call(hooks_.weekSettingsChanged);
}

void PreferencesSheet::ApplyTitleCentring() {
    Call(hooks_.reminderTitleChanged);
}

void PreferencesSheet::ApplyClock() {
    clock_->Save();
    Call(hooks_.clockSettingsChanged);
}

void PreferencesSheet::SavePrinting() {
    printing_->Save();
}

void PreferencesSheet::ApplyTypes() {
    if (types_ && types_->Changed()) types_->Apply();
}

void PreferencesSheet::ApplyQuickReminders() {
    if (quick_ && quick_->Changed()) quick_->Apply();
}

} // namespace zm
