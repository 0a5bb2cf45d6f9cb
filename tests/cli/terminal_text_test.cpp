#include "cli/terminal_text.h"

#include <gtest/gtest.h>
#include <sstream>

namespace zm {
namespace {

TEST(TerminalText, ControlCharactersAreShownEscaped) {
    const struct {
        std::string text;
        std::string shown;
    } cases[] = {
        {"Dentist", "Dentist"},
        {"line one\nline two\tend", "line one\nline two\tend"},
        {"\x1b]0;pwned\x07title", "\\e]0;pwned\\x07title"},
        {"ok\rFAKE", "ok\\rFAKE"},
        {"back\bspace\x7f", "back\\bspace\\x7f"},
        {"csi \xC2\x9B"
         "2J",
         "csi \\u009b2J"},
        {"caf\xC3\xA9 \xC2\xA0nbsp", "caf\xC3\xA9 \xC2\xA0nbsp"}, // printable characters stay
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EscapeControls(c.text), c.shown);
        // The same through a stream whose output goes to a terminal.
        std::ostringstream out;
        {
            EscapedStream escaped(out, true);
            out << c.text;
        }
        EXPECT_EQ(out.str(), c.shown);
    }
    std::ostringstream plain;
    {
        EscapedStream notATerminal(plain, false);
        plain << "\x1b[2J";
    }
    EXPECT_EQ(plain.str(), "\x1b[2J");
}

} // namespace
} // namespace zm
