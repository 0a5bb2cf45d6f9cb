#include "platform/locale_pictures.h"

#include "platform/utf8.h"

namespace zm {
namespace {

bool IsFieldLetter(char c) {
    return c != 0 && std::string_view("dMyhHmsztAaPp").find(c) != std::string_view::npos;
}

void AddLiteral(std::vector<PictureToken>& tokens, std::string_view text) {
    if (text.empty()) return;
    if (tokens.empty() || tokens.back().letter != 0) tokens.push_back(PictureToken{});
    tokens.back().text.append(text);
}

// The literal text between token number from and the next field (or the end).
std::string LiteralAfter(const std::vector<PictureToken>& tokens, std::size_t from) {
    std::string text;
    for (std::size_t i = from + 1; i < tokens.size() && tokens[i].letter == 0; ++i)
        text += tokens[i].text;
    return text;
}

// Spaces and the invisible direction marks that some locales put around their separators.
bool IsSpaceOrMarkAt(std::string_view s, std::size_t pos, std::size_t n) {
    const std::string_view c = s.substr(pos, n);
    // space, no-break space, narrow no-break space, thin space
    if (c == " " || c == "\xC2\xA0" || c == "\xE2\x80\xAF" || c == "\xE2\x80\x89") return true;
    // left-to-right, right-to-left and Arabic letter marks
    return c == "\xE2\x80\x8E" || c == "\xE2\x80\x8F" || c == "\xD8\x9C";
}

} // namespace

std::vector<PictureToken> TokenizePicture(std::string_view picture) {
    std::vector<PictureToken> tokens;
    std::size_t i = 0;
    while (i < picture.size()) {
        const char c = picture[i];
        if (c == '\'') {
            if (i + 1 < picture.size() && picture[i + 1] == '\'') {
                AddLiteral(tokens, "'");
                i += 2;
                continue;
            }
            std::string text;
            ++i;
            while (i < picture.size()) {
                if (picture[i] == '\'') {
                    if (i + 1 < picture.size() && picture[i + 1] == '\'') {
                        text += '\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += picture[i++];
            }
            AddLiteral(tokens, text);
        } else if (IsFieldLetter(c)) {
            std::size_t n = 1;
            while (i + n < picture.size() && picture[i + n] == c)
                ++n;
            tokens.push_back(PictureToken{c, n, {}});
            i += n;
        } else {
            AddLiteral(tokens, picture.substr(i, 1));
            ++i;
        }
    }
    return tokens;
}

std::string CompactSeparator(std::string_view separator) {
    if (Utf8Length(separator) == 1) return std::string(separator);
    std::string stripped;
    for (std::size_t pos = 0; pos < separator.size();) {
        const std::size_t n = Utf8CharLength(separator, pos);
        if (!IsSpaceOrMarkAt(separator, pos, n)) stripped.append(separator.substr(pos, n));
        pos += n;
    }
    return Utf8Length(stripped) == 1 ? stripped : std::string();
}

DatePictureFacts ReadDatePicture(std::string_view picture) {
    const std::vector<PictureToken> tokens = TokenizePicture(picture);
    DatePictureFacts facts;
    int dayAt = -1, monthAt = -1, yearAt = -1;
    int position = 0;
    bool separatorTaken = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const PictureToken& t = tokens[i];
        // "ddd" and "dddd" are the weekday's name, not a date field.
        const bool isDay = t.letter == 'd' && t.count <= 2;
        if (!isDay && t.letter != 'M' && t.letter != 'y') continue;
        if (isDay && dayAt < 0) {
            dayAt = position++;
            facts.dayLeadingZero = t.count == 2;
        } else if (t.letter == 'M' && monthAt < 0) {
            monthAt = position++;
            facts.monthLeadingZero = t.count == 2;
        } else if (t.letter == 'y' && yearAt < 0) {
            yearAt = position++;
            facts.century = t.count >= 3;
        } else {
            continue;
        }
        if (!separatorTaken) {
            facts.separator = LiteralAfter(tokens, i);
            separatorTaken = true;
        }
    }
    facts.found = position > 0;
    if (yearAt == 0)
        facts.order = 2;
    else if (dayAt >= 0 && (monthAt < 0 || dayAt < monthAt))
        facts.order = 1;
    else
        facts.order = 0;
    facts.compactSeparator = CompactSeparator(facts.separator);
    return facts;
}

TimePictureFacts ReadTimePicture(std::string_view picture) {
    const std::vector<PictureToken> tokens = TokenizePicture(picture);
    TimePictureFacts facts;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const PictureToken& t = tokens[i];
        if (t.letter == 'A' || t.letter == 'a') facts.is24Hour = false;
        if ((t.letter == 'h' || t.letter == 'H') && !facts.found) {
            facts.found = true;
            facts.hourLeadingZero = t.count >= 2;
            facts.separator = LiteralAfter(tokens, i);
        }
    }
    facts.compactSeparator = CompactSeparator(facts.separator);
    return facts;
}

} // namespace zm
