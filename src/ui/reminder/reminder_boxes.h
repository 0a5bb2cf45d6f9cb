#pragma once
// The message boxes of the reminder windows, behind a small interface so that tests can answer
// them. The window set counts the boxes that are up: meanwhile no reminder window can be used.

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <vector>

class QWidget;

namespace zm {

class ReminderBoxes {
public:
    virtual ~ReminderBoxes() = default;
    // A refused input: a warning box with OK.
    virtual void Warn(QWidget* owner, const QString& text) = 0;
    // A destructive question: Yes and No with the warning icon; true for Yes.
    virtual bool AskYesNo(QWidget* owner, const QString& text) = 0;
    // A library error: the error icon, top-most.
    virtual void ShowError(QWidget* owner, const QString& text) = 0;
    // At exit: every box still up closes (as if dismissed), so that no window goes while a box
    // of it runs its loop.
    virtual void CloseOpenBoxes() = 0;
};

// The boxes on the screen, titled with the program's name. Each runs its own loop, modal to its
// owner window only, so the other reminder windows and dialogs keep their own events.
class QtReminderBoxes final : public ReminderBoxes {
public:
    void Warn(QWidget* owner, const QString& text) override;
    bool AskYesNo(QWidget* owner, const QString& text) override;
    void ShowError(QWidget* owner, const QString& text) override;
    void CloseOpenBoxes() override;

private:
    int Run(QWidget* owner, int icon, const QString& text, int buttons, int preferred,
            bool topMost);

    std::vector<QPointer<QMessageBox>> open_;
};

} // namespace zm
