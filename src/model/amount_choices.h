#pragma once
// The fixed list of amounts offered by the amount choice boxes (advance notice, duration,
// snooze, quick-reminder delay), and how such a box turns its state into an amount.

#include "model/amount_parse.h"
#include "model/time_amount.h"

#include <span>
#include <string>
#include <string_view>

namespace zm {

// In list order: (0 minutes,) 5, 10, 15, 30 minutes; 1, 2, 4, 8, 12 hours; 1, 2, 3 days;
// 1 week. The zero entry is there only in lists that accept zero.
std::span<const TimeAmount> AmountChoices(bool withZero);

// The position of an amount in the list, or -1 (the box then shows it as typed text).
int FindAmountChoice(TimeAmount amount, bool withZero);

struct AmountChoiceResult {
    AmountParseCode code = kAmountNotValid;
    TimeAmount amount;
    std::string text; // what the box shows afterwards: the amount's own text on success
};

// Reads a choice box: the entry at `selected` (or -1 for none) is used unchanged while the
// edit field still shows that entry's text; once the user has typed something else, the typed
// text wins and is read with ParseAmount. On success the box's text becomes the description
// of the amount ("2 h" becomes "2 hours"); on failure it stays as typed.
AmountChoiceResult ReadAmountChoice(int selected, std::string_view editText, bool withZero);

} // namespace zm
