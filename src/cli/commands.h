#pragma once
// The commands of the command line. Each takes the run, prints its output and messages and
// returns the exit status.

#include "cli/cli_args.h"
#include "cli/cli_run.h"

#include <optional>
#include <string_view>

namespace zm {

using CommandHandler = int (*)(CliRun& run);

struct CommandEntry {
    CommandShape shape;
    CommandHandler handler;
};

// The command of a word, or null.
const CommandEntry* FindCommand(std::string_view name);
const CommandShape* ShapeOfCommand(std::string_view name);

// Reading.
int RunList(CliRun& run);
int RunShow(CliRun& run);
int RunOccurrences(CliRun& run);
int RunCheck(CliRun& run);
int RunDue(CliRun& run);
int RunAgenda(CliRun& run);
int RunTypes(CliRun& run);
int RunQuick(CliRun& run);

// Changing.
int RunAdd(CliRun& run);
int RunAccept(CliRun& run);
int RunSnooze(CliRun& run);
int RunUnsnooze(CliRun& run);
int RunDelete(CliRun& run);
int RunEnable(CliRun& run);
int RunDisable(CliRun& run);
int RunSetType(CliRun& run);
int RunPurge(CliRun& run);
int RunQuickRun(CliRun& run);

// Import and export.
int RunExport(CliRun& run);
int RunImport(CliRun& run);
std::span<const OptionSpec> ExportOptions();
std::span<const OptionSpec> ImportOptions();

// An event argument: its key (1 ... 3999), or "id:N" for its id; prints a usage error and
// returns nothing otherwise.
std::optional<EventArgument> EventArgumentOf(const CliRun& run, const std::string& text);

} // namespace zm
