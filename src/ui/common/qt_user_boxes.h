#pragma once
// The program's boxes: Qt message boxes with the program's caption, shown with the reminder
// windows' controls held.

#include "ui/common/user_boxes.h"

namespace zm {

class ReminderHold;

class QtUserBoxes final : public UserBoxes {
public:
    // `reminders` may be null (no reminder windows to hold).
    explicit QtUserBoxes(ReminderHold* reminders = nullptr) : reminders_(reminders) {}
    void Tell(QWidget* owner, const QString& text, BoxIcon icon) override;
    bool AskYesNo(QWidget* owner, const QString& text, BoxIcon icon) override;
    BoxAnswer AskYesNoCancel(QWidget* owner, const QString& text, BoxIcon icon) override;
    void ReportLibraryError(QWidget* owner, LibraryResult code) override;
    void Beep() override;

private:
    int Run(QWidget* owner, const QString& text, BoxIcon icon, int buttons);
    ReminderHold* reminders_;
};

} // namespace zm
