#include "model/amount_choices.h"

#include "model/describe.h"

namespace zm {
namespace {

using enum AmountUnit;

constexpr TimeAmount kChoices[] = {
    TimeAmount::Of(Minute, 0),  TimeAmount::Of(Minute, 5),  TimeAmount::Of(Minute, 10),
    TimeAmount::Of(Minute, 15), TimeAmount::Of(Minute, 30), TimeAmount::Of(Hour, 1),
    TimeAmount::Of(Hour, 2),    TimeAmount::Of(Hour, 4),    TimeAmount::Of(Hour, 8),
    TimeAmount::Of(Hour, 12),   TimeAmount::Of(Day, 1),     TimeAmount::Of(Day, 2),
    TimeAmount::Of(Day, 3),     TimeAmount::Of(Week, 1),
};

} // namespace

std::span<const TimeAmount> AmountChoices(bool withZero) {
    return withZero ? std::span<const TimeAmount>(kChoices)
                    : std::span<const TimeAmount>(kChoices).subspan(1);
}

int FindAmountChoice(TimeAmount amount, bool withZero) {
    const auto list = AmountChoices(withZero);
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i] == amount) return static_cast<int>(i);
    return -1;
}

AmountChoiceResult ReadAmountChoice(int selected, std::string_view editText, bool withZero) {
    const auto list = AmountChoices(withZero);
    if (selected >= 0 && static_cast<size_t>(selected) < list.size()) {
        const TimeAmount entry = list[static_cast<size_t>(selected)];
        std::string text = DescribeAmount(entry);
        if (text == editText) return {kAmountOk, entry, std::move(text)};
    }
    const ParsedAmount parsed = ParseAmount(editText, withZero);
    if (parsed.code != kAmountOk) return {parsed.code, TimeAmount(), std::string(editText)};
    return {kAmountOk, parsed.Amount(), DescribeAmount(parsed.Amount())};
}

} // namespace zm
