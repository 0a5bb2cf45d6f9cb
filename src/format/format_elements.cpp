#include "format/format_elements.h"

#include "platform/utf8.h"

#include <algorithm>

namespace zm {
namespace {

constexpr FormatElement kLine{};

constexpr FormatElement kDateRows[] = {
    {"Day\td", "d"},
    {"Day (2 digits)\tdd", "dd"},
    {"Day of week (abbr.)\tddd", "ddd"},
    {"Day of week (full)\tdddd", "dddd"},
    kLine,
    {"Month\tM", "M"},
    {"Month (2 digits)\tMM", "MM"},
    {"Month name (abbr.)\tMMM", "MMM"},
    {"Month name (full)\tMMMM", "MMMM"},
    kLine,
    {"Year (2 digits)\tyy", "yy"},
    {"Year (4 digits)\tyyyy", "yyyy"},
    kLine,
    {"Period/Era\tgg", "gg"},
    kLine,
    {"Week number\tw", "w"},
    {"Week number (2 digits)\tww", "ww"},
    {"Day of year\tD", "D"},
    {"Day of year (3 digits)\tDDD", "DDD"},
};

constexpr FormatElement kTimeRows[] = {
    {"Hour (1-12)\th", "h"},
    {"Hour (01-12)\thh", "hh"},
    {"Hour (0-23)\tH", "H"},
    {"Hour (00-23)\tHH", "HH"},
    kLine,
    {"Minute (0-59)\tm", "m"},
    {"Minute (00-59)\tmm", "mm"},
    kLine,
    {"Second (0-59)\ts", "s"},
    {"Second (00-59)\tss", "ss"},
    kLine,
    {"A/P\tt", "t"},
    {"AM/PM\ttt", "tt"},
    kLine,
    {"Timezone name\tZZ", "ZZ"},
    kLine,
    {"Swatch time (@xxx)\t@", "@"},
};

constexpr FormatElement kSampleRows[] = {
    {"Sat, 1 Jan 2000\tddd, d MMM yyyy", "ddd, d MMM yyyy"},
    {"January 01, 2000\tMMMM dd, yyyy", "MMMM dd, yyyy"},
    {"1 Jan '00 (Sat)\td MMM ''yy (ddd)", "d MMM ''yy (ddd)"},
    kLine,
    {"31/01/2000\tdd/MM/yyyy", "dd/MM/yyyy"},
    {"01-31-2000\tMM-dd-yyyy", "MM-dd-yyyy"},
    {"00.01.31\tyy.MM.dd", "yy.MM.dd"},
    kLine,
    {"3.00 PM\th.mm tt", "h.mm tt"},
    {"15h00m\tHH'h'mm", "HH'h'mm"},
    {"03:00:00 PM\thh:mm:ss tt", "hh:mm:ss tt"},
};

constexpr FormatElement kSeparatorRows[] = {
    {"Space", " "},
    kLine,
    {"Literal text\t' '", "' '"},
    {"Hidden separator\t~", "~"},
    {"Line break\t|", "|"},
    kLine,
    {"Colon\t:", ":"},
    {"Semicolon\t;", ";"},
    {"Dot\t.", "."},
    {"Comma\t,", ","},
    {"Quotes (')\t''", "''"},
    {"Slash\t/", "/"},
    {"Dash\t-", "-"},
    {"Percent\t%", "%"},
};

constexpr FormatElement kAlignmentRows[] = {
    {"Aligned left", ""},
    {"Aligned right", ""},
    {"Centered", ""},
};

bool NeedsGuard(std::string_view ch) {
    if (ch.size() != 1) return false;
    const char c = ch[0];
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '@';
}

} // namespace

std::span<const FormatElement> FormatMenuRows(FormatMenu menu) {
    switch (menu) {
    case FormatMenu::Date:
        return kDateRows;
    case FormatMenu::Time:
        return kTimeRows;
    case FormatMenu::Samples:
        return kSampleRows;
    case FormatMenu::Separator:
        return kSeparatorRows;
    case FormatMenu::Alignment:
        return kAlignmentRows;
    }
    return {};
}

FormatEdit InsertFormatElement(std::string_view text, TextSelection selection,
                               std::string_view code, bool guard) {
    const std::size_t length = Utf8Length(text);
    std::size_t start = std::min(selection.start, length);
    std::size_t end = std::min(selection.end, length);
    if (start > end) std::swap(start, end);
    const std::size_t startByte = Utf8Offset(text, start);
    const std::size_t endByte = Utf8Offset(text, end);

    std::string inserted;
    if (guard && start > 0) {
        const std::size_t before = Utf8Offset(text, start - 1);
        if (NeedsGuard(text.substr(before, startByte - before))) inserted += '~';
    }
    inserted += code;
    if (guard && end < length && NeedsGuard(text.substr(endByte, Utf8CharLength(text, endByte))))
        inserted += '~';

    FormatEdit edit;
    edit.text.reserve(text.size() - (endByte - startByte) + inserted.size());
    edit.text.append(text.substr(0, startByte));
    edit.text.append(inserted);
    edit.text.append(text.substr(endByte));
    const std::size_t caret = start + Utf8Length(inserted);
    edit.selection = TextSelection{caret, caret};
    return edit;
}

} // namespace zm
