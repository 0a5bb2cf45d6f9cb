#include "store/types/filter_editing.h"

#include "platform/setting_table.h"
#include "res/strings.h"
#include "store/text/no_case.h"

#include <algorithm>

namespace zm {

FilterEntry EntryOfFilter(const TypeFilter& filter, const std::vector<EventType>& types) {
    FilterEntry entry;
    entry.name = filter.name;
    entry.showAccepted = (filter.options & kFilterShowAccepted) != 0;
    entry.typeSelected.reserve(types.size());
    for (const EventType& type : types)
        entry.typeSelected.push_back(
            std::any_of(filter.typeNames.begin(), filter.typeNames.end(),
                        [&](const std::string& name) { return NoCaseEqual(name, type.name); }));
    return entry;
}

FilterCheck CheckFilterEntry(const FilterEntry& entry, const std::vector<TypeFilter>& filters,
                             int editedIndex, const std::vector<EventType>& types,
                             TypeFilter& out) {
    const std::string name = TrimBlanks(entry.name);
    if (name.empty()) return {IDS_FILTER_NAME_EMPTY, FilterField::Name};
    for (size_t i = 0; i < filters.size(); ++i)
        if (static_cast<int>(i) != editedIndex && NoCaseEqual(filters[i].name, name))
            return {IDS_FILTER_NAME_EXISTS, FilterField::Name};
    std::vector<std::string> chosen;
    for (size_t i = 0; i < types.size() && i < entry.typeSelected.size(); ++i)
        if (entry.typeSelected[i]) chosen.push_back(types[i].name);
    if (chosen.empty()) return {IDS_FILTER_NO_TYPE, FilterField::Types};
    out.name = name;
    out.typeNames = std::move(chosen);
    out.options = entry.showAccepted ? kFilterShowAccepted : 0;
    return {};
}

std::string DescribeFilter(const TypeFilter& filter, std::string_view acceptedMark) {
    std::string text;
    for (const std::string& name : filter.typeNames) {
        if (!text.empty()) text += "; ";
        text += name;
    }
    if ((filter.options & kFilterShowAccepted) != 0) {
        if (!filter.typeNames.empty()) text += "; ";
        text += acceptedMark;
    }
    return text;
}

std::vector<bool> FiltersListing(const std::vector<TypeFilter>& filters,
                                 std::string_view typeName) {
    std::vector<bool> flags;
    flags.reserve(filters.size());
    for (const TypeFilter& filter : filters)
        flags.push_back(
            std::any_of(filter.typeNames.begin(), filter.typeNames.end(),
                        [&](const std::string& name) { return NoCaseEqual(name, typeName); }));
    return flags;
}

FilterWorkList::FilterWorkList(std::vector<TypeFilter> filters, std::string activeName)
    : filters_(std::move(filters)), active_(std::move(activeName)) {
    Sort();
}

void FilterWorkList::Sort() {
    std::stable_sort(
        filters_.begin(), filters_.end(),
        [](const TypeFilter& a, const TypeFilter& b) { return NoCaseLess(a.name, b.name); });
}

int FilterWorkList::RowOf(const std::string& name) const {
    for (size_t i = 0; i < filters_.size(); ++i)
        if (filters_[i].name == name) return static_cast<int>(i);
    return -1;
}

int FilterWorkList::Add(TypeFilter filter) {
    if (!CanAdd()) return -1;
    const std::string name = filter.name;
    filters_.push_back(std::move(filter));
    Sort();
    changed_ = true;
    return RowOf(name);
}

int FilterWorkList::Replace(size_t row, TypeFilter filter) {
    if (row >= filters_.size()) return -1;
    if (!active_.empty() && NoCaseEqual(filters_[row].name, active_)) active_ = filter.name;
    const std::string name = filter.name;
    filters_[row] = std::move(filter);
    Sort();
    changed_ = true;
    return RowOf(name);
}

int FilterWorkList::Remove(size_t row) {
    if (row >= filters_.size()) return -1;
    if (!active_.empty() && NoCaseEqual(filters_[row].name, active_)) active_.clear();
    filters_.erase(filters_.begin() + static_cast<std::ptrdiff_t>(row));
    changed_ = true;
    if (filters_.empty()) return -1;
    return static_cast<int>(std::min(row, filters_.size() - 1));
}

std::optional<std::string> FilterWorkList::NameToApply(FiltersEnding ending,
                                                       int selectedRow) const {
    switch (ending) {
    case FiltersEnding::Apply:
        if (selectedRow >= 0 && static_cast<size_t>(selectedRow) < filters_.size())
            return filters_[static_cast<size_t>(selectedRow)].name;
        return changed_ ? std::optional<std::string>(active_) : std::nullopt;
    case FiltersEnding::RemoveFiltering:
        return std::string();
    case FiltersEnding::Close:
        return changed_ ? std::optional<std::string>(active_) : std::nullopt;
    }
    return std::nullopt;
}

std::vector<FilterMenuEntry> FilterMenuEntries(const TypeList& types) {
    std::vector<FilterMenuEntry> entries;
    const std::string& active = types.ActiveFilterName();
    for (size_t i = 0; i < types.Filters().size(); ++i) {
        FilterMenuEntry entry;
        for (char c : types.Filters()[i].name) {
            if (c == '&') entry.label += '&';
            entry.label += c;
        }
        entry.index = static_cast<int>(i);
        entry.checked = !active.empty() && NoCaseEqual(types.Filters()[i].name, active);
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool ApplyFilterName(TypeList& types, Settings& settings, std::string_view name) {
    const bool found = types.SelectFilter(name);
    WriteText(settings, SettingId::ActiveFilter, found ? types.ActiveFilterName() : "");
    return found;
}

bool ApplyStoredFilter(TypeList& types, Settings& settings) {
    return ApplyFilterName(types, settings, ReadText(settings, SettingId::ActiveFilter));
}

} // namespace zm
