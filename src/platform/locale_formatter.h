#pragma once
// The locale's own texts for a moment that the program cannot compose from names alone: the era
// ("g", "gg") and the AM/PM designator ("t" gives the one-character form, "tt" the full one).

#include "platform/clock.h"

#include <optional>
#include <string>
#include <string_view>

namespace zm {

class LocaleFormatter {
public:
    virtual ~LocaleFormatter() = default;
    // The date picture (a run of "g") formatted for the moment in the user's locale; nothing when
    // the platform cannot format it.
    virtual std::optional<std::string> FormatDate(std::string_view picture,
                                                  const CivilTime& moment) const = 0;
    // The time picture (a run of "t") formatted for the moment; nothing when the platform cannot.
    virtual std::optional<std::string> FormatTime(std::string_view picture,
                                                  const CivilTime& moment) const = 0;
};

// English texts: "A.D." for the era, "A"/"P" and "AM"/"PM". The fixture of tests and the
// fallback where the platform gives none. Pictures other than a run of the one letter fail.
class EnglishLocaleFormatter final : public LocaleFormatter {
public:
    std::optional<std::string> FormatDate(std::string_view picture,
                                          const CivilTime& moment) const override;
    std::optional<std::string> FormatTime(std::string_view picture,
                                          const CivilTime& moment) const override;
};

// True when the picture is one or more repetitions of the letter.
bool IsRunOf(std::string_view picture, char letter);

} // namespace zm
