#pragma once
// What one command works with: the environment, the options, its arguments and the streams.

#include "cli/cli.h"
#include "cli/cli_args.h"
#include "model/week_settings.h"
#include "store/io/library_result.h"

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

namespace zm {

using Json = nlohmann::ordered_json;

// An event as the command line names it: by its key, which changes whenever the event is
// rewritten (accepting or snoozing it, for instance), or by its id ("id:4249615984"), which
// stays the event's for good.
struct EventArgument {
    uint16_t key = 0; // 0 when the event is named by its id
    uint32_t id = 0;
};

struct CliRun {
    const CliEnvironment& env;
    GlobalOptions global;
    CommandArgs args;
    std::ostream& out;
    std::ostream& err;
    std::string dataFolder;
    DateTime now;
    WeekSettings week;

    const LocaleFormats& Formats() const { return *env.formats; }
    const LocaleNames& Names() const { return *env.names; }
    bool WantsJson() const { return global.json; }

    // Writes one JSON document to the output.
    void PrintJson(const Json& doc) const;
    // A line on the error stream.
    void Error(const std::string& message) const;
    // The message of a failed operation on the error stream; returns kExitFailure.
    int Fail(LibraryResult code) const;
    // A message from the string table on the error stream; returns kExitFailure.
    int FailWith(const std::string& message) const;
};

// The text the program shows for a result code; a code that the program keeps silent (because
// it was told another way) still gives a text here, so that no failure passes unnoticed.
std::string ResultText(LibraryResult code);

} // namespace zm
