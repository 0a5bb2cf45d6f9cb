#include "cli/companion_link.h"

#include "cli/commands.h"
#include "platform/data_folder.h"
#include "res/format_text.h"
#include "res/strings.h"

#include <array>
#include <ostream>

namespace zm {

bool IsChangingCommand(std::string_view command) {
    static constexpr std::array<std::string_view, 11> kChanging = {
        "add",     "accept",   "snooze", "unsnooze",  "delete", "enable",
        "disable", "set-type", "purge",  "quick-run", "import"};
    for (std::string_view c : kChanging)
        if (c == command) return true;
    return false;
}

std::string AbsoluteIn(const std::string& folder, const std::string& path) {
    if (path.empty() || path.front() == '/' || folder.empty()) return path;
    return PathInFolder(folder, path);
}

std::optional<CompanionRequest> RequestForProgram(std::span<const std::string> args,
                                                  const std::string& workingFolder,
                                                  const std::string& dataFolder) {
    const ParsedCommandLine parsed = ParseCommandLine(args, ShapeOfCommand);
    if (!parsed.usageError.empty() || parsed.global.help || !IsChangingCommand(parsed.command))
        return std::nullopt;
    if (workingFolder.empty() || workingFolder.front() != '/') return std::nullopt;
    CompanionRequest request;
    request.kind = RequestKind::Run;
    request.arguments.assign(args.begin(), args.end());
    request.workingFolder = workingFolder;
    request.dataFolder = AbsoluteIn(workingFolder, dataFolder);
    return request;
}

int RunCompanion(std::span<const std::string> args, const CliEnvironment& env,
                 const std::string& workingFolder, const Exchange& exchange, std::ostream& out,
                 std::ostream& err, const RequestJournal* journal) {
    if (auto request = RequestForProgram(args, workingFolder, env.dataFolder)) {
        request->identity = journal ? journal->IdentityFor(*request) : NewRequestIdentity();
        const ExchangeResult r = exchange(EncodeRequest(*request));
        std::optional<CompanionAnswer> answer;
        if (r.status == ExchangeStatus::Answered) answer = DecodeAnswer(r.payload);
        if (r.status != ExchangeStatus::NoServer && !answer) {
            // The program runs and holds the library: the command cannot run here either.
            if (r.sent) {
                // It may have carried the request out, or may still do so.
                if (journal) journal->Unanswered(*request);
                err << FormatText(IDS_CLI_LINK_MAYBE_STORED, {r.problem.empty() ? "?" : r.problem})
                    << '\n';
                return kExitUnknownOutcome;
            }
            err << FormatText(IDS_CLI_LINK_NO_ANSWER, {r.problem}) << '\n';
            return kExitFailure;
        }
        // Carried out (now or before): the note has done its work. A refusal (busy) keeps
        // it, since the first request may still be waiting to be carried out.
        if (answer && journal && answer->outcome == AnswerOutcome::Done)
            journal->Answered(*request);
        if (answer && answer->outcome != AnswerOutcome::Elsewhere) {
            out << answer->out;
            err << answer->err;
            return answer->status;
        }
    }
    return RunCli(args, env, out, err);
}

} // namespace zm
