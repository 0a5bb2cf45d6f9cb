#pragma once
// Texts in data files. The program keeps every text as UTF-8 and writes UTF-8; files written on
// Windows hold their texts in a single-byte code page instead. A text read from a data file is
// taken as UTF-8 when it is valid UTF-8 and as Windows-1252 otherwise.
//
// Code pages are named as the C library's converter knows them ("CP1252", "CP437", "CP850").

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zm {

inline constexpr const char* kWindowsCodePage = "CP1252";

bool IsValidUtf8(std::string_view bytes);

// The text of a data file: valid UTF-8 as it stands, anything else read as Windows-1252.
std::string DecodeFileText(std::string_view bytes);

// Bytes of a single-byte code page as UTF-8. A byte the code page leaves undefined becomes the
// character with the same number, as Windows itself reads it.
std::string SingleByteToUtf8(std::string_view bytes, const char* codePage);

// UTF-8 text in a single-byte code page. Characters the code page cannot hold, and bytes that
// are not UTF-8, become `replacement`.
std::string Utf8ToSingleByte(std::string_view text, const char* codePage, char replacement = '?');

// UTF-16 little-endian code units (an odd last byte is ignored) as UTF-8; a lone surrogate
// becomes U+FFFD.
std::string Utf8FromUtf16Le(std::span<const uint8_t> bytes);

} // namespace zm
