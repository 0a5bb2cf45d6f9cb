#include "reminder/reminder_layout.h"

#include <algorithm>

namespace zm {

namespace {

// The dialog template: 310 x 105 dialog units.
constexpr int kTemplateWidth = 310;
constexpr int kTemplateHeight = 105;

struct Units {
    const ReminderMetrics& m;
    int X(int dlu) const { return dlu * m.baseWidth / 4; }
    int Y(int dlu) const { return dlu * m.baseHeight / 8; }
    Rect At(int x, int y, int w, int h) const {
        return {m.frame + X(x), m.frame + m.caption + Y(y), X(w), std::max(1, Y(h))};
    }
};

Rect Moved(Rect r, int dx, int dy) {
    r.x += dx;
    r.y += dy;
    return r;
}

Rect Grown(Rect r, int dw, int dh) {
    r.width += dw;
    r.height += dh;
    return r;
}

} // namespace

ReminderLayout BaseReminderLayout(const ReminderMetrics& m) {
    const Units u{m};
    ReminderLayout l;
    l.name = u.At(3, 7, 241, 12);
    l.nameSeparator = u.At(3, 23, 304, 1);
    l.nameSeparator.height = 2;
    l.notes = u.At(3, 27, 242, 52);
    l.snoozeSeparator = u.At(3, 81, 304, 1);
    l.snoozeSeparator.height = 2;
    l.snoozeLabel = u.At(3, 90, 128, 8);
    l.amount = u.At(134, 88, 59, 14);
    l.beforeStart = u.At(196, 89, 51, 11);
    l.snooze = u.At(251, 87, 55, 14);
    l.accept = u.At(251, 4, 55, 14);
    l.open = u.At(251, 28, 55, 14);
    l.remove = u.At(251, 47, 55, 14);
    l.minimum = {2 * m.frame + u.X(kTemplateWidth), 2 * m.frame + m.caption + u.Y(kTemplateHeight)};

    if (m.typeNameHeight) {
        const int top = m.frame + m.caption;
        const int h = *m.typeNameHeight;
        const int s = l.nameSeparator.y - top;
        l.name.height = h;
        if (s < h + 7) {
            const int down = h - s + 5;
            l.name.y = top + 2;
            l.nameSeparator.y += down;
            l.open.y += down;
            l.remove.y += down;
            l.notes.y += down;
            l.notes.height = std::max(1, l.notes.height - down);
        } else {
            l.name.y = top + (s - h - 7) / 2;
        }
    }
    return l;
}

ReminderLayout ResizedReminderLayout(const ReminderLayout& base, Size size) {
    const int dx = std::max(0, size.width - base.minimum.width);
    const int dy = std::max(0, size.height - base.minimum.height);
    ReminderLayout l = base;
    l.accept = Moved(base.accept, dx, 0);
    l.open = Moved(base.open, dx, 0);
    l.remove = Moved(base.remove, dx, 0);
    l.name = Grown(base.name, dx, 0);
    l.nameSeparator = Grown(base.nameSeparator, dx, 0);
    l.notes = Grown(base.notes, dx, dy);
    l.snoozeSeparator = Moved(Grown(base.snoozeSeparator, dx, 0), 0, dy);
    l.snooze = Moved(base.snooze, dx, dy);
    l.snoozeLabel = Moved(base.snoozeLabel, 0, dy);
    l.amount = Moved(base.amount, 0, dy);
    l.beforeStart = Moved(base.beforeStart, 0, dy);
    return l;
}

int CollapsedReminderHeight(const ReminderLayout& base, const ReminderMetrics& m) {
    return std::max(3 * m.frame + 2 * m.caption - 1, base.name.Bottom() + 1 + m.frame);
}

} // namespace zm
