#include "reminder/snooze_check.h"

#include "model/amount_choices.h"
#include "res/strings.h"

namespace zm {

SnoozeCheck CheckSnooze(int selected, std::string_view editText, bool beforeStart,
                        DateTime occurrence, DateTime now, std::optional<uint32_t> windowSize) {
    SnoozeCheck check;
    const AmountChoiceResult read = ReadAmountChoice(selected, editText, false);
    check.boxText = read.text;
    if (read.code == kAmountTooLarge) {
        check.message = IDS_DURATION_TOO_LARGE;
        return check;
    }
    if (read.code != kAmountOk) {
        check.message = IDS_DURATION_NOT_VALID;
        return check;
    }
    const TimeAmount amount = read.amount;
    DateTimeSpan span = TimeAmount::Of(amount.Unit(), amount.Count()).ToSpan();
    uint32_t count = amount.Count();
    if (beforeStart) {
        const Verdict v = CheckBeforeStartSnooze(occurrence, span, now);
        if (!v.Ok()) {
            check.message = v.message;
            return check;
        }
        span = -span;
        count |= TimeAmount::kBeforeStart;
    }
    check.request = SnoozeRequest{occurrence, span, amount.Unit(), count, windowSize};
    return check;
}

} // namespace zm
