#include "ui/filters/filter_dialogs.h"

#include "ui/common/window_context.h"

namespace zm {

// Until the dialogs land: nothing changes.
bool DefineFilters(WindowContext&, UserBoxes&, QWidget*) {
    return false;
}

bool ChooseFilters(WindowContext&, const std::string&, std::vector<bool>&, QWidget*) {
    return false;
}

} // namespace zm
