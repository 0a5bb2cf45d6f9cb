#pragma once
// The vocabulary of the clock's picture language as the Clock page offers it: five menus of rows
// (label, code) from which the page builds its pop-up menus, and the rule that inserts a chosen
// code into the format being edited.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace zm {

struct FormatElement {
    std::string_view label; // shown in the menu; the part after the tab is right-aligned
    std::string_view code;  // inserted into the format; empty in the alignment menu
    // A row with an empty label stands for a separator line of the menu.
    constexpr bool IsSeparatorLine() const { return label.empty(); }
};

enum class FormatMenu { Date, Time, Samples, Separator, Alignment };

// The rows of a menu in menu order. In the alignment menu a row's position (0 left, 1 right,
// 2 centred) is the clock's alignment value.
std::span<const FormatElement> FormatMenuRows(FormatMenu menu);

// Codes from the Date, Time and Samples menus are inserted with hidden separators around them so
// that they never run together with the codes beside them; separators are inserted as they are.
constexpr bool IsGuardedMenu(FormatMenu menu) {
    return menu == FormatMenu::Date || menu == FormatMenu::Time || menu == FormatMenu::Samples;
}

// Positions in characters (not bytes) of the UTF-8 text; Start may be after End.
struct TextSelection {
    std::size_t start = 0;
    std::size_t end = 0;
    friend bool operator==(const TextSelection&, const TextSelection&) = default;
};

struct FormatEdit {
    std::string text;
    TextSelection selection; // the caret after the inserted text
};

// Replaces the selection with the code. With guard on, a "~" goes before the code when the
// character before the selection is a letter or "@", and after it when the character after the
// selection is one. Positions past the end count as the end. Letters are the ASCII letters, the
// only ones that can form codes.
FormatEdit InsertFormatElement(std::string_view text, TextSelection selection,
                               std::string_view code, bool guard);

} // namespace zm
