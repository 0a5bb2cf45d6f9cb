#include "frame/platform_choice.h"

#include <string_view>

namespace zm {
namespace {

bool Set(const char* value) {
    return value && *value;
}

} // namespace

std::string ChooseQtPlatform(const char* qtQpaPlatform, const char* xdgSessionType,
                             const char* waylandDisplay, const char* display) {
    if (Set(qtQpaPlatform)) return {};
    const bool wayland = Set(waylandDisplay) ||
                         (Set(xdgSessionType) && std::string_view(xdgSessionType) == "wayland");
    if (wayland && Set(display)) return "xcb";
    return {};
}

} // namespace zm
