#pragma once
// The user's locale description kept in a small private cache file, so that the command-line
// companion shows what the program shows without loading Qt at every start. The cache is keyed
// by the environment values that decide the system locale and by the format's version; on a miss
// the description comes once from a Qt-linked helper program.

#include "format/locale_description.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zm {

inline constexpr int kLocaleCacheVersion = 1;

using EnvironmentLookup = std::function<const char*(const char*)>;

// The key of the cache: the format's version and every environment value that decides the
// system locale (LC_ALL, LC_* categories, LANG, LANGUAGE), one line.
std::string LocaleCacheKey(const EnvironmentLookup& env);

// The cache's text: its key, then the description's fields one a line (backslash, line ends
// escaped).
std::string LocaleDescriptionText(std::string_view key, const LocaleDescription& d);

// The description of the text when it has this key and all its fields; nothing otherwise.
std::optional<LocaleDescription> ParseLocaleDescriptionText(std::string_view text,
                                                            std::string_view key);

// The cache file: XDG_CACHE_HOME/zantimore/locale-description when that is an absolute path,
// else HOME/.cache/zantimore/locale-description; empty when neither is set.
std::string LocaleCachePathFrom(const char* xdgCacheHome, const char* home);

// The description for this process's environment: from the cache, else from the helper (then
// cached), else the default description. `helper` runs the Qt-linked helper and gives its output.
// The cache is opened without blocking and read only when it is a regular file of a cache's
// size; anything else under its name is told to `notRead` (with the path) and replaced by the
// fresh cache.
LocaleDescription
CachedLocaleDescription(const EnvironmentLookup& env,
                        const std::function<std::optional<std::string>()>& helper,
                        const std::function<void(const std::string&)>& notRead = {});

} // namespace zm
