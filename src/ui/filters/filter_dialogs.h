#pragma once
// The filter dialogs: Define Filters (with Edit Filter), and Choose Filters for the type editor;
// and the filter menu of the main window ("Current Filter" and the toolbar's drop-down).

#include <string>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace zm {

struct WindowContext;
class TypeList;
class UserBoxes;

// "Define Filters": the user adds, edits, removes and applies filters. True when the filters or
// the active filter changed (the caller rebuilds its list and filter menu). A types file that
// cannot be saved afterwards is told to the user; the filters stay changed for this session.
// The caller holds it open as the program dialog (ProgramDialogGuard::TryOpen).
bool DefineFilters(WindowContext& context, UserBoxes& boxes, QWidget* parent);

// "Choose Filters": one flag per filter of the type list, for the type `typeName`; false when
// cancelled (the flags are left as they were). Flags that do not match the filter list in number
// are first taken from the filters that list `typeName`.
bool ChooseFilters(WindowContext& context, const std::string& typeName, std::vector<bool>& chosen,
                   QWidget* parent);

// The data of the filter menu's "&Remove Filtering" entry; a filter's entry holds its index.
inline constexpr int kRemoveFilteringEntry = -1;

// Empties `menu` and fills it with one checkable entry per filter, in filter-list order (the
// name as stored; data: the filter's index; checked: the active filter), a separator,
// "&Remove Filtering" (data: kRemoveFilteringEntry) and, when given, `defineFilters` after a
// separator.
void FillFilterMenu(QMenu& menu, const TypeList& types, QAction* defineFilters = nullptr);

// A filter menu entry was chosen: makes filter `entry` of the filter list active, or none for
// kRemoveFilteringEntry (or an index beyond the list), and keeps its name in the settings. The
// caller rebuilds its list. True when a filter is active now (the main window's filter flag).
bool ApplyFilterEntry(WindowContext& context, int entry);

// The filter kept in the settings is made active again: at start-up, and after the types or the
// filters were replaced elsewhere (the types page). True when a filter is active now.
bool ApplyStoredFilter(WindowContext& context);

} // namespace zm
