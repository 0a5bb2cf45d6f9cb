#pragma once
// The name checks of the type editor and the quick-reminder editor, run on OK in that order
// before anything else is read from the dialog.

#include "store/types/type_list.h"

#include <string>
#include <string_view>

namespace zm {

// The type editor's name: trimmed at both ends into `trimmed`; returns 0 when it may be used,
// else the number of the message to show ("Please enter a type name.", "Such type name already
// exists. Please change the name."). `editedIndex` is the type being edited, -1 for a new one.
int CheckTypeName(const TypeList& list, int editedIndex, std::string_view name,
                  std::string& trimmed);

// The quick-reminder editor's menu item name: trimmed into `trimmed`; 0 when it may be used,
// else the number of "Please enter a menu item name.".
int CheckQuickMenuName(std::string_view name, std::string& trimmed);

} // namespace zm
