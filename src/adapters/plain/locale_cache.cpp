#include "adapters/plain/locale_cache.h"

#include "adapters/plain/small_file.h"

#include <vector>

namespace zm {
namespace {

constexpr std::size_t kMaxCacheBytes = 64 * 1024;
constexpr std::string_view kHeader = "zantimore locale description ";

// The categories QLocale's system locale reads on Linux, and the language list.
constexpr const char* kLocaleVariables[] = {
    "LC_ALL",         "LC_NUMERIC",        "LC_TIME",    "LC_MONETARY", "LC_MESSAGES",
    "LC_MEASUREMENT", "LC_COLLATE",        "LC_ADDRESS", "LC_NAME",     "LC_PAPER",
    "LC_TELEPHONE",   "LC_IDENTIFICATION", "LANG",       "LANGUAGE"};

std::string Escaped(std::string_view s) {
    std::string out;
    for (const char c : s) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::optional<std::string> Unescaped(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\') {
            out += s[i];
            continue;
        }
        if (++i == s.size()) return std::nullopt;
        if (s[i] == '\\')
            out += '\\';
        else if (s[i] == 'n')
            out += '\n';
        else if (s[i] == 'r')
            out += '\r';
        else
            return std::nullopt;
    }
    return out;
}

// Every field of the description in one order, for writing and reading alike.
template <typename Visit> void VisitFields(LocaleDescription& d, Visit&& visit) {
    visit(d.dateOrder);
    visit(d.century);
    visit(d.dayLeadingZero);
    visit(d.monthLeadingZero);
    visit(d.hourLeadingZero);
    visit(d.is24Hour);
    visit(d.dateSeparator);
    visit(d.compactDateSeparator);
    visit(d.timeSeparator);
    visit(d.compactTimeSeparator);
    for (auto& s : d.longDayNames)
        visit(s);
    for (auto& s : d.shortDayNames)
        visit(s);
    for (auto& s : d.longMonthNames)
        visit(s);
    for (auto& s : d.shortMonthNames)
        visit(s);
    visit(d.amDesignator);
    visit(d.pmDesignator);
    visit(d.longTimeFormat);
}

} // namespace

std::string LocaleCacheKey(const EnvironmentLookup& env) {
    std::string key = std::string(kHeader) + std::to_string(kLocaleCacheVersion);
    for (const char* name : kLocaleVariables) {
        const char* value = env(name);
        key += ' ';
        key += name;
        key += '=';
        key += Escaped(value ? value : "");
    }
    return key;
}

std::string LocaleDescriptionText(std::string_view key, const LocaleDescription& description) {
    std::string text(key);
    text += '\n';
    LocaleDescription d = description;
    VisitFields(d, [&text](auto& field) {
        if constexpr (std::is_same_v<std::decay_t<decltype(field)>, std::string>)
            text += Escaped(field);
        else
            text += std::to_string(static_cast<int>(field));
        text += '\n';
    });
    return text;
}

std::optional<LocaleDescription> ParseLocaleDescriptionText(std::string_view text,
                                                            std::string_view key) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) return std::nullopt; // cut short
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    if (lines.empty() || lines.front() != key) return std::nullopt;
    LocaleDescription d;
    std::size_t next = 1;
    bool ok = true;
    VisitFields(d, [&](auto& field) {
        if (!ok || next >= lines.size()) {
            ok = false;
            return;
        }
        const std::string_view line = lines[next++];
        using Field = std::decay_t<decltype(field)>;
        if constexpr (std::is_same_v<Field, std::string>) {
            const auto value = Unescaped(line);
            ok = value.has_value();
            if (ok) field = *value;
        } else if constexpr (std::is_same_v<Field, bool>) {
            ok = line == "0" || line == "1";
            field = line == "1";
        } else {
            ok = line == "0" || line == "1" || line == "2";
            field = ok ? line[0] - '0' : 0;
        }
    });
    if (!ok || next != lines.size()) return std::nullopt;
    return d;
}

std::string LocaleCachePathFrom(const char* xdgCacheHome, const char* home) {
    constexpr const char* kFile = "/zantimore/locale-description";
    if (xdgCacheHome && *xdgCacheHome == '/') return std::string(xdgCacheHome) + kFile;
    if (home && *home == '/') return std::string(home) + "/.cache" + kFile;
    return {};
}

LocaleDescription CachedLocaleDescription(const EnvironmentLookup& env,
                                          const std::function<std::optional<std::string>()>& helper,
                                          const std::function<void(const std::string&)>& notRead) {
    const std::string key = LocaleCacheKey(env);
    const std::string path = LocaleCachePathFrom(env("XDG_CACHE_HOME"), env("HOME"));
    if (!path.empty()) {
        SmallFileState state = SmallFileState::Missing;
        if (const auto text = ReadSmallFile(path, kMaxCacheBytes, &state)) {
            if (auto d = ParseLocaleDescriptionText(*text, key)) return *d;
        } else if (state != SmallFileState::Missing && notRead) {
            notRead(path);
        }
    }
    const std::optional<std::string> fresh = helper ? helper() : std::nullopt;
    if (!fresh) return {};
    auto d = ParseLocaleDescriptionText(*fresh, key);
    if (!d) return {};
    if (!path.empty()) (void)WritePrivateFile(path, *fresh);
    return *d;
}

} // namespace zm
