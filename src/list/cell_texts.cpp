#include "list/cell_texts.h"

#include "list/row_order.h"
#include "model/describe.h"
#include "res/strings.h"

namespace zm {
namespace {

bool Continues(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::string Uncut(const EventRecord& event, int column, const LocaleFormats& formats,
                  const LocaleNames& names) {
    switch (column) {
    case kColumnName:
        return event.name;
    case kColumnTime:
        return formats.FormatDayDateTime(event.listOccurrence, false);
    case kColumnDuration:
        return DescribeAmount(event.duration);
    case kColumnAge:
        return AgeAt(event, event.listOccurrence);
    case kColumnType:
        return event.typeName;
    case kColumnRecurrence:
        return DescribePattern(event, names);
    default:
        return {};
    }
}

} // namespace

const char* ColumnTitle(int column) {
    static constexpr int kTitles[kListColumnCount] = {IDS_COLUMN_NAME,     IDS_COLUMN_TIME,
                                                      IDS_COLUMN_DURATION, IDS_COLUMN_AGE,
                                                      IDS_COLUMN_TYPE,     IDS_COLUMN_RECURRENCE};
    return column >= 0 && column < kListColumnCount ? LoadString(kTitles[column]) : "";
}

std::string FirstCharacters(std::string_view text, size_t count) {
    size_t at = 0;
    for (size_t n = 0; at < text.size() && n < count; ++n) {
        ++at;
        while (at < text.size() && Continues(text[at]))
            ++at;
    }
    return std::string(text.substr(0, at));
}

size_t CharacterCount(std::string_view text) {
    size_t n = 0;
    for (char c : text)
        if (!Continues(c)) ++n;
    return n;
}

std::string CellText(const EventRecord& event, int column, const LocaleFormats& formats,
                     const LocaleNames& names) {
    return FirstCharacters(Uncut(event, column, formats, names), kCellTextLimit);
}

} // namespace zm
