#include "platform/window_size.h"

#include <algorithm>

namespace zm {

std::optional<uint32_t> PackWindowSize(std::optional<Size> normal, Size minimum) {
    if (!normal) return std::nullopt;
    if (*normal == minimum) return 0u;
    const auto length = [](int v) {
        return static_cast<uint32_t>(std::clamp(v, 1, kLargestPackedLength));
    };
    return length(normal->height) << 16 | length(normal->width);
}

Size ClampWindowSize(Size wanted, Size minimum, Size workArea) {
    const auto one = [](int v, int low, int high) {
        return std::clamp(v, low, std::max(low, high));
    };
    return {one(wanted.width, minimum.width, workArea.width),
            one(wanted.height, minimum.height, workArea.height)};
}

Size StoredWindowSize(uint32_t packed, Size minimum, Size workArea) {
    if (packed == 0 || packed == 0xFFFFFFFFu) return minimum;
    const Size stored{static_cast<int>(packed & 0xFFFFu), static_cast<int>(packed >> 16)};
    return ClampWindowSize(stored, minimum, workArea);
}

} // namespace zm
