#pragma once
// The images of the main window's commands: small calendar pages for the views, the style's
// standard pictures for the others.

#include "ui/main/main_window.h"

#include <QIcon>

namespace zm {

// An empty icon for a command without an image.
QIcon CommandIcon(MainCommand command);

} // namespace zm
