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

std::optional<std::string> CheckedProgramOfExec(std::string_view exec) {
    size_t i = 0;
    while (i < exec.size() && (exec[i] == ' ' || exec[i] == '\t' || exec[i] == '\n'))
        ++i;
    if (i == exec.size()) return std::nullopt;
    std::string word;
    for (; i < exec.size(); ++i) {
        const char c = exec[i];
        if (c == ' ' || c == '\t' || c == '\n') return word;
        if (c == '\\') {
            if (++i == exec.size()) return std::nullopt; // a backslash at the end
            if (exec[i] != '\n') word += exec[i];        // a backslash and line break join
            continue;
        }
        if (c == '\'') {
            const size_t end = exec.find('\'', i + 1);
            if (end == std::string_view::npos) return std::nullopt;
            word.append(exec.substr(i + 1, end - i - 1));
            i = end;
            continue;
        }
        if (c != '"') {
            word += c;
            continue;
        }
        // Within double quotes a backslash quotes only $ ` " \ and the line break.
        for (++i;; ++i) {
            if (i == exec.size()) return std::nullopt; // the closing quote is missing
            const char q = exec[i];
            if (q == '"') break;
            if (q == '\\' && i + 1 < exec.size()) {
                const char next = exec[i + 1];
                if (next == '$' || next == '`' || next == '"' || next == '\\' || next == '\n') {
                    ++i;
                    if (next != '\n') word += next;
                    continue;
                }
            }
            word += q;
        }
    }
    return word;
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
    // As the desktop checks the entry, and as it starts the program.
    const auto checked = CheckedProgramOfExec(*exec);
    const auto program = ProgramOfExec(*exec);
    return checked && program && *checked == programPath && *program == programPath;
}

bool AutorunIsOn(const std::filesystem::path& entry, std::string_view programPath) {
    std::ifstream in(entry, std::ios::binary);
    if (!in) return false;
    std::ostringstream text;
    text << in.rdbuf();
    return EntryStartsProgram(text.str(), programPath);
}

AutorunResult SetAutorun(const std::filesystem::path& entry, std::string_view programPath,
                         bool on) {
    std::error_code ec;
    if (!on) {
        std::filesystem::remove(entry, ec);
        return ec ? AutorunResult::NotWritten : AutorunResult::Done;
    }
    const auto text = AutostartEntryText(programPath);
    if (!text || !EntryStartsProgram(*text, programPath)) return AutorunResult::PathRefused;
    std::filesystem::create_directories(entry.parent_path(), ec);
    if (ec) return AutorunResult::NotWritten;
    std::filesystem::path temporary = entry;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << *text;
        out.flush();
        if (!out) {
            out.close();
            std::filesystem::remove(temporary, ec);
            return AutorunResult::NotWritten;
        }
    }
    std::filesystem::rename(temporary, entry, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return AutorunResult::NotWritten;
    }
    // Read back as the desktop will read it at the next login.
    if (!AutorunIsOn(entry, programPath)) {
        std::filesystem::remove(entry, ec);
        return AutorunResult::NotWritten;
    }
    return AutorunResult::Done;
}

} // namespace zm
