#include "cli/cli_run.h"

#include "res/strings.h"

namespace zm {

void CliRun::PrintJson(const Json& doc) const {
    // Texts that are not valid UTF-8 are shown with replacement characters rather than failing.
    out << doc.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

void CliRun::Error(const std::string& message) const {
    err << message << '\n';
}

int CliRun::Fail(LibraryResult code) const {
    Error(ResultText(code));
    return kExitFailure;
}

int CliRun::FailWith(const std::string& message) const {
    Error(message);
    return kExitFailure;
}

std::string ResultText(LibraryResult code) {
    const ResultMessage m = MessageOf(code);
    return LoadString(m.Silent() ? IDS_ERR_UNKNOWN : m.stringId);
}

} // namespace zm
