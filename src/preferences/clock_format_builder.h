#pragma once
// The Clock page's format builder: a row chosen from one of the element menus goes into the
// format at the selection, guarded with hidden separators where the menu asks for it, and never
// beyond the format's longest length.

#include "format/format_elements.h"

#include <optional>
#include <string_view>

namespace zm {

// The row of a menu, or nothing for a separator line or a row past the end.
std::optional<FormatElement> MenuRow(FormatMenu menu, std::size_t row);

// The format after inserting the code of a menu's row; nothing when the row has no code or the
// result would be longer than the format may be (the format stays as it was).
std::optional<FormatEdit> InsertMenuRow(std::string_view text, TextSelection selection,
                                        FormatMenu menu, std::size_t row);

} // namespace zm
