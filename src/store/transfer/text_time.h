#pragma once
// Dates and times in the fields of text files, as the user's locale writes them.

#include "format/locale_description.h"
#include "format/locale_formats.h"
#include "model/date_time.h"

#include <optional>
#include <string>
#include <string_view>

namespace zm {

// How an export writes the Date and Time fields: the locale's compact date and compact time.
//
// The year always has four digits, whatever the locale's short format says: a two-digit year
// would come back from an import as another century. A date separator that the import does not
// read ('.', '/' and '-' are read) is written as '/'. The time has the seconds only when they
// are not 0, and a 12-hour locale without AM/PM texts is written on the 24-hour clock, since
// its times could not be told apart otherwise.
class TextFieldFormats {
public:
    explicit TextFieldFormats(const LocaleDescription& locale);

    std::string Date(DateTime moment) const { return dates_.FormatCompactDate(moment); }
    std::string Time(DateTime moment) const;
    // The order of the groups of the written dates (the import's date order that reads them).
    int DateOrder() const { return dateOrder_; }

private:
    LocaleFormats dates_;
    int dateOrder_;
    bool twelveHour_;
    bool hourLeadingZero_;
    std::string timeSeparator_;
    std::string am_;
    std::string pm_;
};

// The time of day of a Time field, in seconds from midnight; nothing when the text is not a
// time. Read are an hour, a minute and optionally a second, separated by ':' or the locale's
// time separator, with the locale's AM/PM texts (or "AM"/"PM", "A"/"P", in any letter case)
// before or after them; without AM/PM texts the hour counts on the 24-hour clock. An hour alone
// is read only with an AM/PM text. Blanks around the parts are skipped.
std::optional<int> ParseImportTime(std::string_view text, const LocaleDescription& locale);

} // namespace zm
