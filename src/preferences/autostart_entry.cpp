#include "preferences/autostart_entry.h"

#include <fstream>
#include <sstream>
#include <system_error>

namespace zm {
namespace {

bool IsControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// The value of a key in the [Desktop Entry] group, with the string escapes undone.
std::optional<std::string> EntryValue(std::string_view text, std::string_view key) {
    bool inGroup = false;
    std::istringstream lines{std::string(text)};
    for (std::string raw; std::getline(lines, raw);) {
        const std::string_view line = Trimmed(raw);
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[') {
            inGroup = line == "[Desktop Entry]";
            continue;
        }
        if (!inGroup) continue;
        const auto eq = line.find('=');
        if (eq == std::string_view::npos || Trimmed(line.substr(0, eq)) != key) continue;
        const std::string_view value = Trimmed(line.substr(eq + 1));
        std::string out;
        for (size_t i = 0; i < value.size(); ++i) {
            if (value[i] != '\\' || i + 1 == value.size()) {
                out += value[i];
                continue;
            }
            switch (value[++i]) {
            case 's':
                out += ' ';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            case '\\':
                out += '\\';
                break;
            default:
                out += '\\';
                out += value[i];
                break;
            }
        }
        return out;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::filesystem::path> AutostartEntryPath(std::string_view xdgConfigHome,
                                                        std::string_view home) {
    std::filesystem::path config{std::string(xdgConfigHome)};
    if (config.empty() || !config.is_absolute()) {
        const std::filesystem::path homePath{std::string(home)};
        if (homePath.empty() || !homePath.is_absolute()) return std::nullopt;
        config = homePath / ".config";
    }
    return config / "autostart" / std::string(kAutostartFileName);
}

std::optional<std::string> QuotedExecArgument(std::string_view programPath) {
    if (programPath.empty()) return std::nullopt;
    std::string quoted = "\"";
    for (const char c : programPath) {
        if (IsControl(c)) return std::nullopt;
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
        if (c == '%') quoted += '%';
    }
    quoted += '"';
    std::string escaped;
    for (const char c : quoted) {
        escaped += c;
        if (c == '\\') escaped += '\\';
    }
    return escaped;
}

std::optional<std::string> ProgramOfExec(std::string_view exec) {
    size_t i = 0;
    while (i < exec.size() && exec[i] == ' ')
        ++i;
    if (i == exec.size()) return std::nullopt;
    std::string word;
    if (exec[i] != '"') {
        for (; i < exec.size() && exec[i] != ' '; ++i) {
            word += exec[i];
            if (exec[i] == '%' && i + 1 < exec.size() && exec[i + 1] == '%') ++i;
        }
        return word;
    }
    for (++i; i < exec.size(); ++i) {
        const char c = exec[i];
        if (c == '"') return word;
        if (c == '\\' && i + 1 < exec.size()) {
            word += exec[++i];
            continue;
        }
        word += c;
        if (c == '%' && i + 1 < exec.size() && exec[i + 1] == '%') ++i;
    }
    return std::nullopt; // the closing quote is missing
}

std::optional<std::string> AutostartEntryText(std::string_view programPath) {
    const auto exec = QuotedExecArgument(programPath);
    if (!exec) return std::nullopt;
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Zantimore\n"
           "Comment=Reminders and calendar\n"
           "Exec=" +
           *exec +
           "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

bool EntryStartsProgram(std::string_view entryText, std::string_view programPath) {
    if (EntryValue(entryText, "Hidden") == "true") return false;
    if (EntryValue(entryText, "X-GNOME-Autostart-enabled") == "false") return false;
    const auto exec = EntryValue(entryText, "Exec");
    if (!exec) return false;
    const auto program = ProgramOfExec(*exec);
    return program && *program == programPath;
}

bool AutorunIsOn(const std::filesystem::path& entry, std::string_view programPath) {
    std::ifstream in(entry, std::ios::binary);
    if (!in) return false;
    std::ostringstream text;
    text << in.rdbuf();
    return EntryStartsProgram(text.str(), programPath);
}

bool SetAutorun(const std::filesystem::path& entry, std::string_view programPath, bool on) {
    std::error_code ec;
    if (!on) {
        std::filesystem::remove(entry, ec);
        return !ec;
    }
    const auto text = AutostartEntryText(programPath);
    if (!text) return false;
    std::filesystem::create_directories(entry.parent_path(), ec);
    if (ec) return false;
    std::filesystem::path temporary = entry;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << *text;
        out.flush();
        if (!out) {
            out.close();
            std::filesystem::remove(temporary, ec);
            return false;
        }
    }
    std::filesystem::rename(temporary, entry, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

} // namespace zm
