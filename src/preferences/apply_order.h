#pragma once
// What OK on the preferences sheet does, and in which order. The sheet supplies the steps; the
// order, and what is skipped, is decided here.

#include "platform/program_settings.h"
#include "preferences/shortcut_key_install.h"

#include <optional>

namespace zm {

// The sheet's forms: all pages, or one page alone.
enum class SheetForm : uint8_t {
    Full = 0,
    TypesOnly = 1,
    QuickRemindersOnly = 2,
    PrintingOnly = 3
};

// What changed on the pages since the sheet opened.
struct SheetChanges {
    bool fonts = false;    // a font of the General, Calendar or Printing page
    bool workWeek = false; // the week settings (WeekSettingsDiffer)
    bool titleCentring = false;
    bool clockPageOpened = false;
};

class PreferenceSteps {
public:
    virtual ~PreferenceSteps() = default;
    // The three keys, all or none (shortcut_key_install.h).
    virtual std::optional<ShortcutKeyRefusal> InstallShortcutKeys() = 0;
    // A key was refused: its page comes forward with the focus on its field and the message.
    virtual void ShowRefusedKey(const ShortcutKeyRefusal& refusal) = 0;
    // The General, Calendar and Printing values into the program's options, which are saved;
    // the countdown sound too.
    virtual void SaveOptions() = 0;
    virtual void WriteAutorun() = 0;
    virtual void ApplyFonts() = 0;
    virtual void ApplyWorkWeek() = 0;
    virtual void ApplyTitleCentring() = 0;
    virtual void ApplyClock() = 0;
    // The printing options alone (the printing-only form).
    virtual void SavePrinting() = 0;
    // The event types and the quick reminders of their pages, when the user changed them; a
    // file that cannot be saved is told, and the lists stay in use.
    virtual void ApplyTypes() = 0;
    virtual void ApplyQuickReminders() = 0;
};

// Whether the options differ in what the store's week settings are made of: a work-week flag,
// "Check week-end events", the first day of the week or the first week of the year.
bool WeekSettingsDiffer(const ProgramSettings& before, const ProgramSettings& after);

// Runs OK: true when the sheet may close. A refused key leaves everything unsaved.
bool ApplyPreferences(SheetForm form, const SheetChanges& changes, PreferenceSteps& steps);

} // namespace zm
