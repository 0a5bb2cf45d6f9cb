#pragma once
// The companion and the running program. While the program runs it holds the library's writer
// lock, so the changing commands go to it as one request over its socket; it carries them out
// through its own event store and answers with the exit status and the text the companion
// prints. The reading commands read the file as always.

#include "cli/cli.h"
#include "cli/request_journal.h"
#include "ipc_protocol/companion_protocol.h"
#include "ipc_protocol/exchange.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zm {

// add, accept, snooze, unsnooze, delete, enable, disable, set-type, purge, quick-run, import.
bool IsChangingCommand(std::string_view command);

// The request for a command line that goes to the running program; nothing for a line the
// companion answers itself (a reading command, help, a usage error). Relative folders are
// taken in `workingFolder`.
std::optional<CompanionRequest> RequestForProgram(std::span<const std::string> args,
                                                  const std::string& workingFolder,
                                                  const std::string& dataFolder);

// Runs the command line as the companion does: a changing command goes to the running program
// over `exchange` and its answer is printed; when no program runs, or it keeps another data
// folder, the command runs here on the file. The request carries an identity from `journal`
// (a new one without it); when the exchange breaks off after the request has left, the
// outcome is unknown: the companion says the change may have been stored, notes the request
// in `journal` and ends with kExitUnknownOutcome.
int RunCompanion(std::span<const std::string> args, const CliEnvironment& env,
                 const std::string& workingFolder, const Exchange& exchange, std::ostream& out,
                 std::ostream& err, const RequestJournal* journal = nullptr);

// `path` taken in `folder` unless it is absolute.
std::string AbsoluteIn(const std::string& folder, const std::string& path);

} // namespace zm
