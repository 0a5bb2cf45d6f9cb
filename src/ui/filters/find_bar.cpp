#include "ui/filters/find_bar.h"

#include "ui/common/window_context.h"

namespace zm {

// An empty bar until the find bar lands.
FindBar::FindBar(WindowContext&, QWidget* parent) : QWidget(parent) {}
FindBar::~FindBar() = default;
void FindBar::FocusInto(bool) {}

} // namespace zm
