#pragma once
// Where the next countdown or stopwatch window opens. Countdowns and stopwatches keep separate
// cascades, in pixels relative to the work area: each new window steps (+42, +64) from the
// last; one that would not lie wholly inside the work area starts a new column 143 pixels
// further right at y = 64, and when that does not fit either the column starts again at
// (62, 64). Countdowns begin at (42, 64); stopwatches at (185, 64).

#include "platform/screen_geometry.h"

#include <cstdint>

namespace zm {

enum class TimerKind : uint8_t { Countdown, Stopwatch };

class WindowCascade final {
public:
    explicit WindowCascade(TimerKind kind);

    // The top-left corner, in desktop coordinates, of the next window of `size` opening in the
    // work area `area`.
    Point Next(const Rect& area, Size size);

private:
    Point position_;
    int columnX_;
};

} // namespace zm
