#pragma once
// "Load program on startup": a desktop entry in the user's autostart folder
// ($XDG_CONFIG_HOME/autostart, else ~/.config/autostart) that starts this program at login.
// The box shows ticked only when the entry exists and starts exactly this program file.

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
// The program named by an Exec value: its first word with quoting and escapes undone.
std::optional<std::string> ProgramOfExec(std::string_view execValue);

// The whole entry for the program.
std::optional<std::string> AutostartEntryText(std::string_view programPath);
// True when the entry's text starts the program (the path compared exactly) and is not hidden.
bool EntryStartsProgram(std::string_view entryText, std::string_view programPath);

// The entry at the path starts the program; false when it is missing or unreadable.
bool AutorunIsOn(const std::filesystem::path& entry, std::string_view programPath);
// Writes the entry (through a file beside it, renamed over it) or removes it. False when that
// failed; the entry is then as it was.
bool SetAutorun(const std::filesystem::path& entry, std::string_view programPath, bool on);

} // namespace zm
