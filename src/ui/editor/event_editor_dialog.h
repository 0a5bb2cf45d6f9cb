#pragma once
// The event editor: name, notes, type, start, advance notice, duration and the options of an
// event, its recurrence (through the recurrence editor) and its sound, checked and stored on OK.

#include "model/event_record.h"
#include "model/verdict.h"
#include "ui/editor/event_editor.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace zm {

class AmountBox;
class DateField;
class TimeField;

class EventEditorDialog final : public QDialog {
    Q_OBJECT
public:
    EventEditorDialog(WindowContext& context, UserBoxes& boxes, const EditorRequest& request,
                      QWidget* parent = nullptr);
    ~EventEditorDialog() override;

    // After the dialog closed: whether the store took the event, and the event as stored.
    bool Stored() const { return stored_; }
    const EventRecord& Record() const { return record_; }

    // The type menu's entry for type `index`.
    void ChooseType(int index);
    // "Sched&ule...": the recurrence editor, modal.
    void Schedule();
    // "Set soun&d...": the sound dialog, modal.
    void SetSound();
    // "Pre&view": the reminder window's size preview (not modal).
    void Preview();
    // OK: the checks in order, then the store; the dialog stays open after a refusal.
    void accept() override;

private:
    void Build();
    void Fill();
    void ShowTypeLook();
    void ShowTiming();
    void ShowSound();
    void ShowAcceptedBox();
    void OpenTypeMenu();
    void Customize();
    // A field changed by the user: an accepted event is accepted no more (with a beep).
    void UserChanged();
    // Date, time and duration into `e` (steps 1 to 4 of OK); false after a refusal.
    bool ReadTiming(EventRecord& e, bool checkPeriod);
    void Refuse(int message, QWidget* focus);
    bool IsNew() const { return record_.key == 0; }

    WindowContext& context_;
    UserBoxes& boxes_;
    EditorRequest request_;
    EventRecord record_;
    // The event as it was loaded, for the saving rule; none for a new event.
    std::unique_ptr<EventRecord> loaded_;
    bool stored_ = false;

    QLineEdit* name_;
    QPlainTextEdit* notes_;
    QToolButton* typeButton_;
    DateField* date_;
    TimeField* time_;
    QCheckBox* whenProgramStarts_;
    AmountBox* remind_;
    AmountBox* duration_;
    QCheckBox* skipWhenOver_;
    QLineEdit* recurrenceText_;
    QPushButton* schedule_;
    QLineEdit* soundText_;
    QPushButton* setSound_;
    QCheckBox* disabled_;
    QCheckBox* accepted_;
    QPushButton* preview_;
};

} // namespace zm
