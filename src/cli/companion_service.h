#pragma once
// The running program's side of the companion: carries out a changing command through the
// program's event store and gives back what the companion prints.

#include "cli/answer_memory.h"
#include "cli/cli.h"
#include "ipc_protocol/companion_protocol.h"

#include <functional>

namespace zm {

class CompanionService {
public:
    // `env`: the program's environment (its settings, clock, locale and data folder) with
    // `host` set; it must outlive the service.
    explicit CompanionService(const CliEnvironment& env) : env_(env) {}

    // Runs the request's command and captures its output. Refused, changing nothing: a
    // command that does not change events, one that sets the clock or the calendar
    // (--at, --work-week, --check-weekend: the program keeps its own), or any command while
    // the program is busy. A request for another data folder is answered "elsewhere". A
    // request whose identity and command were carried out already (AnswerMemory) is not
    // carried out again: it gets the first answer, with a line before its messages.
    CompanionAnswer Serve(const CompanionRequest& request);

    // The clock of the answer memory.
    std::function<AnswerMemory::Clock::time_point()> clock = AnswerMemory::Clock::now;

    // True while the program cannot take a command (a library operation, a box or a
    // question of the store is under way); the store's busy counter is always asked too.
    std::function<bool()> busy;

private:
    const CliEnvironment& env_;
    AnswerMemory answers_;
    bool serving_ = false;
};

} // namespace zm
