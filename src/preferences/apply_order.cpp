#include "preferences/apply_order.h"

namespace zm {

bool ApplyPreferences(SheetForm form, const SheetChanges& changes, PreferenceSteps& steps) {
    if (form == SheetForm::PrintingOnly) {
        steps.SavePrinting();
        return true;
    }
    // The types and quick-reminder pages keep their own lists.
    if (form != SheetForm::Full) return true;
    if (const auto refusal = steps.InstallShortcutKeys()) {
        steps.ShowRefusedKey(*refusal);
        return false;
    }
    steps.SaveOptions();
    steps.WriteAutorun();
    if (changes.fonts) steps.ApplyFonts();
    if (changes.workWeek) steps.ApplyWorkWeek();
    if (changes.titleCentring) steps.ApplyTitleCentring();
    if (changes.clockPageOpened) steps.ApplyClock();
    return true;
}

} // namespace zm
