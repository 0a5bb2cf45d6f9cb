#include "list/window_placement.h"

#include <algorithm>

namespace zm {
namespace {

constexpr Size kDefaultSize{780, 480};

void PutU32(uint8_t* at, int value) {
    const auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(v >> (8 * i));
}

int GetU32(const uint8_t* at) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<uint32_t>(at[i]) << (8 * i);
    return static_cast<int>(v);
}

int64_t Overlap(const Rect& a, const Rect& b) {
    const Rect common = a.Intersected(b);
    return static_cast<int64_t>(common.width) * common.height;
}

} // namespace

std::array<uint8_t, 16> PackWindowRect(const Rect& rect) {
    std::array<uint8_t, 16> bytes{};
    PutU32(&bytes[0], rect.x);
    PutU32(&bytes[4], rect.y);
    PutU32(&bytes[8], rect.Right());
    PutU32(&bytes[12], rect.Bottom());
    return bytes;
}

std::optional<Rect> UnpackWindowRect(std::span<const uint8_t> bytes) {
    if (bytes.size() != 16) return std::nullopt;
    const int64_t left = GetU32(&bytes[0]);
    const int64_t top = GetU32(&bytes[4]);
    const int64_t right = GetU32(&bytes[8]);
    const int64_t bottom = GetU32(&bytes[12]);
    if (right <= left || bottom <= top) return std::nullopt;
    if (right - left > 0x7FFF || bottom - top > 0x7FFF) return std::nullopt;
    return Rect{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                static_cast<int>(bottom - top)};
}

Rect PlaceMainWindow(std::optional<Rect> stored, const std::vector<ScreenArea>& screens) {
    Rect area = kFallbackWorkArea;
    if (!screens.empty()) area = screens.front().available;
    if (stored) {
        int64_t best = 0;
        for (const ScreenArea& screen : screens) {
            const int64_t overlap = Overlap(*stored, screen.available);
            if (overlap > best) {
                best = overlap;
                area = screen.available;
            }
        }
    }
    Rect r = stored.value_or(Rect{0, 0, kDefaultSize.width, kDefaultSize.height});
    r.width = std::max(r.width, kMainWindowMinimum.width);
    r.height = std::max(r.height, kMainWindowMinimum.height);
    // Never larger than the work area, unless the minimum itself is.
    r.width = std::min(r.width, std::max(area.width, kMainWindowMinimum.width));
    r.height = std::min(r.height, std::max(area.height, kMainWindowMinimum.height));
    if (!stored) {
        r.x = area.x + (area.width - r.width) / 2;
        r.y = area.y + (area.height - r.height) / 2;
    }
    r.x = std::max(area.x, std::min(r.x, area.Right() - r.width));
    r.y = std::max(area.y, std::min(r.y, area.Bottom() - r.height));
    return r;
}

} // namespace zm
