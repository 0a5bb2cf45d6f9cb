#include "platform/clock_position.h"

namespace zm {

uint32_t PackClockPosition(Point topLeft) {
    return (static_cast<uint32_t>(topLeft.y) & 0xFFFFu) << 16 |
           (static_cast<uint32_t>(topLeft.x) & 0xFFFFu);
}

std::optional<Point> UnpackClockPosition(uint32_t stored) {
    if (stored == kNoClockPosition) return std::nullopt;
    return Point{static_cast<int16_t>(stored & 0xFFFFu), static_cast<int16_t>(stored >> 16)};
}

std::optional<Point> ReadClockPosition(const Settings& settings) {
    return UnpackClockPosition(
        static_cast<uint32_t>(ReadInt(settings, SettingId::ClockPosition) & 0xFFFFFFFF));
}

void WriteClockPosition(Settings& settings, Point topLeft) {
    WriteInt(settings, SettingId::ClockPosition, PackClockPosition(topLeft));
}

bool IsVisibleOnScreens(const Rect& window, std::span<const Rect> screens, int minPart) {
    for (const Rect& screen : screens) {
        const Rect part = window.Intersected(screen);
        if (part.width >= minPart && part.height >= minPart) return true;
    }
    return false;
}

Point ClockStartPosition(std::optional<Point> stored, Size clock, std::span<const Rect> screens,
                         const Rect& primaryWorkArea, int captionButtonWidth) {
    if (stored && IsVisibleOnScreens({stored->x, stored->y, clock.width, clock.height}, screens))
        return *stored;
    return {primaryWorkArea.Right() - 3 * captionButtonWidth - clock.width - 4,
            primaryWorkArea.y + 1};
}

} // namespace zm
