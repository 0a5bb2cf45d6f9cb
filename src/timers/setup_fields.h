#pragma once
// The countdown's setup panel: three edits of at most two digits for hours (0 to 23), minutes
// and seconds (0 to 59). Leaving an edit brings its number into its range; text that is not a
// number counts as 0.

#include "timers/timer_display.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zm {

enum class SetupField : uint8_t { Hours, Minutes, Seconds };

inline constexpr int kSetupFieldLength = 2;

int SetupFieldMax(SetupField field);
// The number the edit holds, brought into the field's range.
int ClampSetupField(SetupField field, std::string_view text);
// The edits of the panel as the user left them, as a duration in seconds.
int SetupDuration(std::string_view hours, std::string_view minutes, std::string_view seconds);

} // namespace zm
