#include "model/amount_parse.h"

#include "platform/ascii_text.h"

#include <string>

namespace zm {
namespace {

// The unit whose word starts with `rest` (already trimmed), or -1.
int UnitOf(std::string_view rest) {
    static constexpr std::string_view kWords[] = {"minutes", "hours", "days", "weeks"};
    if (rest.empty()) return 0;
    for (int unit = 0; unit < 4; ++unit) {
        const std::string_view word = kWords[unit];
        if (rest.size() > word.size()) continue;
        bool match = true;
        for (size_t i = 0; i < rest.size() && match; ++i)
            match = AsciiLower(rest[i]) == word[i];
        if (match) return unit;
    }
    return -1;
}

ParsedAmount Result(AmountParseCode code, uint32_t unit = 0, uint32_t count = 0) {
    return ParsedAmount{code, unit, count};
}

} // namespace

ParsedAmount ParseAmount(std::string_view text, bool zeroAllowed) {
    text = TrimAsciiSpace(text);
    uint32_t count = 0;
    int unit = 0;
    if (!text.empty()) {
        size_t i = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            count = count * 10 + static_cast<uint32_t>(text[i] - '0');
            if (count > TimeAmount::kMaxCount) return Result(kAmountTooLarge);
        }
        if (i == 0) return Result(kAmountNotValid);
        unit = UnitOf(TrimAsciiSpace(text.substr(i)));
        if (unit < 0) return Result(kAmountNotValid);
    }
    if (count == 0) return zeroAllowed ? Result(kAmountOk, 0, 0) : Result(kAmountNotValid);
    return Result(kAmountOk, static_cast<uint32_t>(unit), count);
}

} // namespace zm
