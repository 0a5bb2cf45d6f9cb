#pragma once
// The print preview toolbar's small drawn images.

#include <QIcon>

namespace zm {

QIcon PrinterIcon();
// One sheet or two side by side: the number of pages the command switches to.
QIcon PagesIcon(int pages);
QIcon MagnifierIcon(bool zoomIn);

} // namespace zm
