#pragma once
// Text for a terminal: a name or a note may hold control characters (an escape sequence could
// recolour, retitle or clear the terminal, a carriage return could hide what was printed before
// it). what goes to a terminal shows them escaped instead: "\e", "\r", "\x07", "\u009b".
// Line ends and tabs stay as they are, so notes of several lines still read as such.

#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

namespace zm {

// The text with every control character but '\n' and '\t' escaped (C0, DEL and, in UTF-8, the
// C1 controls U+0080 ... U+009F).
std::string EscapeControls(std::string_view text);

// A stream buffer that escapes the control characters of everything written through it before
// passing it on.
class EscapingStreamBuf final : public std::streambuf {
public:
    explicit EscapingStreamBuf(std::streambuf& target) : target_(target) {}
    ~EscapingStreamBuf() override;

protected:
    int_type overflow(int_type ch) override;
    int sync() override;

private:
    std::streambuf& target_;
    bool leadC2_ = false; // the first byte of a two-byte character that may be a C1 control
};

// Escapes what `stream` writes while it lives, when `escape` is set; restores it afterwards.
class EscapedStream {
public:
    EscapedStream(std::ostream& stream, bool escape);
    ~EscapedStream();
    EscapedStream(const EscapedStream&) = delete;
    EscapedStream& operator=(const EscapedStream&) = delete;

private:
    std::ostream& stream_;
    std::streambuf* original_;
    std::unique_ptr<EscapingStreamBuf> escaping_;
};

} // namespace zm
