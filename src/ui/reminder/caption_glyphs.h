#pragma once
// The 13 x 10 glyphs of the reminder window's caption buttons, drawn in the caption's text
// colour: the pin released and pressed, minimise, collapse, expand, and the recurrence mark.

#include <QColor>
#include <QPixmap>

namespace zm {

enum class CaptionGlyph : int { PinReleased, PinPressed, Minimise, Collapse, Expand, Recurring };

inline constexpr int kGlyphWidth = 13;
inline constexpr int kGlyphHeight = 10;

QPixmap CaptionGlyphPixmap(CaptionGlyph glyph, const QColor& colour, qreal devicePixelRatio);

} // namespace zm
