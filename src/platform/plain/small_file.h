#pragma once
// Whole small files read and written plainly: the settings file, the locale cache.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zm {

inline constexpr std::size_t kMaxSettingsFileBytes = 4 * 1024 * 1024;

// The file's bytes; nothing when it cannot be read or holds more than maxBytes.
std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes);

// Replaces the file with the text atomically (a private temporary file beside it, flushed and
// renamed over it), creating its folder privately when missing; false when it could not.
bool WritePrivateFile(const std::string& path, std::string_view text);

} // namespace zm
