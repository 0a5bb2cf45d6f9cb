#pragma once
// What the companion and a second start ask the running program, and what it answers.

#include <cstdint>
#include <string>
#include <vector>

namespace zm {

enum class RequestKind : uint8_t { Restore, Run };

struct CompanionRequest {
    RequestKind kind = RequestKind::Run;
    std::vector<std::string> arguments; // the command line without the program name
    std::string workingFolder;          // where the companion runs (absolute)
    std::string dataFolder;             // the companion's data folder when --data is not given
    // Names this request (a run) for the program, which answers a request it has carried out
    // already with that first answer instead of carrying it out again. Empty: none.
    std::string identity;
    friend bool operator==(const CompanionRequest&, const CompanionRequest&) = default;
};

enum class AnswerOutcome : uint8_t {
    Done,      // the command ran: print its output, end with its status
    Refused,   // the request was refused: print the reason, end with the status
    Elsewhere, // the program keeps another data folder: the companion works on the file
};

struct CompanionAnswer {
    AnswerOutcome outcome = AnswerOutcome::Done;
    int status = 0;
    std::string out;
    std::string err;
    friend bool operator==(const CompanionAnswer&, const CompanionAnswer&) = default;
};

} // namespace zm
