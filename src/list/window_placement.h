#pragma once
// Where the main window opens: its last normal rectangle (kept as 16 bytes: left, top, right,
// bottom, each a 32-bit little-endian number) brought onto the desktop's work area, never
// smaller than the minimum.

#include "platform/screen_geometry.h"
#include "platform/work_area.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zm {

inline constexpr Size kMainWindowMinimum{560, 330};

std::array<uint8_t, 16> PackWindowRect(const Rect& rect);
// Nothing unless exactly 16 bytes with right after left and bottom after top.
std::optional<Rect> UnpackWindowRect(std::span<const uint8_t> bytes);

// The rectangle the window opens at: the stored one (or, without one, a default centred on the
// primary work area) at least the minimum and at most the work area of the screen it is most on
// (the primary one when it is on none), moved to lie within that work area.
Rect PlaceMainWindow(std::optional<Rect> stored, const std::vector<ScreenArea>& screens);

} // namespace zm
