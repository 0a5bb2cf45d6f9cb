#pragma once
// "Load program on startup": a desktop entry in the user's autostart folder
// ($XDG_CONFIG_HOME/autostart, else ~/.config/autostart) that starts this program at login.
// The box shows ticked only when the entry exists and starts exactly this program file.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zm {

inline constexpr std::string_view kAutostartFileName = "zantimore.desktop";

// The entry's file from the environment's values (empty or relative XDG_CONFIG_HOME is
// ignored); nothing when neither gives an absolute folder.
std::optional<std::filesystem::path> AutostartEntryPath(std::string_view xdgConfigHome,
                                                        std::string_view home);

// The program path as the first word of an Exec line: in double quotes, with the characters
// that the quoting reserves escaped, percent signs doubled, and the backslashes of the result
// doubled once more as the file's string values require. Nothing for a path that cannot stand
// in an entry (a line break or another control character).
std::optional<std::string> QuotedExecArgument(std::string_view programPath);
// The program named by an Exec value as the desktop starts it: its first word with quoting and
// escapes undone and "%%" read as "%".
std::optional<std::string> ProgramOfExec(std::string_view execValue);
// The program named by an Exec value as the desktop checks the entry before it lists or starts
// it: the first word split off by the shell's quoting rules, with "%%" left as it stands. An
// entry whose check and start name different programs (a path with "%") is refused by the
// desktop.
std::optional<std::string> CheckedProgramOfExec(std::string_view execValue);

// The whole entry for the program.
std::optional<std::string> AutostartEntryText(std::string_view programPath);
// True when the desktop, reading the entry's text, starts the program (the path compared
// exactly, as it is checked and as it is started) and the entry is not hidden.
bool EntryStartsProgram(std::string_view entryText, std::string_view programPath);

enum class AutorunResult : uint8_t {
    Done,
    // The desktop cannot start a program at this path (a "%", a tab, a line break or another
    // control character in it): nothing was written.
    PathRefused,
    // The entry could not be written or removed, or it does not read back as written; the
    // entry is as it was (a written entry that reads back wrong is removed).
    NotWritten,
};

// The entry at the path starts the program; false when it is missing or unreadable.
bool AutorunIsOn(const std::filesystem::path& entry, std::string_view programPath);
// Writes the entry (through a file beside it, renamed over it) and reads it back as the desktop
// does, or removes it.
AutorunResult SetAutorun(const std::filesystem::path& entry, std::string_view programPath, bool on);

} // namespace zm
