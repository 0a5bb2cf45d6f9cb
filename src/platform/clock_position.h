#pragma once
// Where the floating clock opens. Its position is stored as one 32-bit number, the top edge in
// bits 16-31 and the left edge in bits 0-15, each a signed 16-bit number, so a clock on a
// monitor to the left of or above the primary one keeps its place.

#include "platform/screen_geometry.h"
#include "platform/setting_table.h"

#include <cstdint>
#include <optional>
#include <span>

namespace zm {

// (20000, 20000): no position stored yet.
inline constexpr uint32_t kNoClockPosition = 0x4E204E20;

uint32_t PackClockPosition(Point topLeft);
// Nothing for kNoClockPosition.
std::optional<Point> UnpackClockPosition(uint32_t stored);

// The position in the settings.
std::optional<Point> ReadClockPosition(const Settings& settings);
void WriteClockPosition(Settings& settings, Point topLeft);

// True when at least a minPart x minPart part of the window lies on one of the screens.
bool IsVisibleOnScreens(const Rect& window, std::span<const Rect> screens, int minPart = 3);

// The clock's top-left corner at start-up: the stored position when at least 3 x 3 pixels of
// the clock lie on a screen there; otherwise the top-right corner of the primary screen's work
// area, clear of the title-bar buttons a window in that corner would have: x = right edge -
// 3 caption buttons - clock width - 4, y = top edge + 1.
Point ClockStartPosition(std::optional<Point> stored, Size clock, std::span<const Rect> screens,
                         const Rect& primaryWorkArea, int captionButtonWidth);

} // namespace zm
