// Typed amounts: any text either parses into an amount whose own description reads back as
// the same amount, or is refused with one of the two refusal codes.

#include "model/amount_parse.h"
#include "model/describe.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {
void Check(bool ok) {
    if (!ok) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const bool zeroAllowed = (data[0] & 1) != 0;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const zm::ParsedAmount r = zm::ParseAmount(text, zeroAllowed);
    if (r.code != zm::kAmountOk) {
        Check(r.code == zm::kAmountTooLarge || r.code == zm::kAmountNotValid);
        return 0;
    }
    Check(zm::IsKnownUnit(r.unit) && r.count <= zm::TimeAmount::kMaxCount);
    Check(r.count != 0 || (zeroAllowed && r.unit == zm::AmountUnit::Minute));

    const std::string described = zm::DescribeAmount(r.unit, r.count);
    Check(!described.empty());
    const zm::ParsedAmount back = zm::ParseAmount(described, zeroAllowed);
    Check(back.code == zm::kAmountOk && back.unit == r.unit && back.count == r.count);

    // The "before start" form is for showing only: it never reads back as an amount.
    const std::string before = zm::DescribeAmount(r.unit, r.count | zm::TimeAmount::kBeforeStart);
    Check(zm::ParseAmount(before, zeroAllowed).code == zm::kAmountNotValid);
    return 0;
}
