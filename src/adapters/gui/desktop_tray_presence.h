#pragma once
// The desktop's tray looked for as Qt's tray icon will use it: a status-notifier watcher on the
// session bus with a host registered, else the owner of the X11 tray selection of the screen.

#include "platform/tray_presence.h"

#include <memory>

namespace zm {

std::unique_ptr<TrayPresence> CreateDesktopTrayPresence();

// The screen number of an X11 display name (":1.2" gives 2); 0 without one.
int DisplayScreenNumber(const char* display);

} // namespace zm
