#pragma once
// A hand-filled English locale, an English formatter and a fixed clock for the format tests.

#include "format/display_format.h"
#include "format/locale_description.h"
#include "platform/clock.h"
#include "platform/locale_formatter.h"
#include "support/fake_clock.h"

namespace zm::test {

// Month-day-year, two-digit year, no leading zeros, "/" and ":", 12-hour clock.
inline LocaleDescription EnglishUs() {
    LocaleDescription d;
    d.dateSeparator = "/";
    d.compactDateSeparator = "/";
    d.timeSeparator = ":";
    d.compactTimeSeparator = ":";
    d.longTimeFormat = "h:mm:ss AP t";
    return d;
}

// A formatter whose platform answers nothing.
class FailingFormatter final : public LocaleFormatter {
public:
    std::optional<std::string> FormatDate(std::string_view, const CivilTime&) const override {
        return std::nullopt;
    }
    std::optional<std::string> FormatTime(std::string_view, const CivilTime&) const override {
        return std::nullopt;
    }
};

// A formatter that answers with a fixed text.
class FixedFormatter final : public LocaleFormatter {
public:
    explicit FixedFormatter(std::string text) : text_(std::move(text)) {}
    std::optional<std::string> FormatDate(std::string_view, const CivilTime&) const override {
        return text_;
    }
    std::optional<std::string> FormatTime(std::string_view, const CivilTime&) const override {
        return text_;
    }

private:
    std::string text_;
};

struct FormatFixture {
    LocaleDescription locale = EnglishUs();
    EnglishLocaleFormatter formatter;
    FakeClock clock;
    FormatFixture() { clock.zone = "CET"; }
    DisplayFormatContext Context() const { return {locale, formatter, clock}; }
    std::string Expand(std::string_view format, DateTime moment) const {
        return ExpandDisplayFormat(format, moment, Context());
    }
};

} // namespace zm::test
