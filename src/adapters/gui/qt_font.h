#pragma once
// The one place where a font of the settings becomes a QFont and back.

#include "platform/font_setting.h"

#include <QFont>

namespace zm {

// The pixels per logical inch of the primary screen; 96 without one.
int ScreenPixelsPerInch();

// The font at its pixel height, with its face, weight (bold for 700), italic, underline and
// strike-out.
QFont ToQFont(const FontDescription& font);
// The description of a font, with the height in pixels at the given resolution (a font given
// in points is converted by rounding to the nearest pixel).
FontDescription FontFromQFont(const QFont& font, int pixelsPerInch);
// A font of the settings at the screen's resolution.
QFont ScreenFont(const Settings& settings, SettingId id);

} // namespace zm
