#include "cli/cli.h"

#include "cli/cli_run.h"
#include "cli/commands.h"
#include "res/strings.h"

#include <ostream>

namespace zm {
namespace {

void PrintUsage(std::ostream& to) {
    to << LoadString(IDS_CLI_USAGE) << '\n';
}

// The work week and the week-end option: the settings, unless the command line says otherwise.
WeekSettings WeekOf(const GlobalOptions& g, const Settings* settings) {
    WeekSettings week = settings ? ReadWeekSettings(*settings) : WeekSettings{};
    if (g.workWeek) week.workWeek = *g.workWeek;
    if (g.checkWeekend) week.checkWeekendEvents = *g.checkWeekend;
    return week;
}

} // namespace

int RunCli(std::span<const std::string> args, const CliEnvironment& env, std::ostream& out,
           std::ostream& err) {
    ParsedCommandLine parsed = ParseCommandLine(args, ShapeOfCommand);
    if (parsed.global.help || parsed.command == "help") {
        PrintUsage(out);
        return parsed.usageError.empty() ? kExitOk : kExitUsage;
    }
    if (parsed.usageError.empty() && parsed.command.empty())
        parsed.usageError = LoadString(IDS_CLI_NO_COMMAND);
    if (!parsed.usageError.empty()) {
        err << parsed.usageError << '\n' << LoadString(IDS_CLI_USAGE_HINT) << '\n';
        return kExitUsage;
    }

    CliRun run{env,
               parsed.global,
               std::move(parsed.args),
               out,
               err,
               parsed.global.dataFolder.value_or(env.dataFolder),
               parsed.global.at.value_or(env.now ? env.now() : DateTime()),
               WeekOf(parsed.global, env.settings)};
    return FindCommand(parsed.command)->handler(run);
}

} // namespace zm
