#pragma once
// Small text helpers for the ASCII letters and blanks of typed amounts, times, settings and
// command words. They never depend on the C library's current locale.

#include <string>
#include <string_view>

namespace zm {

// Space, tab, carriage return, line feed, vertical tab and form feed.
constexpr bool IsAsciiSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

constexpr char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The text without the ASCII blanks at either end.
std::string_view TrimAsciiSpace(std::string_view text);

// The text with A-Z turned into a-z.
std::string AsciiLowered(std::string_view text);

// Equal when compared with A-Z and a-z the same.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

} // namespace zm
