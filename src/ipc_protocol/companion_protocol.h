#pragma once
// What travels over the program's local socket: a second start asking the running copy to
// restore its main window, and a changing command of the companion that the running program
// carries out through its own event store.
//
// Every message is one frame: a 4-byte big-endian length, then that many bytes of a JSON
// object (version 1):
//   request  {"version":1, "kind":"restore"}
//            {"version":1, "kind":"run", "arguments":[...], "workingFolder":"/abs",
//             "dataFolder":"/abs", "identity":"..."}   (identity optional: 1 to 64 letters,
//                                                      digits, '-' or '_')
//   answer   {"version":1, "outcome":"done"|"refused"|"elsewhere", "status":N,
//             "stdout":..., "stderr":...}
// Texts are byte strings: a JSON string when they are valid UTF-8, otherwise {"base64":"..."}.
// "elsewhere" says the program keeps another data folder: the companion works on the file.

#include "platform/companion_messages.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zm {

inline constexpr int kCompanionProtocolVersion = 1;
inline constexpr size_t kFrameHeaderBytes = 4;
inline constexpr size_t kMaxRequestBytes = 256 * 1024;
inline constexpr size_t kMaxAnswerBytes = 16 * 1024 * 1024;
inline constexpr size_t kMaxRequestArguments = 256;
inline constexpr size_t kMaxRequestIdentity = 64;

// Why a request is refused.
enum class RequestProblem : uint8_t { None, Malformed, WrongVersion, TooLarge, Foreign };

struct DecodedRequest {
    RequestProblem problem = RequestProblem::None;
    int version = 0; // the version the request names (for WrongVersion)
    CompanionRequest request;
};

std::string EncodeRequest(const CompanionRequest& request);
DecodedRequest DecodeRequest(std::string_view payload);
// Never longer than `limit`: output that would make it longer keeps its start, cut after a
// whole line, and ends with a line telling how much was left out.
std::string EncodeAnswer(const CompanionAnswer& answer, size_t limit = kMaxAnswerBytes);
// Nothing for an answer that is not a well-formed version-1 answer.
std::optional<CompanionAnswer> DecodeAnswer(std::string_view payload);

// The answer to a refused request: its reason on the error stream, exit status 1.
CompanionAnswer RefusalAnswer(RequestProblem problem, int requestVersion = 0);

// A digest of what a run request asks (its arguments and folders, not its identity), so that
// a request given again can be told from another one that happens to carry the same identity.
uint64_t RequestFingerprint(const CompanionRequest& request);

// The payload with its length in front.
std::string Frame(std::string_view payload);

// Gathers the bytes of one frame as they arrive.
class FrameReader {
public:
    enum class State : uint8_t { NeedMore, Complete, TooLarge };

    explicit FrameReader(size_t limit) : limit_(limit) {}
    // Takes bytes; once a frame is complete, further bytes are not taken. Returns the state.
    State Feed(std::string_view bytes);
    State Current() const { return state_; }
    // The payload of the complete frame.
    const std::string& Payload() const { return payload_; }

private:
    size_t limit_;
    State state_ = State::NeedMore;
    std::string header_;
    std::optional<size_t> length_;
    std::string payload_;
};

} // namespace zm
