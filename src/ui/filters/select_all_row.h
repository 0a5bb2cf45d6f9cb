#pragma once
// The "Select All" and "Deselect All" buttons of the filter dialogs, side by side.

#include <functional>

class QHBoxLayout;
class QWidget;

namespace zm {

// The two buttons (named "selectAll" and "deselectAll", never the default button) in a row;
// they call `select(true)` and `select(false)`.
QHBoxLayout* SelectAllRow(QWidget& owner, std::function<void(bool on)> select);

} // namespace zm
