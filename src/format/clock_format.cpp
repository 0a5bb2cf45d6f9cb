#include "format/clock_format.h"

#include "platform/locale_pictures.h"

#include <algorithm>
#include <vector>

namespace zm {
namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Writes codes and literal text in the clock's language.
class ClockFormatWriter {
public:
    void Code(char letter, std::size_t count) {
        CloseQuote();
        if (lastCode_ == letter) out_ += '~';
        out_.append(count, letter);
        lastCode_ = letter;
    }

    void Literal(std::string_view text) {
        for (char c : text) {
            if (c == '\'' || c == '%') {
                // A quote cannot stand inside a literal; outside one it is written twice. A
                // percent sign outside a literal shows itself.
                CloseQuote();
                out_ += c == '\'' ? "''" : "%";
            } else if (IsAsciiLetter(c) || c == '|' || c == '~' || c == '@') {
                OpenQuote();
                out_ += c;
            } else {
                CloseQuote();
                out_ += c;
            }
        }
        CloseQuote();
        lastCode_ = 0;
    }

    std::string Result() && { return std::move(out_); }

private:
    void OpenQuote() {
        if (!quoted_) out_ += '\'';
        quoted_ = true;
    }
    void CloseQuote() {
        if (quoted_) out_ += '\'';
        quoted_ = false;
    }

    std::string out_;
    bool quoted_ = false;
    char lastCode_ = 0;
};

// Emits a run of count letters as codes of at most max letters each.
void Chunks(ClockFormatWriter& w, char letter, std::size_t count, std::size_t max) {
    while (count > 0) {
        const std::size_t n = std::min(count, max);
        w.Code(letter, n);
        count -= n;
    }
}

} // namespace

std::string ClockFormatFromPlatformPicture(std::string_view picture) {
    std::vector<PictureToken> tokens = TokenizePicture(picture);
    const bool twelveHour = std::any_of(tokens.begin(), tokens.end(), [](const PictureToken& t) {
        return t.letter == 'A' || t.letter == 'a';
    });
    ClockFormatWriter w;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        PictureToken& t = tokens[i];
        switch (t.letter) {
        case 0:
            w.Literal(t.text);
            break;
        case 'h':
            Chunks(w, twelveHour ? 'h' : 'H', t.count, 2);
            break;
        case 'H':
        case 'm':
        case 's':
            Chunks(w, t.letter, t.count, 2);
            break;
        case 'd':
        case 'M':
            Chunks(w, t.letter, t.count, 4);
            break;
        case 'y':
            for (std::size_t n = t.count; n > 0;) {
                const std::size_t take = n >= 4 ? 4 : n >= 2 ? 2 : 1;
                if (take == 1)
                    w.Literal("y");
                else
                    w.Code('y', take);
                n -= take;
            }
            break;
        case 'z':
            for (std::size_t n = t.count; n > 0;) {
                const std::size_t take = n >= 3 ? 3 : 1;
                w.Literal(take == 3 ? "000" : "0");
                n -= take;
            }
            break;
        case 't':
            for (std::size_t n = t.count; n > 0; n -= std::min<std::size_t>(n, 4))
                w.Code('Z', 2);
            break;
        case 'A':
        case 'a':
            for (std::size_t n = 0; n < t.count; ++n)
                w.Code('t', 2);
            // "AP" and "ap" are one designator.
            if (i + 1 < tokens.size() &&
                (tokens[i + 1].letter == 'P' || tokens[i + 1].letter == 'p')) {
                if (--tokens[i + 1].count == 0) ++i;
            }
            break;
        default: // P or p standing alone
            w.Literal(std::string(t.count, t.letter));
            break;
        }
    }
    return std::move(w).Result();
}

std::string DefaultClockFormat(const LocaleDescription& locale) {
    std::string format = ClockFormatFromPlatformPicture(locale.longTimeFormat);
    return format.empty() ? std::string(kFallbackClockFormat) : format;
}

} // namespace zm
