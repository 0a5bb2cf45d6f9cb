#pragma once
// Where a new reminder window opens: each one 38 pixels right and 19 pixels down from the last,
// inside the work area. A window that would leave the work area starts a new column at x = 38,
// 19 pixels lower than the last column began, and the cascade goes on from there; when even the
// new column does not fit, the cascade starts over at the top-left.

#include "platform/screen_geometry.h"

namespace zm {

class ReminderPlacement {
public:
    static constexpr int kStepX = 38;
    static constexpr int kStepY = 19;

    // The top-left corner, in desktop pixels, of a new window of `size` in the work area. With
    // `centre` the window is centred in the work area instead; the cascade still moves on.
    Point Place(Size size, const Rect& workArea, bool centre);

    // The cascade point and the top of the current column, relative to the work area.
    Point Cascade() const { return {x_, y_}; }
    int ColumnTop() const { return columnTop_; }

private:
    int x_ = 0;
    int y_ = 0;
    int columnTop_ = kStepY;
};

} // namespace zm
