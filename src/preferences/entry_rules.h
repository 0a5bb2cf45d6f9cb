#pragma once
// Small rules of the preferences' entry fields: shortcut keys, font sizes, clock margins.

#include <cstdint>

namespace zm {

// A shortcut key typed without Shift, Ctrl or Alt is taken as Ctrl+Alt plus that key; a code
// with a modifier, and 0 (no key), stay as they are.
uint16_t WithDefaultModifiers(uint16_t hotKeyCode);

// The font dialogs offer 8 to 24 points.
inline constexpr int kSmallestChosenPoints = 8;
inline constexpr int kLargestChosenPoints = 24;
int LimitFontPoints(int points);

// The clock's margins: 0 to 99 pixels.
inline constexpr int kLargestClockMargins = 99;
int LimitClockMargins(int margins);

} // namespace zm
