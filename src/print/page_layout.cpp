#include "print/page_layout.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace zm {
namespace {

constexpr int kLineGap = kUnitsPerMm;                   // under header and footer
constexpr int kColumnHeaderGap = 16 * kUnitsPerMm / 10; // 1.6 mm
constexpr int kColumnPadding = kUnitsPerMm;             // text 1 mm inside a column
constexpr int kRightInset = 2 * kUnitsPerMm / 10;       // 0.2 mm

// The length of the UTF-8 character that starts at text[i].
std::size_t CharLength(std::string_view text, std::size_t i) {
    std::size_t n = 1;
    while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

// The number of leading characters that fit the width (0 when not even one does), found with
// few measurements: doubling the count, then halving the gap, so a long paragraph is not
// measured once per character. `ends[k]` is where character k ends.
std::size_t FittingCharacters(std::string_view text, const std::vector<std::size_t>& ends,
                              int width, FontRole role, const TextMeasurer& measurer) {
    auto fits = [&](std::size_t count) {
        return count == 0 || measurer.TextWidth(role, text.substr(0, ends[count - 1])) <= width;
    };
    std::size_t good = 0;
    std::size_t bad = ends.size() + 1;
    for (std::size_t probe = 64;; probe *= 2) {
        const std::size_t count = std::min(probe, ends.size());
        if (!fits(count)) {
            bad = count;
            break;
        }
        good = count;
        if (count == ends.size()) return good;
    }
    while (bad - good > 1) {
        const std::size_t mid = good + (bad - good) / 2;
        (fits(mid) ? good : bad) = mid;
    }
    return good;
}

std::vector<std::size_t> CharacterEnds(std::string_view text) {
    std::vector<std::size_t> ends;
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i))
        ends.push_back(i + CharLength(text, i));
    return ends;
}

// The longest start of the text (at least one character) that fits the width, preferring to
// end before a space.
std::size_t FittingLength(std::string_view text, int width, FontRole role,
                          const TextMeasurer& measurer) {
    const std::vector<std::size_t> ends = CharacterEnds(text);
    const std::size_t count =
        std::max<std::size_t>(1, FittingCharacters(text, ends, width, role, measurer));
    const std::size_t fit = ends[count - 1];
    if (count == ends.size() || text[fit] == ' ') return fit;
    const std::size_t space = text.substr(0, fit).rfind(' ');
    return space != std::string_view::npos && space >= ends[0] ? space : fit;
}

} // namespace

PageRect PrintableRect(const PageRect& paper, const PageRect& printableArea, const Edges& margins) {
    const PageRect r{std::max(paper.left + margins.left, printableArea.left),
                     std::max(paper.top + margins.top, printableArea.top),
                     std::min(paper.right - margins.right, printableArea.right),
                     std::min(paper.bottom - margins.bottom, printableArea.bottom)};
    return r.Width() > 0 && r.Height() > 0 ? r : printableArea;
}

int HeaderHeight(const PrintOptions& options, const TextMeasurer& measurer) {
    return options.HasHeader() ? measurer.LineHeight(FontRole::Header) + kLineGap : 0;
}

int FooterHeight(const PrintOptions& options, const TextMeasurer& measurer) {
    return options.HasFooter() ? measurer.LineHeight(FontRole::Footer) + kLineGap : 0;
}

int ColumnHeaderHeight(const TextMeasurer& measurer) {
    return measurer.LineHeight(FontRole::Text) + kColumnHeaderGap;
}

PageAreas LayOutAreas(const PageRect& printable, const PrintOptions& options,
                      const TextMeasurer& measurer) {
    PageAreas a;
    const int headerBottom = printable.top + HeaderHeight(options, measurer);
    const int footerTop =
        std::max(headerBottom, printable.bottom - FooterHeight(options, measurer));
    a.header = {printable.left, printable.top, printable.right, headerBottom};
    a.footer = {printable.left, footerTop, printable.right, printable.bottom};
    a.body = {printable.left, headerBottom, printable.right, footerTop};
    a.rowsTop = headerBottom + ColumnHeaderHeight(measurer);
    return a;
}

