#include "model/amount_choices.h"

#include "model/describe.h"

namespace zm {
namespace {

constexpr TimeAmount kChoices[] = {
    TimeAmount::Of(0, 0),  TimeAmount::Of(0, 5),  TimeAmount::Of(0, 10), TimeAmount::Of(0, 15),
    TimeAmount::Of(0, 30), TimeAmount::Of(1, 1),  TimeAmount::Of(1, 2),  TimeAmount::Of(1, 4),
    TimeAmount::Of(1, 8),  TimeAmount::Of(1, 12), TimeAmount::Of(2, 1),  TimeAmount::Of(2, 2),
    TimeAmount::Of(2, 3),  TimeAmount::Of(3, 1),
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
