#include "store/quick/quick_list.h"

#include "res/artwork.h"
#include "store/text/no_case.h"
#include "store/types/image_list_stream.h"

#include <algorithm>
#include <numeric>

namespace zm {

QuickReminder TakenOverQuickReminder(std::string menuName, std::string eventName,
                                     TimeAmount offset) {
    QuickReminder q;
    q.offset = offset;
    q.typeName = kTakenOverQuickType;
    q.menuName = std::move(menuName);
    q.eventName = std::move(eventName);
    return q;
}

const QuickReminder* QuickList::ForCommand(uint32_t command) const {
    if (command < kFirstQuickCommand) return nullptr;
    return At(command - kFirstQuickCommand);
}

bool QuickList::Add(QuickReminder entry, const IconImage& icon) {
    if (Full()) return false;
    entries_.push_back(std::move(entry));
    icons_.push_back(FitIcon(icon, kQuickIconSize));
    return true;
}

bool QuickList::AddWithDefaultIcon(QuickReminder entry) {
    return Add(std::move(entry), ProgramIcon(kIconNewEntry, kQuickIconSize));
}

void QuickList::Replace(size_t index, QuickReminder entry, const IconImage& icon) {
    if (index >= entries_.size()) return;
    entries_[index] = std::move(entry);
    icons_[index] = FitIcon(icon, kQuickIconSize);
}

void QuickList::Remove(size_t index) {
    if (index >= entries_.size()) return;
    entries_.erase(entries_.begin() + static_cast<ptrdiff_t>(index));
    icons_.erase(icons_.begin() + static_cast<ptrdiff_t>(index));
}

void QuickList::Clear() {
    entries_.clear();
    icons_.clear();
}

void QuickList::SortByMenuName() {
    std::vector<size_t> order(entries_.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return NoCaseLess(entries_[a].menuName, entries_[b].menuName);
    });
    std::vector<QuickReminder> entries;
    std::vector<IconImage> icons;
    entries.reserve(order.size());
    icons.reserve(order.size());
    for (size_t i : order) {
        entries.push_back(std::move(entries_[i]));
        icons.push_back(std::move(icons_[i]));
    }
    entries_ = std::move(entries);
    icons_ = std::move(icons);
}

void QuickList::Assign(std::vector<QuickReminder> entries, std::vector<IconImage> icons) {
    entries_ = std::move(entries);
    icons_ = std::move(icons);
}

} // namespace zm
