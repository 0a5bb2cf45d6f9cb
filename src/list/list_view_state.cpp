#include "list/list_view_state.h"

namespace zm {

ViewMode ViewModeFromSetting(int stored) {
    return stored >= 0 && stored <= 3 ? static_cast<ViewMode>(stored) : ViewMode::Day;
}

int ViewModeSetting(ViewMode mode) {
    return static_cast<int>(mode);
}

} // namespace zm
