#pragma once
// What the event list shows: the period (a day, a week, 31 days or everything) from a view date,
// or the results of a search.

#include "model/date_time.h"

#include <cstdint>
#include <string>

namespace zm {

// In the order the settings store them: 0 Day, 1 Week, 2 Month, 3 All.
enum class ViewMode : uint8_t { Day, Week, Month, All };

struct ListViewState {
    ViewMode mode = ViewMode::Day;
    DateTime viewDate;      // midnight; the first day of the period
    bool searching = false; // the list shows search results
    std::string searchText; // folded to lower case unless matchCase (SearchKey)
    bool matchCase = false;
    bool filterActive = false; // a named filter is applied
    int sortColumn = 1;        // 0..5; 6 and above sort by storage key
    bool sortDescending = false;
};

} // namespace zm

namespace zm {

// The stored view mode (0 Day, 1 Week, 2 Month, 3 All); any other value reads as Day.
ViewMode ViewModeFromSetting(int stored);
int ViewModeSetting(ViewMode mode);

} // namespace zm
