#include "ipc_protocol/companion_protocol.h"

#include "ipc_protocol/byte_text.h"
#include "res/format_text.h"
#include "res/strings.h"

#include <cctype>
#include <nlohmann/json.hpp>

namespace zm {
namespace {

using Json = nlohmann::json;

constexpr const char* kOutcomeNames[] = {"done", "refused", "elsewhere"};

std::optional<int> IntegerField(const Json& doc, const char* name) {
    const auto it = doc.find(name);
    if (it == doc.end() || !it->is_number_integer()) return std::nullopt;
    const auto v = it->get<int64_t>();
    if (v < INT32_MIN || v > INT32_MAX) return std::nullopt;
    return static_cast<int>(v);
}

std::optional<std::string> TextField(const Json& doc, const char* name) {
    const auto it = doc.find(name);
    if (it == doc.end()) return std::nullopt;
    return BytesFromJson(*it);
}

std::optional<Json> ParseObject(std::string_view payload) {
    Json doc = Json::parse(payload, nullptr, false);
    if (doc.is_discarded() || !doc.is_object()) return std::nullopt;
    return doc;
}

bool IsIdentity(std::string_view text) {
    if (text.empty() || text.size() > kMaxRequestIdentity) return false;
    for (unsigned char c : text)
        if (!std::isalnum(c) && c != '-' && c != '_') return false;
    return true;
}

bool ReadRunFields(const Json& doc, CompanionRequest& request) {
    const auto args = doc.find("arguments");
    if (args == doc.end() || !args->is_array() || args->size() > kMaxRequestArguments) return false;
    for (const Json& a : *args) {
        auto text = BytesFromJson(a);
        if (!text) return false;
        request.arguments.push_back(std::move(*text));
    }
    auto working = TextField(doc, "workingFolder");
    auto data = TextField(doc, "dataFolder");
    // Relative paths of the command line are taken in the working folder: it must be absolute.
    if (!working || working->empty() || working->front() != '/' || !data) return false;
    request.workingFolder = std::move(*working);
    request.dataFolder = std::move(*data);
    const auto identity = doc.find("identity");
    if (identity != doc.end()) {
        if (!identity->is_string()) return false;
        std::string text = identity->get<std::string>();
        if (!IsIdentity(text)) return false;
        request.identity = std::move(text);
    }
    return true;
}

} // namespace

std::string EncodeRequest(const CompanionRequest& request) {
    Json doc = {{"version", kCompanionProtocolVersion}};
    if (request.kind == RequestKind::Restore) {
        doc["kind"] = "restore";
        return doc.dump();
    }
    doc["kind"] = "run";
    Json args = Json::array();
    for (const auto& a : request.arguments)
        args.push_back(BytesToJson(a));
    doc["arguments"] = std::move(args);
    doc["workingFolder"] = BytesToJson(request.workingFolder);
    doc["dataFolder"] = BytesToJson(request.dataFolder);
    if (!request.identity.empty()) doc["identity"] = request.identity;
    return doc.dump();
}

uint64_t RequestFingerprint(const CompanionRequest& request) {
    // FNV-1a over each text with its length in front, so that no two lists run together.
    uint64_t hash = 0xcbf29ce484222325u;
    auto add = [&hash](std::string_view text) {
        const uint64_t n = text.size();
        for (int i = 0; i < 8; ++i)
            hash = (hash ^ ((n >> (8 * i)) & 0xff)) * 0x100000001b3u;
        for (unsigned char c : text)
            hash = (hash ^ c) * 0x100000001b3u;
    };
    add(request.kind == RequestKind::Run ? "run" : "restore");
    for (const std::string& a : request.arguments)
        add(a);
    add({});
    add(request.workingFolder);
    add(request.dataFolder);
    return hash;
}

DecodedRequest DecodeRequest(std::string_view payload) {
    DecodedRequest decoded;
    if (payload.size() > kMaxRequestBytes) {
        decoded.problem = RequestProblem::TooLarge;
        return decoded;
    }
    decoded.problem = RequestProblem::Malformed;
    const auto doc = ParseObject(payload);
    if (!doc) return decoded;
    const auto version = IntegerField(*doc, "version");
    if (!version) return decoded;
    decoded.version = *version;
    if (*version != kCompanionProtocolVersion) {
        decoded.problem = RequestProblem::WrongVersion;
        return decoded;
    }
    const auto kind = doc->find("kind");
    if (kind == doc->end() || !kind->is_string()) return decoded;
    if (*kind == "restore") {
        decoded.request.kind = RequestKind::Restore;
    } else if (*kind == "run") {
        decoded.request.kind = RequestKind::Run;
        if (!ReadRunFields(*doc, decoded.request)) {
            decoded.request = {};
            return decoded;
        }
    } else {
        return decoded;
    }
    decoded.problem = RequestProblem::None;
    return decoded;
}

namespace {

std::string EncodeWhole(const CompanionAnswer& answer) {
    const Json doc = {{"version", kCompanionProtocolVersion},
                      {"outcome", kOutcomeNames[static_cast<int>(answer.outcome)]},
                      {"status", answer.status},
                      {"stdout", BytesToJson(answer.out)},
                      {"stderr", BytesToJson(answer.err)}};
    return doc.dump();
}

// The first `keep` bytes of the text, ended after a whole line when there is one, then a line
// that tells how much was left out.
std::string Shortened(const std::string& text, size_t keep) {
    if (text.size() <= keep) return text;
    size_t end = text.rfind('\n', keep == 0 ? 0 : keep - 1);
    end = end == std::string::npos ? 0 : end + 1;
    return text.substr(0, end) +
           FormatText(IDS_CLI_LINK_OUTPUT_CUT, {static_cast<int>(text.size() - end)}) + '\n';
}

} // namespace

std::string EncodeAnswer(const CompanionAnswer& answer, size_t limit) {
    std::string payload = EncodeWhole(answer);
    // Never more than the companion takes: the start of each stream is kept, the rest told.
    CompanionAnswer cut = answer;
    size_t budget = limit / 2;
    while (payload.size() > limit && budget > 0) {
        const size_t total = answer.out.size() + answer.err.size();
        const size_t outKeep = total == 0 ? 0 : budget * answer.out.size() / total;
        cut.out = Shortened(answer.out, outKeep);
        cut.err = Shortened(answer.err, budget - outKeep);
        payload = EncodeWhole(cut);
        budget /= 2;
    }
    return payload;
}

std::optional<CompanionAnswer> DecodeAnswer(std::string_view payload) {
    const auto doc = ParseObject(payload);
    if (!doc || IntegerField(*doc, "version") != kCompanionProtocolVersion) return std::nullopt;
    CompanionAnswer answer;
    const auto outcome = doc->find("outcome");
    if (outcome == doc->end() || !outcome->is_string()) return std::nullopt;
    bool known = false;
    for (int i = 0; i < 3; ++i)
        if (*outcome == kOutcomeNames[i]) {
            answer.outcome = static_cast<AnswerOutcome>(i);
            known = true;
        }
    const auto status = IntegerField(*doc, "status");
    auto out = TextField(*doc, "stdout");
    auto err = TextField(*doc, "stderr");
    if (!known || !status || *status < 0 || *status > 255 || !out || !err) return std::nullopt;
    answer.status = *status;
    answer.out = std::move(*out);
    answer.err = std::move(*err);
    return answer;
}

CompanionAnswer RefusalAnswer(RequestProblem problem, int requestVersion) {
    CompanionAnswer answer;
    answer.outcome = AnswerOutcome::Refused;
    answer.status = 1;
    switch (problem) {
    case RequestProblem::None:
    case RequestProblem::Malformed:
        answer.err = LoadString(IDS_CLI_LINK_MALFORMED);
        break;
    case RequestProblem::WrongVersion:
        answer.err = FormatText(IDS_CLI_LINK_VERSION, {kCompanionProtocolVersion, requestVersion});
        break;
    case RequestProblem::TooLarge:
        answer.err = FormatText(IDS_CLI_LINK_TOO_LARGE, {kMaxRequestBytes});
        break;
    case RequestProblem::Foreign:
        answer.err = LoadString(IDS_CLI_LINK_FOREIGN);
        break;
    }
    answer.err += '\n';
    return answer;
}

std::string Frame(std::string_view payload) {
    const auto n = static_cast<uint32_t>(payload.size());
    std::string framed{static_cast<char>(n >> 24), static_cast<char>(n >> 16),
                       static_cast<char>(n >> 8), static_cast<char>(n)};
    framed.append(payload);
    return framed;
}

FrameReader::State FrameReader::Feed(std::string_view bytes) {
    while (state_ == State::NeedMore && !bytes.empty()) {
        if (!length_) {
            const size_t take = std::min(kFrameHeaderBytes - header_.size(), bytes.size());
            header_.append(bytes.substr(0, take));
            bytes.remove_prefix(take);
            if (header_.size() < kFrameHeaderBytes) break;
            size_t n = 0;
            for (unsigned char c : header_)
                n = n << 8 | c;
            if (n > limit_) {
                state_ = State::TooLarge;
                break;
            }
            length_ = n;
            payload_.reserve(n);
        }
        const size_t take = std::min(*length_ - payload_.size(), bytes.size());
        payload_.append(bytes.substr(0, take));
        bytes.remove_prefix(take);
        if (payload_.size() == *length_) state_ = State::Complete;
    }
    return state_;
}

} // namespace zm
