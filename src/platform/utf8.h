#pragma once
// Stepping through UTF-8 text by characters. Texts from the user and the platform are UTF-8;
// a character is a lead byte and the continuation bytes that follow it (at most three), so even
// malformed text steps forward and no character is longer than four bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace zm {

// Appends the UTF-8 form of a code point (at most U+10FFFF; surrogates are written as they are).
void AppendUtf8(std::string& out, char32_t codePoint);

// The byte length of the character that starts at pos (0 at the end of the text).
std::size_t Utf8CharLength(std::string_view text, std::size_t pos);

// The number of characters in the text.
std::size_t Utf8Length(std::string_view text);

// The byte offset of character number index (the text's size when index is at or past the end).
std::size_t Utf8Offset(std::string_view text, std::size_t index);

// The first max characters of the text.
std::string_view Utf8Prefix(std::string_view text, std::size_t max);

// Appends characters of text to out while out holds fewer than max characters; count is the
// number of characters out holds and is kept up to date. Returns false when text did not fit
// whole.
bool AppendLimited(std::string& out, std::size_t& count, std::string_view text, std::size_t max);

} // namespace zm
