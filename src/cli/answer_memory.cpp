#include "cli/answer_memory.h"

#include "res/strings.h"

#include <algorithm>

namespace zm {
namespace {

std::string Kept(const std::string& text) {
    if (text.size() <= AnswerMemory::kMaxTextBytes) return text;
    return text.substr(0, AnswerMemory::kMaxTextBytes) + "\n" +
           LoadString(IDS_CLI_LINK_ANSWER_SHORTENED) + "\n";
}

} // namespace

void AnswerMemory::Forget(Clock::time_point now) {
    while (!entries_.empty() && now - entries_.front().at >= kKeepFor)
        entries_.pop_front();
}

std::optional<CompanionAnswer> AnswerMemory::Recall(const CompanionRequest& request,
                                                    Clock::time_point now) {
    Forget(now);
    if (request.identity.empty()) return std::nullopt;
    const uint64_t fingerprint = RequestFingerprint(request);
    const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return e.identity == request.identity && e.fingerprint == fingerprint;
    });
    if (it == entries_.end()) return std::nullopt;
    return it->answer;
}

void AnswerMemory::Remember(const CompanionRequest& request, const CompanionAnswer& answer,
                            Clock::time_point now) {
    Forget(now);
    if (request.identity.empty()) return;
    if (entries_.size() >= kMaxAnswers) entries_.pop_front();
    CompanionAnswer kept = answer;
    kept.out = Kept(answer.out);
    kept.err = Kept(answer.err);
    entries_.push_back({request.identity, RequestFingerprint(request), now, std::move(kept)});
}

} // namespace zm
