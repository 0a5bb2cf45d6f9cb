#include "cli/cli_args.h"

#include "cli/iso_time.h"
#include "res/format_text.h"
#include "res/strings.h"

#include <array>
#include <charconv>

namespace zm {
namespace {

constexpr std::array<OptionSpec, 6> kGlobalOptions{{
    {"--data", true},
    {"--json", false},
    {"--at", true},
    {"--work-week", true},
    {"--check-weekend", true},
    {"--help", false},
}};

const OptionSpec* Find(std::span<const OptionSpec> specs, std::string_view name) {
    for (const auto& s : specs)
        if (s.name == name) return &s;
    return nullptr;
}

// Applies one of the options every command takes; a usage error text, or empty.
std::string ApplyGlobal(GlobalOptions& g, std::string_view name, const std::string& value) {
    if (name == "--data") {
        if (value.empty()) return FormatText(IDS_CLI_MISSING_VALUE, {name});
        g.dataFolder = value;
    } else if (name == "--json") {
        g.json = true;
    } else if (name == "--help") {
        g.help = true;
    } else if (name == "--at") {
        g.at = ParseCliInstant(value);
        if (!g.at) return FormatText(IDS_CLI_BAD_INSTANT, {value});
    } else if (name == "--work-week") {
        const auto mask = ParseNumber(value, 0, 127);
        if (!mask) return FormatText(IDS_CLI_BAD_WORK_WEEK, {value});
        g.workWeek = static_cast<uint8_t>(*mask);
    } else if (name == "--check-weekend") {
        if (value == "on")
            g.checkWeekend = true;
        else if (value == "off")
            g.checkWeekend = false;
        else
            return FormatText(IDS_CLI_BAD_ON_OFF, {value});
    }
    return {};
}

} // namespace

std::optional<int64_t> ParseNumber(std::string_view text, int64_t min, int64_t max) {
    int64_t v = 0;
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec != std::errc() || p != end || v < min || v > max) return std::nullopt;
    return v;
}

ParsedCommandLine ParseCommandLine(std::span<const std::string> args,
                                   const CommandShape* (*shapeOf)(std::string_view command)) {
    ParsedCommandLine result;
    const CommandShape* shape = nullptr;
    bool optionsEnded = false;
    auto fail = [&](std::string message) {
        if (result.usageError.empty()) result.usageError = std::move(message);
    };

    for (size_t i = 0; i < args.size() && result.usageError.empty(); ++i) {
        const std::string& arg = args[i];
        const bool isOption = !optionsEnded && arg.size() > 2 && arg.compare(0, 2, "--") == 0;
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (!isOption) {
            if (result.command.empty()) {
                result.command = arg;
                shape = shapeOf(arg);
                if (!shape) fail(FormatText(IDS_CLI_UNKNOWN_COMMAND, {arg}));
            } else {
                result.args.positional.push_back(arg);
            }
            continue;
        }

        const size_t eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        const OptionSpec* global = Find(kGlobalOptions, name);
        const OptionSpec* own = shape ? Find(shape->options, name) : nullptr;
        const OptionSpec* option = own ? own : global;
        if (!option) {
            fail(FormatText(IDS_CLI_UNKNOWN_OPTION, {name}));
            break;
        }
        std::string value;
        if (option->takesValue) {
            if (eq != std::string::npos) {
                value = arg.substr(eq + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                fail(FormatText(IDS_CLI_MISSING_VALUE, {name}));
                break;
            }
        } else if (eq != std::string::npos) {
            fail(FormatText(IDS_CLI_NO_VALUE_TAKEN, {name}));
            break;
        }
        if (own) {
            if (!result.args.options.emplace(name, value).second)
                fail(FormatText(IDS_CLI_OPTION_TWICE, {name}));
        } else {
            fail(ApplyGlobal(result.global, name, value));
        }
    }

    if (result.usageError.empty() && shape && !result.global.help) {
        const size_t n = result.args.positional.size();
        if (n < shape->minArgs || n > shape->maxArgs)
            fail(FormatText(IDS_CLI_ARGUMENT_COUNT, {result.command}));
    }
    return result;
}

} // namespace zm
