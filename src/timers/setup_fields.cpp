#include "timers/setup_fields.h"

#include <algorithm>
#include <charconv>

namespace zm {

int SetupFieldMax(SetupField field) {
    return field == SetupField::Hours ? 23 : 59;
}

int ClampSetupField(SetupField field, std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range)
        value = SetupFieldMax(field);
    else if (error != std::errc() || end != text.data() + text.size())
        value = 0;
    return std::clamp(value, 0, SetupFieldMax(field));
}

int SetupDuration(std::string_view hours, std::string_view minutes, std::string_view seconds) {
    return static_cast<int>(JoinParts({ClampSetupField(SetupField::Hours, hours),
                                       ClampSetupField(SetupField::Minutes, minutes),
                                       ClampSetupField(SetupField::Seconds, seconds)}));
}

} // namespace zm
