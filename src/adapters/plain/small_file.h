#pragma once
// Whole small files read and written plainly: the settings file, the locale cache.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zm {

// The largest settings file either program reads; a larger one is not the program's.
inline constexpr std::size_t kMaxSettingsFileBytes = 1024 * 1024;

// What is found under a file's name, a link followed.
enum class SmallFileState {
    Missing,    // nothing (a link to nothing counts as not regular)
    Regular,    // a regular file within the size
    NotRegular, // a pipe, a device, a socket, a folder, a link to nothing
    TooLarge,   // a regular file over the size
    Unreadable, // it could not be looked at or read
};

// Looks at the file without opening it, so a pipe or a device under the name is not touched.
SmallFileState LookAtSmallFile(const std::string& path, std::size_t maxBytes);

// The file's bytes; nothing when it is missing, not a regular file, cannot be read or holds
// more than maxBytes (`state` says which). It is opened without blocking: a pipe under the
// name does not hang the reader.
std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes,
                                         SmallFileState* state = nullptr);

// Replaces the file with the text atomically (a private temporary file beside it, flushed and
// renamed over it), creating its folder privately when missing; false when it could not.
bool WritePrivateFile(const std::string& path, std::string_view text);

} // namespace zm
