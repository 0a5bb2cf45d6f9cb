#include "list/find_history.h"

#include "store/text/no_case.h"

namespace zm {

size_t FindHistory::Enter(std::string_view text) {
    for (size_t i = 0; i < entries_.size(); ++i)
        if (NoCaseEqual(entries_[i], text)) return i;
    if (entries_.size() >= kFindHistorySize) entries_.pop_back();
    entries_.insert(entries_.begin(), std::string(text));
    return 0;
}

} // namespace zm
