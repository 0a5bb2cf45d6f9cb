#pragma once
// The recurrence editor: the start, duration and "time is over" option of an event with its
// pattern and range, on a copy of the event. It lists the next occurrences of the pattern as
// the user shapes it.

#include "edit/recurrence_panels.h"
#include "model/event_record.h"
#include "model/verdict.h"

#include <QDialog>

class QCheckBox;
class QDate;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace zm {

struct WindowContext;
class AmountBox;
class DateField;
class RecurrencePanelWidgets;
class TimeField;
class UserBoxes;

class RecurrenceEditor final : public QDialog {
    Q_OBJECT
public:
    RecurrenceEditor(WindowContext& context, UserBoxes& boxes, const EventRecord& event,
                     QWidget* parent = nullptr);
    ~RecurrenceEditor() override;

    // The event as confirmed (after OK or "&Remove recurrence").
    const EventRecord& Record() const { return record_; }

    // OK: the pattern is confirmed, or the dialog stays open with the offending field focused.
    void accept() override;
    // "&Remove recurrence": the event becomes one-time at the start entered, and the dialog
    // closes as confirmed.
    void RemoveRecurrence();
    // Fills the list of the next occurrences from the fields.
    void ShowUpcoming();
    // The start moved to another day: the pattern fields follow it (see FollowStart), so that
    // OK keeps the day the user chose; then the list is filled again.
    void FollowStartDay(const QDate& date);

private:
    struct Timing {
        DateTime start;
        TimeAmount duration;
    };
    // Start and duration from their fields; none after a refusal (told, field focused).
    std::optional<Timing> ReadTiming();
    RecurrencePanels FieldValues(DateTime start) const;
    void Refuse(int message, QWidget* focus);
    QWidget* FieldOf(EditField field) const;

    WindowContext& context_;
    UserBoxes& boxes_;
    EventRecord record_;
    DateField* start_;
    TimeField* time_;
    AmountBox* duration_;
    QCheckBox* skipWhenOver_;
    RecurrencePanelWidgets* panels_;
    QCheckBox* age_;
    QRadioButton* noEnd_;
    QRadioButton* endsOn_;
    DateField* end_;
    QListWidget* upcoming_;
    QPushButton* remove_;
    DateTime shownDay_; // the start's day the pattern fields were last made for
};

} // namespace zm
