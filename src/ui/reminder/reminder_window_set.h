#pragma once
// The open reminder windows: one per event, placed in a cascade over the work area, told of the
// store's changes, and disabled as the program's state asks (a box up, a program dialog open,
// the event editor on their event). The scheduler shows reminders through it.

#include "reminder/reminder_gate.h"
#include "reminder/reminder_placement.h"
#include "resident/reminder_presenter.h"
#include "ui/common/reminder_hold.h"
#include "ui/reminder/reminder_environment.h"
#include "ui/reminder/reminder_window.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zm {

class ReminderWindowSet final : public QObject,
                                public ReminderPresenter,
                                public StoreListener,
                                public ReminderHold {
    Q_OBJECT

public:
    // Listens to the store from now on; the environment must outlive the set.
    explicit ReminderWindowSet(ReminderEnvironment environment, QObject* parent = nullptr);
    // Every window still open goes with deleteLater.
    ~ReminderWindowSet() override;

    // --- ReminderPresenter ---
    PresentResult Present(const EventRecord& event) override;
    bool IsOpen(uint16_t key) const override;
    LibraryResult CloseWindowsWhoseTimeIsOver() override;

    // --- the frame's requests ---
    // The reminder sound was switched off: every window stops repeating its sound.
    void StopSoundRepetition();
    // A program dialog opened (the event editor with the key of its event, 0 for a new one)
    // or closed (ProgramDialog::None).
    void SetProgramDialog(ProgramDialog dialog, uint16_t editorKey = 0);
    // The centre-title setting changed.
    void RelayoutTitles();
    // At exit: every window closes and goes at the next turn of the loop, even while a box of
    // one of them is still up.
    void CloseAll();

    // Told after a reminder window is gone (the program gives memory back then).
    std::function<void()> windowClosed;
    // The event editor's size preview for an event: `done` gets the custom size when the user
    // saved it, none when the preview was dismissed. The preview is not modal. Given an owner
    // (the modal editor), it is the owner's window: above it and usable while the owner blocks
    // the other windows, and closed when the owner closes.
    ReminderWindow* ShowSizePreview(const EventRecord& event, ReminderWindow::PreviewDone done,
                                    QWidget* owner = nullptr);

    // A box of other code (the error reporter asked to disable the reminder windows) is up
    // while one of these lives.
    class BoxScope {
    public:
        explicit BoxScope(ReminderWindowSet& set);
        ~BoxScope();
        BoxScope(const BoxScope&) = delete;
        BoxScope& operator=(const BoxScope&) = delete;

    private:
        QPointer<ReminderWindowSet> set_;
    };

    // --- what the windows use ---
    const ReminderEnvironment& Environment() const { return env_; }
    const ReminderGate& Gate() const { return gate_; }
    // The system's title font, looked up when the first window needs it: the program starts
    // without touching the font database.
    const QFont& CaptionFont() const;
    void Warn(QWidget* owner, int message);
    bool AskYesNo(QWidget* owner, int message);
    bool AskYesNo(QWidget* owner, const std::string& question);
    // The message of a library result, when it has one, with its sound.
    void ReportError(QWidget* owner, LibraryResult code);
    // The window dealt with its event: it closes, and another reminder window comes forward.
    void Finish(ReminderWindow* window);

    // The open windows, oldest first.
    std::vector<ReminderWindow*> Windows() const;
    ReminderWindow* WindowOf(uint16_t key) const;

    void OnStoreChange(const StoreChange& change) override;

private:
    void RunBox(const std::function<void()>& box);
    void RefreshAll();

    ReminderEnvironment env_;
    ReminderGate gate_;
    ReminderPlacement placement_;
    mutable std::optional<QFont> captionFont_;
    std::vector<QPointer<ReminderWindow>> windows_;
    QPointer<ReminderWindow> preview_;
};

} // namespace zm
