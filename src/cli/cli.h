#pragma once
// The command-line companion: reads and changes the user's events from a terminal or a script.
//
//   zantimore-cli [--data DIR] [--json] [--at "YYYY-MM-DDTHH:MM:SS"] [--work-week MASK]
//                 [--check-weekend on|off] COMMAND ...
//
// Everything the commands need from the outside comes in through CliEnvironment, so a test runs
// a command in-process on a folder of its own with a fixed "now".

#include "format/locale_formats.h"
#include "model/date_time.h"
#include "platform/locale_names.h"
#include "platform/settings.h"

#include <chrono>
#include <functional>
#include <iosfwd>
#include <span>
#include <string>

namespace zm {

struct HostedStore;

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitBusy = 3; // another program holds the library
// "add" stored the event, but as accepted: its reminder time had already passed, so no
// reminder will come for it.
inline constexpr int kExitStoredAccepted = 4;
// The running program did not answer a change it was sent (it did not answer in time, or the
// connection broke): the change may have been made or not.
inline constexpr int kExitUnknownOutcome = 5;

struct CliEnvironment {
    // The user's settings (the work week and the week-end option are read from them).
    const Settings* settings = nullptr;
    // The current local time, to the whole second; --at replaces it.
    std::function<DateTime()> now;
    // The locale's date and time formats and names, for the human-readable output.
    const LocaleFormats* formats = nullptr;
    const LocaleNames* names = nullptr;
    // The data folder when --data is not given; empty when it cannot be determined.
    std::string dataFolder;
    // The millisecond tick count that goes into the id of a new event.
    std::function<uint32_t()> tick;
    // Set in the running program: the commands work on its store instead of the file.
    const HostedStore* host = nullptr;
    // How long a changing command waits for another one that holds the library.
    std::chrono::milliseconds lockWait{2000};
};

// Runs one command line (without the program name). Output goes to `out`, messages to `err`.
// Returns the exit status: 0 success, 1 failure, 2 usage error, 3 the library is busy, 4 the
// new event was stored as accepted.
int RunCli(std::span<const std::string> args, const CliEnvironment& env, std::ostream& out,
           std::ostream& err);

} // namespace zm
