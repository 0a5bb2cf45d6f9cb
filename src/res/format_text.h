#pragma once
// Fills the %-conversions of a text from the string table.
//
// A small, bounded printf: the output grows as needed, never overruns, and a conversion that
// finds no argument (or an argument of the other kind) still gives sensible text instead of
// reading garbage. Understood: %d %i %u %x %X %c %s and %% with the flags "-+ 0#", a width and
// a precision (both capped at 512); length modifiers (h, l, ll, I64) are read and ignored.
// "%1" ... "%9" without a conversion letter insert argument 1 ... 9 as text (the texts of the
// print status window use that form). Anything else is copied as it stands.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace zm {

// One argument. A text argument refers to its characters, so it is meant for the call it is
// written in (temporaries in the braces of a call live as long as the call).
class FormatArg {
public:
    template <typename T>
    requires(std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, char>)
        FormatArg(T v)
        : number_(static_cast<int64_t>(v)), isNumber_(true) {}
    FormatArg(const char* s) : text_(s ? s : "") {}
    FormatArg(std::string_view s) : text_(s) {}
    FormatArg(const std::string& s) : text_(s) {}

    bool IsNumber() const { return isNumber_; }
    int64_t Number() const { return number_; }
    std::string_view Text() const { return text_; }

private:
    int64_t number_ = 0;
    std::string_view text_;
    bool isNumber_ = false;
};

// The pattern with its conversions filled from args, in order.
std::string FormatString(std::string_view pattern, std::span<const FormatArg> args);
inline std::string FormatString(std::string_view pattern, std::initializer_list<FormatArg> args) {
    return FormatString(pattern, std::span<const FormatArg>(args.begin(), args.size()));
}

// The string-table text `id` with its conversions filled; empty for an unknown id.
std::string FormatText(int id, std::initializer_list<FormatArg> args = {});

} // namespace zm
