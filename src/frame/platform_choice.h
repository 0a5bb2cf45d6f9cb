#pragma once
// Which Qt platform the program asks for. Under a Wayland session that also offers X (XWayland)
// the program runs on X: top-most reminder windows, their placement and the system-wide keys
// need it. A platform the user chose (QT_QPA_PLATFORM) is always kept.

#include <string>

namespace zm {

// The environment's values (null = not set). Empty: leave the choice to Qt.
std::string ChooseQtPlatform(const char* qtQpaPlatform, const char* xdgSessionType,
                             const char* waylandDisplay, const char* display);

} // namespace zm
