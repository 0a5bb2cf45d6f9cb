#include "reminder/reminder_placement.h"

namespace zm {

namespace {

bool Fits(const Rect& workArea, int x, int y, Size size) {
    return workArea.Contains(Rect{workArea.x + x, workArea.y + y, size.width, size.height});
}

} // namespace

Point ReminderPlacement::Place(Size size, const Rect& workArea, bool centre) {
    x_ += kStepX;
    y_ += kStepY;
    if (!Fits(workArea, x_, y_, size)) {
        // A new column, a step lower than the last one began. The cascade goes on from where
        // the window went, so the next window does not overflow again.
        columnTop_ += kStepY;
        x_ = kStepX;
        y_ = columnTop_;
        if (!Fits(workArea, x_, y_, size)) {
            columnTop_ = kStepY;
            x_ = kStepX;
            y_ = columnTop_;
        }
    }
    if (centre)
        return {workArea.x + (workArea.width - size.width) / 2,
                workArea.y + (workArea.height - size.height) / 2};
    return {workArea.x + x_, workArea.y + y_};
}

} // namespace zm
