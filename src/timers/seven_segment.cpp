#include "timers/seven_segment.h"

#include <algorithm>

namespace zm {
namespace {

constexpr double kDigitAspect = 5.0 / 9.0;
constexpr double kColonShare = 0.5;
constexpr double kGapShare = 0.2; // the space between cells, of a digit's width

// Segment bits of 0 ... 9.
constexpr std::array<uint8_t, 10> kDigits{0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                          0x6D, 0x7D, 0x07, 0x7F, 0x6F};

} // namespace

uint8_t LitSegments(char c) {
    if (c >= '0' && c <= '9') return kDigits[static_cast<size_t>(c - '0')];
    if (c == '-') return 1u << static_cast<int>(Segment::G);
    return 0;
}

std::vector<GlyphCell> LayOutGlyphs(std::string_view text, double width, double height) {
    std::vector<GlyphCell> cells;
    if (text.empty() || width <= 0 || height <= 0) return cells;
    const double margin = height / 12;
    const double innerHeight = std::max(0.0, height - 2 * margin);
    const double innerWidth = std::max(0.0, width - 2 * margin);
    // The width of the text in units of one digit's width.
    double units = 0;
    for (char c : text)
        units += (c == ':' ? kColonShare : 1.0) + kGapShare;
    units -= kGapShare;
    const double digitWidth = std::min(innerHeight * kDigitAspect, innerWidth / units);
    const double digitHeight = digitWidth / kDigitAspect;
    double x = (width - digitWidth * units) / 2;
    const double y = (height - digitHeight) / 2;
    for (char c : text) {
        const bool colon = c == ':';
        const double w = digitWidth * (colon ? kColonShare : 1.0);
        cells.push_back({c, colon, {x, y, w, digitHeight}});
        x += w + digitWidth * kGapShare;
    }
    return cells;
}

double SegmentThickness(const RectF& cell) {
    return std::max(1.0, std::min(cell.width / 4.5, cell.height / 8));
}

std::array<PointF, 6> SegmentOutline(Segment segment, const RectF& cell) {
    const double t = SegmentThickness(cell);
    const double h = t / 2;
    const double gap = std::max(0.6, t / 5); // between neighbouring segments
    const double left = cell.x + h;
    const double right = cell.x + cell.width - h;
    const double top = cell.y + h;
    const double middle = cell.y + cell.height / 2;
    const double bottom = cell.y + cell.height - h;
    const auto across = [&](double y) {
        const double x0 = left + gap;
        const double x1 = right - gap;
        return std::array<PointF, 6>{PointF{x0, y}, {x0 + h, y - h}, {x1 - h, y - h},
                                     {x1, y},       {x1 - h, y + h}, {x0 + h, y + h}};
    };
    const auto down = [&](double x, double y0, double y1) {
        y0 += gap;
        y1 -= gap;
        return std::array<PointF, 6>{PointF{x, y0}, {x + h, y0 + h}, {x + h, y1 - h},
                                     {x, y1},       {x - h, y1 - h}, {x - h, y0 + h}};
    };
    switch (segment) {
    case Segment::A:
        return across(top);
    case Segment::B:
        return down(right, top, middle);
    case Segment::C:
        return down(right, middle, bottom);
    case Segment::D:
        return across(bottom);
    case Segment::E:
        return down(left, middle, bottom);
    case Segment::F:
        return down(left, top, middle);
    case Segment::G:
        break;
    }
    return across(middle);
}

std::array<RectF, 2> ColonDots(const RectF& cell) {
    const double t = std::min(cell.width, SegmentThickness({0, 0, cell.width * 2, cell.height}));
    const double x = cell.x + (cell.width - t) / 2;
    return {RectF{x, cell.y + cell.height * 0.3 - t / 2, t, t},
            RectF{x, cell.y + cell.height * 0.7 - t / 2, t, t}};
}

} // namespace zm
