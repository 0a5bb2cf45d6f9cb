// The reminder window's layout: the template in pixels, the name line for a type font, and what
// moves and grows when the window is resized.

#include "reminder/reminder_layout.h"

#include <gtest/gtest.h>

namespace zm::testing {
namespace {

TEST(ReminderLayout, TemplateInPixelsAndResizing) {
    const ReminderMetrics m{6, 13, 4, 20, std::nullopt};
    const ReminderLayout base = BaseReminderLayout(m);
    EXPECT_EQ(base.minimum, (Size{8 + 465, 8 + 20 + 170}));
    EXPECT_EQ(base.accept, (Rect{4 + 376, 24 + 6, 82, 22}));
    EXPECT_EQ(base.name, (Rect{4 + 4, 24 + 11, 361, 19}));

    // Smaller than the minimum changes nothing; larger moves and grows exactly the rules' parts.
    EXPECT_EQ(ResizedReminderLayout(base, {100, 100}), base);
    const ReminderLayout big =
        ResizedReminderLayout(base, {base.minimum.width + 50, base.minimum.height + 30});
    const auto moved = [](Rect r, int dx, int dy, int dw, int dh) {
        return Rect{r.x + dx, r.y + dy, r.width + dw, r.height + dh};
    };
    EXPECT_EQ(big.accept, moved(base.accept, 50, 0, 0, 0));
    EXPECT_EQ(big.open, moved(base.open, 50, 0, 0, 0));
    EXPECT_EQ(big.remove, moved(base.remove, 50, 0, 0, 0));
    EXPECT_EQ(big.name, moved(base.name, 0, 0, 50, 0));
    EXPECT_EQ(big.nameSeparator, moved(base.nameSeparator, 0, 0, 50, 0));
    EXPECT_EQ(big.notes, moved(base.notes, 0, 0, 50, 30));
    EXPECT_EQ(big.snoozeSeparator, moved(base.snoozeSeparator, 0, 30, 50, 0));
    EXPECT_EQ(big.snooze, moved(base.snooze, 50, 30, 0, 0));
    EXPECT_EQ(big.snoozeLabel, moved(base.snoozeLabel, 0, 30, 0, 0));
    EXPECT_EQ(big.amount, moved(base.amount, 0, 30, 0, 0));
    EXPECT_EQ(big.beforeStart, moved(base.beforeStart, 0, 30, 0, 0));
    EXPECT_GE(CollapsedReminderHeight(base, m), base.name.Bottom());
}

TEST(ReminderLayout, NameLineForATypeFont) {
    ReminderMetrics m{6, 13, 4, 20, std::nullopt};
    const ReminderLayout plain = BaseReminderLayout(m);
    const int top = 24;
    const int s = plain.nameSeparator.y - top; // 37
    // A small font is centred above the separator; a tall one goes to the top and pushes the
    // separator, "Open...", "Delete" and the notes down, the notes getting shorter.
    m.typeNameHeight = 20;
    const ReminderLayout small = BaseReminderLayout(m);
    EXPECT_EQ(small.name.y, top + (s - 20 - 7) / 2);
    EXPECT_EQ(small.notes, plain.notes);
    m.typeNameHeight = 40;
    const ReminderLayout tall = BaseReminderLayout(m);
    const int down = 40 - s + 5;
    EXPECT_EQ(tall.name.y, top + 2);
    EXPECT_EQ(tall.nameSeparator.y, plain.nameSeparator.y + down);
    EXPECT_EQ(tall.open.y, plain.open.y + down);
    EXPECT_EQ(tall.remove.y, plain.remove.y + down);
    EXPECT_EQ(tall.notes.y, plain.notes.y + down);
    EXPECT_EQ(tall.notes.Bottom(), plain.notes.Bottom());
    EXPECT_EQ(tall.accept, plain.accept);
}

} // namespace
} // namespace zm::testing
