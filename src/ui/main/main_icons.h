#pragma once
// The images of the main window's commands: small calendar pages for the views, the style's
// standard pictures for the others, and the event types' own icons.

#include "ui/main/main_window.h"

#include <QIcon>

namespace zm {

class TypeList;

// An empty icon for a command without an image.
QIcon CommandIcon(MainCommand command);
// The small icon of the type (the undefined type's for an index beyond the list).
QIcon TypeIcon(const TypeList& types, int index);

} // namespace zm
