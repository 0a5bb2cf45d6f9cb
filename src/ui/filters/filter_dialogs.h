#pragma once
// The filter dialogs: Define Filters (with Edit Filter), and Choose Filters for the type editor.

#include <string>
#include <vector>

class QWidget;

namespace zm {

struct WindowContext;
class UserBoxes;

// "Define Filters": the user adds, edits, removes and applies filters. True when the filters or
// the active filter changed (the caller rebuilds its list and filter menu).
bool DefineFilters(WindowContext& context, UserBoxes& boxes, QWidget* parent);

// "Choose Filters": one flag per filter of the type list, for the type `typeName`; false when
// cancelled (the flags are left as they were).
bool ChooseFilters(WindowContext& context, const std::string& typeName, std::vector<bool>& chosen,
                   QWidget* parent);

} // namespace zm
