#pragma once
// The preferences sheet: one modal dialog with a page per group of options. OK installs the
// three shortcut keys (all or none), saves the options and hands them to the running windows.

#include "platform/program_settings.h"
#include "preferences/apply_order.h"
#include "ui/frame/window_commands.h"

#include <QDialog>
#include <optional>

class QTabWidget;

namespace zm {

struct WindowContext;
struct PreferencesHooks;
class UserBoxes;
class GeneralPage;
class CalendarPage;
class ClockPage;
class PrintingPage;
class OtherPage;
class TypesPage;
class QuickRemsPage;

// Runs the sheet modally in its form; true when OK applied it.
bool RunPreferences(WindowContext& context, UserBoxes& boxes, PreferencesForm form,
                    PreferencesHooks& hooks, QWidget* parent);
// The Printing page alone, for the print preview.
bool RunPrintingPreferences(WindowContext& context, UserBoxes& boxes, PreferencesHooks& hooks,
                            QWidget* parent);

class PreferencesSheet final : public QDialog, private PreferenceSteps {
    Q_OBJECT
public:
    PreferencesSheet(WindowContext& context, UserBoxes& boxes, SheetForm form,
                     PreferencesHooks& hooks, QWidget* parent);

    QTabWidget* Tabs() const { return tabs_; }
    // Null when the form does not show the page.
    GeneralPage* General() const { return general_; }
    CalendarPage* Calendar() const { return calendar_; }
    ClockPage* Clock() const { return clock_; }
    PrintingPage* Printing() const { return printing_; }
    OtherPage* Other() const { return other_; }
    TypesPage* Types() const { return types_; }
    QuickRemsPage* Quick() const { return quick_; }

    void accept() override;
    void reject() override;

private:
    std::optional<ShortcutKeyRefusal> InstallShortcutKeys() override;
    void ShowRefusedKey(const ShortcutKeyRefusal& refusal) override;
    void SaveOptions() override;
    void WriteAutorun() override;
    void ApplyFonts() override;
    void ApplyWorkWeek() override;
    void ApplyTitleCentring() override;
    void ApplyClock() override;
    void SavePrinting() override;
    void ApplyTypes() override;
    void ApplyQuickReminders() override;

    WindowContext& context_;
    UserBoxes& boxes_;
    SheetForm form_;
    PreferencesHooks& hooks_;
    QTabWidget* tabs_;
    GeneralPage* general_ = nullptr;
    CalendarPage* calendar_ = nullptr;
    ClockPage* clock_ = nullptr;
    PrintingPage* printing_ = nullptr;
    OtherPage* other_ = nullptr;
    TypesPage* types_ = nullptr;
    QuickRemsPage* quick_ = nullptr;
    bool clockVisited_ = false;
    bool autorunAtOpen_ = false;
    ProgramSettings chosen_; // the options as OK takes them
};

} // namespace zm
