#pragma once
// The layout of the timer displays' seven-segment digits: which segments each character lights,
// where each character's cell lies in the display, and the outline of each segment in a cell.
//
//    aaa
//   f   b
//    ggg
//   e   c
//    ddd
//
// Digits and "-" are drawn with segments, ":" as two dots; any other character is a blank
// digit cell.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zm {

struct PointF {
    double x = 0;
    double y = 0;
};

struct RectF {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

enum class Segment : uint8_t { A, B, C, D, E, F, G };
inline constexpr int kSegmentCount = 7;

// Bit n set: segment n (A = bit 0) is lit.
uint8_t LitSegments(char c);

struct GlyphCell {
    char c = ' ';
    bool colon = false;
    RectF box;
};

// The cells of `text` in a display of the given size: digits 5 : 9 wide to tall (colons half as
// wide as a digit), as large as the height and the width allow with a margin of a twelfth of
// the height, centred.
std::vector<GlyphCell> LayOutGlyphs(std::string_view text, double width, double height);

// The stroke width of the segments in a cell.
double SegmentThickness(const RectF& cell);
// The outline of a segment in a digit cell: a bar with pointed ends.
std::array<PointF, 6> SegmentOutline(Segment segment, const RectF& cell);
// The two dots of a colon cell, as squares.
std::array<RectF, 2> ColonDots(const RectF& cell);

} // namespace zm
