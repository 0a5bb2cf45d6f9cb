#include "store/io/library_result.h"

#include "res/strings.h"

#include <ostream>

namespace zm {
namespace {

constexpr ResultEntry kResults[] = {
#define ZM_RESULT(name, code, message, sound)                                                      \
    {LibraryResult::name, #name, {message, ResultSound::sound}},
#include "store/io/library_results.inc"
#undef ZM_RESULT
};

const ResultEntry* Find(LibraryResult result) {
    for (const ResultEntry& e : kResults)
        if (e.result == result) return &e;
    return nullptr;
}

} // namespace

std::span<const ResultEntry> AllResults() {
    return kResults;
}

ResultMessage MessageOf(LibraryResult result) {
    if (const ResultEntry* e = Find(result)) return e->message;
    return {IDS_ERR_UNKNOWN, ResultSound::Stop};
}

const char* NameOf(LibraryResult result) {
    const ResultEntry* e = Find(result);
    return e ? e->name : "unknown";
}

std::ostream& operator<<(std::ostream& out, LibraryResult result) {
    return out << NameOf(result) << " (" << CodeOf(result) << ')';
}

} // namespace zm
