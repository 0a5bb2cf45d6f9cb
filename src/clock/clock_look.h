#pragma once
// The floating clock's options as the settings hold them, its colours and its size.

#include "platform/screen_geometry.h"
#include "platform/setting_table.h"

#include <cstdint>
#include <string>

namespace zm {

enum class ClockAlignment : uint8_t { Left = 0, Right = 1, Centred = 2 };

// Bits 0-15: the hour chime; bits 16-31: the half-hour chime.
inline constexpr uint32_t kBothChimes = 0x00010001;
constexpr bool HourChimeOn(uint32_t chimes) {
    return (chimes & 0xFFFF) != 0;
}
constexpr bool HalfHourChimeOn(uint32_t chimes) {
    return (chimes >> 16) != 0;
}

struct ClockOptions {
    bool show = true;
    bool customColours = false;
    uint32_t textColour = 0;       // 0x00BBGGRR, with customColours
    uint32_t backgroundColour = 0; // 0x00BBGGRR, with customColours
    bool customFont = false;       // the clock font of the settings; else the system's
    bool tooltip = true;
    bool border = true; // the 3-D border
    int margins = 5;    // pixels on every side, 0 to 99
    std::string format; // as the user wrote it (ClockFormatToKeep makes the kept form)
    ClockAlignment alignment = ClockAlignment::Left;
    uint32_t chimes = kBothChimes;
};

// The options in the settings. Custom colours stored as "the system's" (-1) are black text on
// white.
ClockOptions ReadClockOptions(const Settings& settings, const LocaleSettingDefaults& locale);

// Text, background, and the border's highlight and shadow, each 0x00BBGGRR.
struct ClockColours {
    uint32_t text = 0;
    uint32_t back = 0;
    uint32_t light = 0;
    uint32_t dark = 0;
    friend bool operator==(const ClockColours&, const ClockColours&) = default;
};

// The user's colours: the highlight halfway from the background to white, the shadow halfway
// to black.
ClockColours CustomClockColours(uint32_t text, uint32_t back);

// The 3-D border: two nested one-pixel frames.
inline constexpr int kClockBorderWidth = 2;

// The distance from the window's edge to the text on every side.
constexpr int ClockInset(int margins, bool border) {
    return margins + (border ? kClockBorderWidth : 0);
}
// The window's size for text of the given size.
constexpr Size ClockWindowSize(Size text, int margins, bool border) {
    const int inset = ClockInset(margins, border);
    return {text.width + 2 * inset, text.height + 2 * inset};
}

} // namespace zm
