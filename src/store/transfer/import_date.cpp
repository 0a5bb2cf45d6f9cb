#include "store/transfer/import_date.h"

namespace zm {

int ClampDateOrder(int order) {
    return order < 0 ? 0 : order > 2 ? 2 : order;
}

int ImportYear(int group) {
    if (group < 10) return 2000 + group;
    if (group < 100) return 1900 + group;
    if (group < 1753) return 1753;
    return group;
}

DateTime ParseImportDate(std::string_view text, int order) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);

    int groups[3] = {0, 0, 0};
    size_t pos = 0;
    for (int g = 0; g < 3; ++g) {
        if (g > 0) {
            if (pos >= text.size()) return DateTime::Invalid();
            const char sep = text[pos++];
            if (sep != '.' && sep != '/' && sep != '-') return DateTime::Invalid();
        }
        int digits = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            if (++digits > 4) return DateTime::Invalid();
            groups[g] = groups[g] * 10 + (text[pos++] - '0');
        }
        if (digits == 0) return DateTime::Invalid();
    }
    if (pos != text.size()) return DateTime::Invalid();

    int year, month, day;
    switch (ClampDateOrder(order)) {
    case kDayMonthYear:
        day = groups[0], month = groups[1], year = groups[2];
        break;
    case kYearMonthDay:
        year = groups[0], month = groups[1], day = groups[2];
        break;
    default:
        month = groups[0], day = groups[1], year = groups[2];
        break;
    }
    return DateTime::FromParts(ImportYear(year), month, day);
}

} // namespace zm
