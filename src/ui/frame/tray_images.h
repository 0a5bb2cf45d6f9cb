#pragma once
// The pictures of the tray: the program's icon (coloured while reminders are enabled, grey
// while they are disabled) and the small images beside the tray menu's items.

#include "adapters/gui/qt_icon_image.h"

#include <QIcon>
#include <QImage>

namespace zm {

class TypeList;
class QuickList;

QIcon ProgramTrayIcon(bool remindersEnabled);
// A tray menu image (tray_menu_model.h): the strip's, a type's or a quick reminder's icon; an
// empty icon for kNoImage or an index that names nothing.
QIcon TrayMenuImage(int image, const TypeList& types, const QuickList& quick);

} // namespace zm
