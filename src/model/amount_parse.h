#pragma once
// Reads an amount of time the user typed: "15", "2 h", "3 days", "1 week".

#include "model/time_amount.h"

#include <cstdint>
#include <string_view>

namespace zm {

enum AmountParseCode : int {
    kAmountOk = 0,
    kAmountTooLarge = 1, // the count is above 32767 ("Please enter a shorter duration.")
    kAmountNotValid = 2, // anything else ("The duration you entered is not valid.")
};

struct ParsedAmount {
    AmountParseCode code = kAmountNotValid;
    AmountUnit unit = AmountUnit::Minute;
    uint32_t count = 0; // 0 ... 32767
    TimeAmount Amount() const { return TimeAmount::Of(unit, count); }
};

// A count of decimal digits, then optionally a unit word or any beginning of one ("m", "min",
// "h", "hour", "d", "w", ...; tried in the order minutes, hours, days, weeks); no unit means
// minutes. Blanks around the count and the unit are ignored and letter case does not matter.
// An empty text stands for 0 minutes. A count of 0 is refused unless zeroAllowed, and is
// always 0 minutes. A text without a count ("hours") is not valid.
ParsedAmount ParseAmount(std::string_view text, bool zeroAllowed);

} // namespace zm
