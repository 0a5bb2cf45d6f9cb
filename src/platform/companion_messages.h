#pragma once
// What the companion and a second start ask the running program, and what it answers.

#include <cstdint>
#include <string>
#include <vector>

namespace zm {

enum class RequestKind : uint8_t { Restore, Run };

struct CompanionRequest {
    RequestKind Kind = RequestKind::Run;
    std::vector<std::string> Arguments; // the command line without the program name
    std::string WorkingFolder;          // where the companion runs (absolute)
    std::string DataFolder;             // the companion's data folder when --data is not given
    friend bool operator==(const CompanionRequest&, const CompanionRequest&) = default;
};

enum class AnswerOutcome : uint8_t {
    Done,      // the command ran: print its output, end with its status
    Refused,   // the request was refused: print the reason, end with the status
    Elsewhere, // the program keeps another data folder: the companion works on the file
};

struct CompanionAnswer {
    AnswerOutcome Outcome = AnswerOutcome::Done;
    int Status = 0;
    std::string Out;
    std::string Err;
    friend bool operator==(const CompanionAnswer&, const CompanionAnswer&) = default;
};

} // namespace zm
