#pragma once
// The tray menu as a QMenu, made from its model (tray_menu_model.h).

#include "frame/tray_menu_model.h"

#include <QIcon>
#include <functional>
#include <vector>

class QMenu;

namespace zm {

// Replaces the menu's items with the model's; choosing one calls `chosen` with its command once
// the menu has closed (at once when the item is triggered by the program).
void FillTrayMenu(QMenu& menu, const std::vector<TrayMenuItem>& items,
                  const std::function<QIcon(int image)>& imageOf,
                  const std::function<void(uint32_t command)>& chosen);

} // namespace zm
