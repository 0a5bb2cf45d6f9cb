#pragma once
// The texts searched for with the find bar, most recent first, as long as the main window
// lives: a text already there (without regard to letter case) keeps its place; a new one goes
// to the top, and the oldest leaves when the history is full.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zm {

inline constexpr size_t kFindHistorySize = 15;

class FindHistory {
public:
    // Enters a text that is not empty; the position of its entry afterwards.
    size_t Enter(std::string_view text);
    const std::vector<std::string>& Entries() const { return entries_; }

private:
    std::vector<std::string> entries_;
};

} // namespace zm
