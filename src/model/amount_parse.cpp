#include "model/amount_parse.h"

#include "platform/ascii_text.h"

#include <optional>
#include <string>

namespace zm {
namespace {

// The unit whose word starts with `rest` (already trimmed); none when no word does.
std::optional<AmountUnit> UnitOf(std::string_view rest) {
    struct UnitWord {
        std::string_view word;
        AmountUnit unit;
    };
    static constexpr UnitWord kWords[] = {{"minutes", AmountUnit::Minute},
                                          {"hours", AmountUnit::Hour},
                                          {"days", AmountUnit::Day},
                                          {"weeks", AmountUnit::Week}};
    if (rest.empty()) return AmountUnit::Minute;
    for (const UnitWord& w : kWords) {
        if (rest.size() > w.word.size()) continue;
        bool match = true;
        for (size_t i = 0; i < rest.size() && match; ++i)
            match = AsciiLower(rest[i]) == w.word[i];
        if (match) return w.unit;
    }
    return std::nullopt;
}

ParsedAmount Result(AmountParseCode code, AmountUnit unit = AmountUnit::Minute,
                    uint32_t count = 0) {
    return ParsedAmount{code, unit, count};
}

} // namespace

ParsedAmount ParseAmount(std::string_view text, bool zeroAllowed) {
    text = TrimAsciiSpace(text);
    uint32_t count = 0;
    std::optional<AmountUnit> unit = AmountUnit::Minute;
    if (!text.empty()) {
        size_t i = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            count = count * 10 + static_cast<uint32_t>(text[i] - '0');
            if (count > TimeAmount::kMaxCount) return Result(kAmountTooLarge);
        }
        if (i == 0) return Result(kAmountNotValid);
        unit = UnitOf(TrimAsciiSpace(text.substr(i)));
        if (!unit) return Result(kAmountNotValid);
    }
    if (count == 0) return zeroAllowed ? Result(kAmountOk) : Result(kAmountNotValid);
    return Result(kAmountOk, *unit, count);
}

} // namespace zm
