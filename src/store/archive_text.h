#pragma once
// Text of the side files. We write UTF-8; files written on Windows hold the ANSI code page
// (Windows-1252), so bytes that are not valid UTF-8 are read as Windows-1252. Lengths in the
// files count bytes.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zm {

bool IsValidUtf8(std::string_view bytes);

// Text read from a file: kept as it is when it is valid UTF-8, else decoded from Windows-1252.
// The five byte values that Windows-1252 leaves undefined become the control characters of the
// same number, as Windows itself reads them. The result is at most three times as long.
std::string TextFromFileBytes(std::string_view bytes);

// UTF-16 little-endian code units (an odd last byte is ignored) as UTF-8; a lone surrogate
// becomes U+FFFD.
std::string Utf8FromUtf16Le(std::span<const uint8_t> bytes);

} // namespace zm
