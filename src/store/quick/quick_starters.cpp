#include "store/quick/quick_starters.h"

#include "model/amount_choices.h"
#include "model/describe.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "store/quick/quick_editing.h"
#include "store/types/predefined_types.h"

namespace zm {
namespace {

// The offsets as the editor's "remind in" list holds them.
constexpr TimeAmount kStarterOffsets[] = {
    TimeAmount(5),
    TimeAmount(15),
    TimeAmount(30),
    TimeAmount::Of(AmountUnit::Hour, 1),
    TimeAmount::Of(AmountUnit::Day, 1),
};

} // namespace

QuickList StarterQuickReminders() {
    QuickList list;
    for (const TimeAmount offset : kStarterOffsets) {
        const bool tomorrow = offset.Unit() == AmountUnit::Day;
        QuickEntry typed;
        typed.menuName = tomorrow ? LoadString(IDS_QUICK_STARTER_TOMORROW)
                                  : FormatText(IDS_QUICK_STARTER_IN, {DescribeAmount(offset)});
        typed.eventName = LoadString(IDS_QUICK_STARTER_EVENT);
        typed.typeName = kStarterQuickType;
        typed.offsetSelected = FindAmountChoice(offset, kQuickOffsetAllowsZero);
        typed.offsetText = DescribeAmount(offset);
        QuickReminder entry;
        entry.sound = kPredefinedTypeSound;
        if (CheckQuickEntry(typed, entry).message != 0) continue;
        list.AddWithDefaultIcon(std::move(entry));
    }
    list.SortByMenuName();
    return list;
}

} // namespace zm
