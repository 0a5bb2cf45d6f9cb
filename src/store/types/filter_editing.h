#pragma once
// The rules of the filter dialogs, kept apart from their windows: the edited filter's checks,
// the description of a filter, the working list of "Define Filters" (which follows the active
// filter through renames and removals), the entries of the filter menu, and applying a filter.

#include "platform/settings.h"
#include "store/types/event_type.h"
#include "store/types/type_list.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zm {

inline constexpr size_t kMaxFilterNameLength = 64;

// What the user has entered in "Edit Filter".
struct FilterEntry {
    std::string name;               // as typed
    std::vector<bool> typeSelected; // one flag per type, in type-list order
    bool showAccepted = false;
};

// Where the dialog puts the focus after refusing its entry.
enum class FilterField { None, Name, Types };

struct FilterCheck {
    int message = 0; // 0: the entry is taken; else the number of the text to show
    FilterField focus = FilterField::None;
};

// The entry "Edit Filter" opens with: each type the filter lists (without regard to letter
// case) selected, "Show accepted events" from the option word.
FilterEntry EntryOfFilter(const TypeFilter& filter, const std::vector<EventType>& types);

// OK in "Edit Filter", in this order: the trimmed name must not be empty, must differ (without
// regard to letter case) from the name of every filter of `filters` but the one at
// `editedIndex` (-1 for a new filter), and at least one type must be selected. When the entry
// is taken `out` becomes the filter: the trimmed name, the selected types' names in type-list
// order and the option word.
FilterCheck CheckFilterEntry(const FilterEntry& entry, const std::vector<TypeFilter>& filters,
                             int editedIndex, const std::vector<EventType>& types, TypeFilter& out);

// The "Description" of a filter: its type names joined by "; ", then, with the option on,
// `acceptedMark` (after "; " when there were type names).
std::string DescribeFilter(const TypeFilter& filter, std::string_view acceptedMark);

// One flag per filter: the filter lists `typeName` (without regard to letter case).
std::vector<bool> FiltersListing(const std::vector<TypeFilter>& filters, std::string_view typeName);

// How "Define Filters" was left.
enum class FiltersEnding { Apply, RemoveFiltering, Close };

// The copy of the filters that "Define Filters" works on, kept in name order (without regard
// to letter case), with the name of the filter that is to stay active.
class FilterWorkList {
public:
    FilterWorkList(std::vector<TypeFilter> filters, std::string activeName);

    const std::vector<TypeFilter>& Filters() const { return filters_; }
    size_t Count() const { return filters_.size(); }
    bool CanAdd() const { return filters_.size() < kMaxFilters; }
    bool Changed() const { return changed_; }
    const std::string& ActiveName() const { return active_; }

    // Adds the filter; its row in the sorted list, or -1 at the limit.
    int Add(TypeFilter filter);
    // Replaces the filter of `row`; when it was the active one the active name follows its
    // new name. Its row in the sorted list afterwards, or -1 for a row that does not exist.
    int Replace(size_t row, TypeFilter filter);
    // Removes the filter of `row`; when it was the active one no filter stays active. The row
    // to select afterwards (the same position or the new last row), -1 when none is left (or
    // for a row that does not exist).
    int Remove(size_t row);

    // The name to make active when the dialog ends (empty: no filter), or nothing when there
    // is nothing to apply. `selectedRow` is the row selected at "Apply Filter".
    std::optional<std::string> NameToApply(FiltersEnding ending, int selectedRow) const;

private:
    int RowOf(const std::string& name) const;
    void Sort();

    std::vector<TypeFilter> filters_;
    std::string active_;
    bool changed_ = false;
};

// One entry of the filter menu: the filter's name as a menu label ('&' doubled, so that it
// shows as typed), its index in the filter list, and whether it is the active filter.
struct FilterMenuEntry {
    std::string label;
    int index = 0;
    bool checked = false;
};
std::vector<FilterMenuEntry> FilterMenuEntries(const TypeList& types);

// Makes the named filter active (empty: none) and keeps its name in the settings; a name that
// no filter has leaves no filter active and no name kept. True when a filter is active now.
bool ApplyFilterName(TypeList& types, Settings& settings, std::string_view name);

// Applies the filter whose name the settings keep: at start-up, and again whenever the types or
// the filters were replaced (which leaves no type marked). True when a filter is active now.
bool ApplyStoredFilter(TypeList& types, Settings& settings);

} // namespace zm
