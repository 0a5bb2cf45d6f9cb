#pragma once
// The texts of the list's cells and column titles, and the same event as a line of copied text.

#include "format/locale_formats.h"
#include "model/event_record.h"
#include "platform/locale_names.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace zm {

// The most characters a cell shows.
inline constexpr size_t kCellTextLimit = 127;

// The title of column 0 ... 5 ("Name", "Time", "Duration", "Age", "Type", "Recurrence").
const char* ColumnTitle(int column);

// The first `count` characters of a UTF-8 text (a character is never split).
std::string FirstCharacters(std::string_view text, size_t count);
// The number of characters of a UTF-8 text.
size_t CharacterCount(std::string_view text);

// The text of one cell, cut to kCellTextLimit characters: the name, the ListOccurrence, the
// duration, the age at the ListOccurrence, the type name, the recurrence.
std::string CellText(const EventRecord& event, int column, const LocaleFormats& formats,
                     const LocaleNames& names);

} // namespace zm