std::vector<PrintColumn> LayOutColumns(const PageRect& body, const ColumnLayout& screen,
                                       const std::array<int, kListColumnCount>& widest) {
    const bool allShut =
        std::all_of(screen.widths.begin(), screen.widths.end(), [](int w) { return w <= 0; });
    const int right = body.right - kRightInset;
    const int64_t available = std::max(0, right - body.left);
    std::array<int64_t, kListColumnCount> width{};
    int64_t othersNeed = 0;
    for (int column = 0; column < kListColumnCount; ++column) {
        if (!allShut && screen.widths[column] <= 0) continue;
        width[column] = std::max(widest[column], 0) + 2 * kColumnPadding;
        if (column != kColumnName) othersNeed += width[column];
    }
    const int64_t nameShare = std::min(width[kColumnName], available / 10);
    if (othersNeed > available - nameShare) {
        // Too wide together: the narrower columns stay whole, the widest share what is left
        // equally (the water level), so as few texts as possible are cut.
        std::vector<int64_t> needs;
        for (int column = 0; column < kListColumnCount; ++column)
            if (column != kColumnName) needs.push_back(width[column]);
        std::sort(needs.begin(), needs.end());
        int64_t left = available - nameShare;
        int64_t level = 0;
        for (std::size_t i = 0; i < needs.size(); ++i) {
            const auto count = static_cast<int64_t>(needs.size() - i);
            if (needs[i] * count > left) {
                level = left / count;
                break;
            }
            left -= needs[i];
        }
        othersNeed = 0;
        for (int column = 0; column < kListColumnCount; ++column) {
            if (column == kColumnName) continue;
            width[column] = std::min(width[column], level);
            othersNeed += width[column];
        }
    }
    if (allShut || screen.widths[kColumnName] > 0)
        width[kColumnName] = std::max<int64_t>(0, available - othersNeed);

    std::vector<PrintColumn> columns;
    int64_t left = body.left;
    for (int column : screen.order) {
        PrintColumn c;
        c.column = column;
        c.left = static_cast<int>(std::min<int64_t>(left, right));
        left += width[column];
        c.right = static_cast<int>(std::min<int64_t>(left, right));
        c.textLeft = std::min(c.left + kColumnPadding, c.right);
        c.textRight = std::max(c.textLeft, c.right - kColumnPadding);
        columns.push_back(c);
    }
    return columns;
}

std::string FitText(std::string_view text, int width, FontRole role, const TextMeasurer& measurer) {
    if (measurer.TextWidth(role, text) <= width) return std::string(text);
    const std::vector<std::size_t> ends = CharacterEnds(text);
    const std::size_t count = FittingCharacters(text, ends, width, role, measurer);
    return std::string(text.substr(0, count == 0 ? 0 : ends[count - 1]));
}

std::string ElideText(std::string_view text, int width, FontRole role,
                      const TextMeasurer& measurer) {
    static constexpr std::string_view kEllipsis = "\xE2\x80\xA6";
    if (measurer.TextWidth(role, text) <= width) return std::string(text);
    const int room = width - measurer.TextWidth(role, kEllipsis);
    if (room < 0) return {};
    std::string cut = FitText(text, room, role, measurer);
    while (!cut.empty() && cut.back() == ' ')
        cut.pop_back();
    return cut + std::string(kEllipsis);
}

std::vector<std::string> WrapText(std::string_view text, int width, FontRole role,
                                  const TextMeasurer& measurer) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view paragraph = text.substr(0, end);
        if (!paragraph.empty() && paragraph.back() == '\r') paragraph.remove_suffix(1);
        if (paragraph.empty()) lines.emplace_back();
        while (!paragraph.empty()) {
            const std::size_t n = FittingLength(paragraph, width, role, measurer);
            std::string_view line = paragraph.substr(0, n);
            while (!line.empty() && line.back() == ' ')
                line.remove_suffix(1);
            lines.emplace_back(line);
            paragraph.remove_prefix(n);
            while (!paragraph.empty() && paragraph.front() == ' ')
                paragraph.remove_prefix(1);
        }
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

} // namespace zm
