#include "cli/companion_service.h"

#include "cli/commands.h"
#include "cli/companion_link.h"
#include "cli/hosted_store.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "store/event_store.h"

#include <fcntl.h>
#include <filesystem>
#include <sstream>
#include <system_error>
#include <unistd.h>

namespace zm {
namespace {

CompanionAnswer Refused(int status, std::string message) {
    CompanionAnswer answer;
    answer.outcome = AnswerOutcome::Refused;
    answer.status = status;
    answer.err = std::move(message) + '\n';
    return answer;
}

bool SameFolder(const std::string& a, const std::string& b) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::equivalent(a, b, ec) && !ec) return true;
    const fs::path ca = fs::weakly_canonical(a, ec);
    if (ec) return false;
    const fs::path cb = fs::weakly_canonical(b, ec);
    if (ec) return false;
    return ca.lexically_normal() / "" == cb.lexically_normal() / "";
}

// The command runs in the companion's folder, so that relative file names mean what they mean
// there and every message names them as the companion would; the program's own folder comes
// back afterwards.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::string& folder)
        : previous_(::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        entered_ = previous_ >= 0 && ::chdir(folder.c_str()) == 0;
    }
    ~WorkingFolder() {
        if (entered_) (void)::fchdir(previous_);
        if (previous_ >= 0) ::close(previous_);
    }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;
    bool Entered() const { return entered_; }

private:
    int previous_;
    bool entered_ = false;
};

} // namespace

CompanionAnswer CompanionService::Serve(const CompanionRequest& request) {
    const ParsedCommandLine parsed = ParseCommandLine(request.arguments, ShapeOfCommand);
    if (request.kind != RequestKind::Run || !parsed.usageError.empty() || parsed.global.help ||
        !IsChangingCommand(parsed.command))
        return Refused(kExitUsage, LoadString(IDS_CLI_LINK_NOT_CHANGING));

    const std::string folder =
        AbsoluteIn(request.workingFolder, parsed.global.dataFolder.value_or(request.dataFolder));
    if (!SameFolder(folder, env_.dataFolder)) {
        CompanionAnswer elsewhere;
        elsewhere.outcome = AnswerOutcome::Elsewhere;
        return elsewhere;
    }

    const char* ownOption = parsed.global.at             ? "--at"
                            : parsed.global.workWeek     ? "--work-week"
                            : parsed.global.checkWeekend ? "--check-weekend"
                                                         : nullptr;
    if (ownOption) return Refused(kExitUsage, FormatText(IDS_CLI_LINK_OPTION, {ownOption}));

    // Given again after the companion gave up waiting: the first answer, not a second change.
    if (std::optional<CompanionAnswer> first = answers_.Recall(request, clock())) {
        first->err = std::string(LoadString(IDS_CLI_LINK_ANSWERED_BEFORE)) + '\n' + first->err;
        return *first;
    }

    EventStore& store = *env_.host->store;
    if (serving_ || store.Busy() || store.CreatingReminder() || (busy && busy()))
        return Refused(kExitFailure, LoadString(IDS_CLI_LINK_BUSY));

    WorkingFolder working(request.workingFolder);
    if (!working.Entered())
        return Refused(kExitFailure, FormatText(IDS_CLI_LINK_FOLDER, {request.workingFolder}));

    serving_ = true;
    std::ostringstream out, err;
    CompanionAnswer answer;
    answer.status = RunCli(request.arguments, env_, out, err);
    serving_ = false;
    answer.out = out.str();
    answer.err = err.str();
    answers_.Remember(request, answer, clock());
    return answer;
}

} // namespace zm
