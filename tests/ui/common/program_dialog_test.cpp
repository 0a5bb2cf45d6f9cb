// The one program dialog at a time: a second one is refused with a beep, and the reminder
// windows learn which dialog is open.

#include "support/answering_boxes.h"
#include "ui/common/program_dialog.h"
#include "ui/common/reminder_hold.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace zm::testing {
namespace {

class RecordingHold final : public ReminderHold {
public:
    void SetProgramDialog(ProgramDialog dialog, uint16_t editorKey) override {
        told.emplace_back(dialog, editorKey);
    }
    void RunBox(const std::function<void()>& box) override { box(); }

    std::vector<std::pair<ProgramDialog, uint16_t>> told;
};

TEST(ProgramDialogGuard, OpensOneDialogAndRefusesAnotherWithABeep) {
    AnsweringBoxes boxes;
    RecordingHold reminders;
    ProgramDialogGuard guard(boxes, &reminders);
    {
        const auto editor = guard.TryOpen(ProgramDialog::EventEditor, 7);
        ASSERT_TRUE(editor);
        EXPECT_TRUE(guard.Open());
        EXPECT_FALSE(guard.TryOpen(ProgramDialog::Other));
        EXPECT_TRUE(guard.RefuseWhenOpen());
        EXPECT_EQ(boxes.beeps, 2);
    }
    EXPECT_FALSE(guard.Open());
    EXPECT_FALSE(guard.RefuseWhenOpen());
    EXPECT_TRUE(guard.TryOpen(ProgramDialog::Other));
    EXPECT_EQ(boxes.beeps, 2);
    const std::vector<std::pair<ProgramDialog, uint16_t>> expected = {
        {ProgramDialog::EventEditor, 7},
        {ProgramDialog::None, 0},
        {ProgramDialog::Other, 0},
        {ProgramDialog::None, 0},
    };
    EXPECT_EQ(reminders.told, expected);
}

} // namespace
} // namespace zm::testing
