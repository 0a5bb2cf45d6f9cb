#include "preferences/clock_format_builder.h"

#include "platform/setting_table.h"
#include "platform/utf8.h"

namespace zm {

std::optional<FormatElement> MenuRow(FormatMenu menu, std::size_t row) {
    const auto rows = FormatMenuRows(menu);
    if (row >= rows.size() || rows[row].IsSeparatorLine()) return std::nullopt;
    return rows[row];
}

std::optional<FormatEdit> InsertMenuRow(std::string_view text, TextSelection selection,
                                        FormatMenu menu, std::size_t row) {
    const auto element = MenuRow(menu, row);
    if (!element || element->code.empty()) return std::nullopt;
    FormatEdit edit = InsertFormatElement(text, selection, element->code, IsGuardedMenu(menu));
    if (Utf8Length(edit.text) > static_cast<std::size_t>(kClockFormatMaxLength))
        return std::nullopt;
    return edit;
}

} // namespace zm
