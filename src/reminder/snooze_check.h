#pragma once
// The reminder window's checks before it snoozes: the amount in the snooze box, and with
// "before start" that the reminder comes back later than one minute from now.

#include "model/snooze_rules.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zm {

struct SnoozeCheck {
    // The string-table message of a refusal (a warning; the window stays); 0 when it passes.
    int message = 0;
    // What the snooze box shows afterwards: the amount's own text when it was read.
    std::string boxText;
    // What to ask of the store when it passes.
    SnoozeRequest request;

    bool Ok() const { return message == 0; }
};

// `selected` is the box's list entry (-1 for none) and `editText` its text; `windowSize` the
// window's custom size, none when it could not be read.
SnoozeCheck CheckSnooze(int selected, std::string_view editText, bool beforeStart,
                        DateTime occurrence, DateTime now, std::optional<uint32_t> windowSize);

} // namespace zm
