#include "clock/clock_look.h"

#include <algorithm>

namespace zm {
namespace {

uint32_t Channel(uint32_t colour, int shift) {
    return (colour >> shift) & 0xFF;
}

uint32_t Shade(uint32_t colour, bool lighter) {
    uint32_t out = 0;
    for (const int shift : {0, 8, 16}) {
        const uint32_t c = Channel(colour, shift);
        out |= (lighter ? c + (255 - c) / 2 : c / 2) << shift;
    }
    return out;
}

uint32_t StoredColour(const Settings& settings, SettingId id, uint32_t system) {
    const int64_t value = ReadInt(settings, id);
    return value < 0 ? system : static_cast<uint32_t>(value);
}

} // namespace

ClockOptions ReadClockOptions(const Settings& settings, const LocaleSettingDefaults& locale) {
    ClockOptions o;
    o.show = ReadBool(settings, SettingId::ShowClock);
    o.customColours = ReadBool(settings, SettingId::ClockCustomColours);
    o.textColour = StoredColour(settings, SettingId::ClockTextColour, 0x000000);
    o.backgroundColour = StoredColour(settings, SettingId::ClockBackgroundColour, 0xFFFFFF);
    o.customFont = ReadBool(settings, SettingId::ClockCustomFont);
    o.tooltip = ReadBool(settings, SettingId::ClockTooltip);
    o.border = ReadBool(settings, SettingId::ClockBorder);
    o.margins = static_cast<int>(ReadInt(settings, SettingId::ClockMargins));
    o.format = ReadText(settings, SettingId::ClockFormat, locale);
    o.alignment = static_cast<ClockAlignment>(
        std::clamp<int64_t>(ReadInt(settings, SettingId::ClockAlignment), 0, 2));
    o.chimes = static_cast<uint32_t>(ReadInt(settings, SettingId::ClockChimes));
    return o;
}

ClockColours CustomClockColours(uint32_t text, uint32_t back) {
    return {text, back, Shade(back, true), Shade(back, false)};
}

} // namespace zm
