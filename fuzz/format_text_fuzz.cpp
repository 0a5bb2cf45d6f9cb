// The text formatter with any pattern: it must neither overrun nor run away in size, whatever
// conversions, widths and precisions the pattern asks for and however few arguments there are.

#include "res/format_text.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const size_t argCount = data[0] % 4;
    const std::string_view pattern(reinterpret_cast<const char*>(data + 1), size - 1);
    const zm::FormatArg all[] = {-2147483647 - 1, "text", 0xFFFFFFFFu, INT64_MIN};
    const std::string out = zm::FormatString(pattern, {all, argCount});
    // No conversion yields more than 512 characters plus a sign or "0x" prefix, and each takes
    // at least two characters of the pattern.
    if (out.size() > pattern.size() * 260 + 16) std::abort();
    return 0;
}
