#pragma once
// The window that announces one due reminder: the event's caption, name and notes in its
// type's colours and fonts, its sound, and four actions: Accept, Snooze by an amount (or that
// long before the start), Open the event in the editor, Delete it. It cannot be closed any other
// way. Frameless, it draws its own caption bar and frame, and moves and resizes through the
// window system. It learns what happens to its event elsewhere only from the store's notices.
//
// The same window, in the size preview, lets the event editor size the window for an event.

#include "reminder/reminder_content.h"
#include "reminder/reminder_layout.h"
#include "reminder/reminder_lifecycle.h"
#include "reminder/reminder_role.h"
#include "sound/sound_player.h"
#include "store/io/library_result.h"
#include "store/store_change.h"
#include "ui/reminder/reminder_look.h"

#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace zm {

class CaptionBar;
class ReminderWindowSet;
class SnoozeLabel;

class ReminderWindow final : public QWidget {
    Q_OBJECT

public:
    using Mode = ReminderMode;
    // What the size preview hands back: the custom size, none when it was dismissed.
    using PreviewDone = std::function<void(std::optional<uint32_t> customSize)>;

    ReminderWindow(ReminderWindowSet& set, const EventRecord& event, Mode mode,
                   PreviewDone previewDone = {});
    ~ReminderWindow() override;

    uint16_t Key() const { return content_.key; }
    const ReminderContent& Content() const { return content_; }
    bool Collapsed() const { return collapsed_; }
    bool TopMost() const { return topMost_; }
    // The size the window opens at, before it is placed.
    QSize OpenSize() const { return openSize_; }

    // Enables the controls as the program's state allows (boxes, dialogs, the editor's event).
    void Refresh();
    // Starts the event's sound, when the reminder sound is on.
    void StartSound();
    // "St&op repetition of sound".
    void StopSoundRepetition();
    // Restores a minimised window and brings it to the foreground.
    void BringToTop();
    // Redraws the caption after the centre-title setting changed.
    void RelayoutTitle();
    // A notice of the store about the window's event.
    void OnStoreChange(const StoreChange& change);
    // "Hide when the time is over": accepts the event as "Accept" does and closes, when its time
    // is over at `now` and nothing holds the window. The result of the store; the window stays
    // open after a failure.
    LibraryResult AcceptIfTimeIsOver(DateTime now);
    // A command of the window's menu (32800, 32816, 32832, or the close command).
    void RunCommand(int id);
    // The custom size: 0 at the minimum size, else height << 16 | width.
    std::optional<uint32_t> CustomSize() const;
    // The set closes the window: its sound stops and it goes at the next turn of the loop.
    void Dismiss();

    // The controls, for tests and for the set.
    QPushButton* AcceptButton() const { return accept_; }
    QPushButton* SnoozeButton() const { return snooze_; }
    QPushButton* OpenButton() const { return open_; }
    QPushButton* DeleteButton() const { return remove_; }
    QComboBox* AmountBox() const { return amount_; }
    QCheckBox* BeforeStartBox() const { return beforeStart_; }
    QLineEdit* NameLine() const { return name_; }
    QPlainTextEdit* Notes() const { return notes_; }
    SnoozeLabel* Label() const { return label_; }
    CaptionBar* Caption() const { return caption_; }
    QMenu* Menu() const { return menu_; }
    const SoundPlayer& Player() const { return *player_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // An action of the window's buttons or of the time being over; the window closes at its end
    // when the action or the store's notices asked for it.
    class ActionScope;

    void BuildControls();
    void BuildMenu(const EventRecord& event);
    void ApplyLook(const EventRecord& event);
    // The colours, icon and font of a type (the undefined type's for -1).
    void ApplyTypeLook(int typeIndex);
    void ApplyLayout();
    Qt::Edges EdgesAt(QPoint p) const;

    void AcceptClicked();
    void SnoozeClicked();
    void OpenClicked();
    void DeleteClicked();
    void CaptionButton(int button);
    void SetTopMost(bool on);
    void ToggleCollapsed();
    // Where the focus rests while nothing else has it: the snooze label, which swallows keys, or
    // while collapsed the read-only name line.
    QWidget* KeyCatcher() const;
    void FinishPreview(std::optional<uint32_t> customSize);
    // The store's notices close the window: now, or once the running action ends.
    void RequestClose();

    ReminderWindowSet& set_;
    const ReminderRole role_;
    PreviewDone previewDone_;
    ReminderContent content_;
    std::string typeName_;  // the event's type name, looked up again when the types change
    std::string eventName_; // for the question before a one-time event is deleted
    ReminderColours colours_;
    ReminderMetrics metrics_;
    ReminderLayout base_;
    QSize openSize_;
    std::unique_ptr<SoundPlayer> player_;
    std::optional<SoundRequest> sound_; // what the event plays while the reminder sound is on
    bool soundRepeats_ = false;

    ReminderLifecycle life_;
    bool collapsed_ = false;
    int expandedHeight_ = 0;
    bool topMost_ = false;
    bool shownOnce_ = false;

    CaptionBar* caption_ = nullptr;
    QLineEdit* name_ = nullptr;
    QFrame* nameSeparator_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
    QFrame* snoozeSeparator_ = nullptr;
    SnoozeLabel* label_ = nullptr;
    QComboBox* amount_ = nullptr;
    QCheckBox* beforeStart_ = nullptr;
    QPushButton* snooze_ = nullptr;
    QPushButton* accept_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* remove_ = nullptr;
    QMenu* menu_ = nullptr;
    QAction* stopSound_ = nullptr;
    QAction* collapse_ = nullptr;
    QAction* onTop_ = nullptr;
};

} // namespace zm
