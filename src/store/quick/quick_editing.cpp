#include "store/quick/quick_editing.h"

#include "model/amount_choices.h"
#include "res/strings.h"
#include "store/types/name_checks.h"

namespace zm {

QuickCheck CheckQuickEntry(const QuickEntry& typed, QuickReminder& entry) {
    QuickReminder result = entry;
    if (const int m = CheckQuickMenuName(typed.menuName, result.menuName); m != 0)
        return {m, QuickField::MenuName};
    const AmountChoiceResult read =
        ReadAmountChoice(typed.offsetSelected, typed.offsetText, kQuickOffsetAllowsZero);
    if (read.code == kAmountTooLarge) return {IDS_DURATION_TOO_LARGE, QuickField::Offset};
    if (read.code != kAmountOk) return {IDS_DURATION_NOT_VALID, QuickField::Offset};
    result.offset = read.amount;
    result.eventName = typed.eventName;
    result.typeName = typed.typeName;
    entry = std::move(result);
    return {};
}

} // namespace zm
