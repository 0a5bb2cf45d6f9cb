#pragma once
// Reading the locale's date and time pictures (the letters of the platform's formats: d M y for
// the date, h H m s for the time, AP or A for the AM/PM designator, t for the time zone, quoted
// text in '...', '' for a quote) into the facts the program's own formats are built from.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zm {

struct PictureToken {
    char letter = 0;       // the field's letter; 0 for literal text
    std::size_t count = 0; // how many times the letter stands in a row
    std::string text;      // the literal text, quotes removed
    friend bool operator==(const PictureToken&, const PictureToken&) = default;
};

// Splits a picture into fields (runs of one of the letters d M y h H m s z t A a P p) and literal
// text (everything else, quoted text with its quotes removed, '' as one quote; an unclosed quote
// runs to the end). Adjacent literal text is one token.
std::vector<PictureToken> TokenizePicture(std::string_view picture);

struct DatePictureFacts {
    bool found = false;   // the picture had a day, month or year field
    int order = 0;        // 0 month-day-year, 1 day-month-year, 2 year-month-day
    bool century = false; // four-digit year
    bool dayLeadingZero = false;
    bool monthLeadingZero = false;
    std::string separator;        // the text between the first two fields
    std::string compactSeparator; // one character, or empty when the separator has none
};

// The facts of a short date picture such as "M/d/yy", "dd.MM.yyyy" or "yyyy-MM-dd".
DatePictureFacts ReadDatePicture(std::string_view picture);

struct TimePictureFacts {
    bool found = false;   // the picture had an hour field
    bool is24Hour = true; // no AM/PM designator
    bool hourLeadingZero = false;
    std::string separator;        // the text between the hour and the next field
    std::string compactSeparator; // one character, or empty when the separator has none
};

// The facts of a short time picture such as "h:mm AP" or "HH:mm".
TimePictureFacts ReadTimePicture(std::string_view picture);

// The one-character form of a separator: the separator when it is one character, else the
// separator without its spaces and direction marks when that leaves one character, else empty
// (". " gives ".").
std::string CompactSeparator(std::string_view separator);

} // namespace zm
