#pragma once
// The command line: the options every command takes, the command word, and the arguments and
// options of the command.

#include "model/date_time.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zm {

struct OptionSpec {
    std::string_view name; // with the leading "--"
    bool takesValue = false;
};

// What the user asked for besides the command.
struct GlobalOptions {
    std::optional<std::string> dataFolder; // --data DIR
    bool json = false;                     // --json
    std::optional<DateTime> at;            // --at: the instant used as now
    std::optional<uint8_t> workWeek;       // --work-week MASK
    std::optional<bool> checkWeekend;      // --check-weekend on|off
    bool help = false;                     // --help
};

// The arguments and options of one command.
struct CommandArgs {
    std::vector<std::string> positional;
    // Each option given, with its value ("" for one without a value).
    std::map<std::string, std::string, std::less<>> options;

    bool Has(std::string_view option) const { return options.find(option) != options.end(); }
    const std::string* Value(std::string_view option) const {
        auto it = options.find(option);
        return it == options.end() ? nullptr : &it->second;
    }
};

struct ParsedCommandLine {
    GlobalOptions global;
    std::string command; // empty when none was given
    CommandArgs args;
    // Not empty for a usage error: what is wrong, for the user.
    std::string usageError;
};

// What a command takes: its options and how many arguments.
struct CommandShape {
    std::string_view name;
    size_t minArgs = 0;
    size_t maxArgs = 0;
    std::span<const OptionSpec> options;
};

// Reads the command line (without the program name). The options every command takes may
// stand before or after the command word; "--" ends the options; an option's value may also be
// given as "--option=value". `shapeOf` names the options and argument counts of a command, or
// returns null for an unknown command.
ParsedCommandLine ParseCommandLine(std::span<const std::string> args,
                                   const CommandShape* (*shapeOf)(std::string_view command));

// A whole decimal number from `min` to `max`, nothing otherwise.
std::optional<int64_t> ParseNumber(std::string_view text, int64_t min, int64_t max);

} // namespace zm
