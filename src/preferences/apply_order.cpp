#include "preferences/apply_order.h"

namespace zm {

bool WeekSettingsDiffer(const ProgramSettings& before, const ProgramSettings& after) {
    return before.workWeek != after.workWeek ||
           before.checkWeekendEvents != after.checkWeekendEvents ||
           before.firstDayOfWeek != after.firstDayOfWeek ||
           before.firstWeekOfYear != after.firstWeekOfYear;
}

bool ApplyPreferences(SheetForm form, const SheetChanges& changes, PreferenceSteps& steps) {
    if (form == SheetForm::PrintingOnly) {
        steps.SavePrinting();
        return true;
    }
    if (form == SheetForm::TypesOnly) {
        steps.ApplyTypes();
        return true;
    }
    if (form == SheetForm::QuickRemindersOnly) {
        steps.ApplyQuickReminders();
        return true;
    }
    if (const auto refusal = steps.InstallShortcutKeys()) {
        steps.ShowRefusedKey(*refusal);
        return false;
    }
    steps.SaveOptions();
    steps.WriteAutorun();
    steps.ApplyTypes();
    steps.ApplyQuickReminders();
    if (changes.fonts) steps.ApplyFonts();
    if (changes.workWeek) steps.ApplyWorkWeek();
    if (changes.titleCentring) steps.ApplyTitleCentring();
    if (changes.clockPageOpened) steps.ApplyClock();
    return true;
}

} // namespace zm
