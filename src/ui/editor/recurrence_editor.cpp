#include "ui/editor/recurrence_editor.h"

#include "edit/upcoming_occurrences.h"
#include "model/pattern_confirm.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "ui/calendar/date_field.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/ui_text.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"
#include "ui/editor/amount_box.h"
#include "ui/editor/qt_dates.h"
#include "ui/editor/recurrence_panel_widgets.h"
#include "ui/editor/time_field.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace zm {
namespace {

constexpr int kUpcomingCount = 5;

} // namespace

RecurrenceEditor::RecurrenceEditor(WindowContext& context, UserBoxes& boxes,
                                   const EventRecord& event, QWidget* parent)
    : QDialog(parent), context_(context), boxes_(boxes), record_(event) {
    setObjectName(QStringLiteral("recurrenceEditor"));
    setWindowTitle(Text(IDS_RECUR_CAPTION) + QString::fromStdString(event.typeName));
    if (context.rightToLeft) setLayoutDirection(Qt::RightToLeft);
    auto* layout = new QVBoxLayout(this);

    // Start, duration and the "time is over" option.
    auto* timing = new QGridLayout;
    layout->addLayout(timing);
    start_ = new DateField(context, this);
    start_->setObjectName(QStringLiteral("start"));
    start_->setAccessibleName(WithoutMnemonic(Text(IDS_RECUR_START)));
    time_ = new TimeField(
        context, context.options.newTimePicker, [&store = context.store] { return store.Now(); },
        this);
    time_->setObjectName(QStringLiteral("time"));
    auto* startLabel = new QLabel(Text(IDS_RECUR_START), this);
    startLabel->setBuddy(start_);
    timing->addWidget(startLabel, 0, 0);
    timing->addWidget(start_, 0, 1);
    timing->addWidget(time_, 0, 2);
    duration_ = new AmountBox(false, this);
    duration_->setObjectName(QStringLiteral("duration"));
    duration_->setAccessibleName(WithoutMnemonic(Text(IDS_RECUR_DURATION)));
    auto* durationLabel = new QLabel(Text(IDS_RECUR_DURATION), this);
    durationLabel->setBuddy(duration_);
    timing->addWidget(durationLabel, 1, 0);
    timing->addWidget(duration_, 1, 1, 1, 2);
    skipWhenOver_ = new QCheckBox(Text(IDS_EDIT_SKIP_WHEN_OVER), this);
    skipWhenOver_->setObjectName(QStringLiteral("skipWhenOver"));
    timing->addWidget(skipWhenOver_, 2, 0, 1, 3);
    timing->setColumnStretch(3, 1);

    // The pattern.
    auto* patternFrame = new QFrame(this);
    patternFrame->setFrameShape(QFrame::StyledPanel);
    auto* patternLayout = new QVBoxLayout(patternFrame);
    panels_ = new RecurrencePanelWidgets(this, patternLayout, context.names,
                                         context.options.firstDayOfWeek);
    layout->addWidget(patternFrame);
    age_ = new QCheckBox(Text(IDS_RECUR_AGE), this);
    age_->setObjectName(QStringLiteral("age"));
    layout->addWidget(age_);

    // The range.
    auto* range = new QHBoxLayout;
    layout->addLayout(range);
    noEnd_ = new QRadioButton(Text(IDS_RECUR_NO_END), this);
    noEnd_->setObjectName(QStringLiteral("noEnd"));
    endsOn_ = new QRadioButton(Text(IDS_RECUR_ENDS_ON), this);
    endsOn_->setObjectName(QStringLiteral("endsOn"));
    end_ = new DateField(context, this);
    end_->setObjectName(QStringLiteral("end"));
    end_->setAccessibleName(Text(IDS_RECUR_ENDS_ON));
    auto* rangeGroup = new QButtonGroup(this);
    rangeGroup->addButton(noEnd_);
    rangeGroup->addButton(endsOn_);
    range->addWidget(noEnd_);
    range->addWidget(endsOn_);
    range->addWidget(end_);
    range->addStretch();

    // The next occurrences.
    layout->addWidget(new QLabel(Text(IDS_RECUR_NEXT_HEADING), this));
    upcoming_ = new QListWidget(this);
    upcoming_->setObjectName(QStringLiteral("upcoming"));
    upcoming_->setAccessibleName(Text(IDS_RECUR_NEXT_HEADING));
    upcoming_->setFocusPolicy(Qt::NoFocus);
    upcoming_->setSelectionMode(QAbstractItemView::NoSelection);
    upcoming_->setFixedHeight(upcoming_->fontMetrics().height() * (kUpcomingCount + 1) + 8);
    layout->addWidget(upcoming_);

    QDialogButtonBox* buttons = OkCancelButtons(*this);
    remove_ = buttons->addButton(Text(IDS_RECUR_REMOVE), QDialogButtonBox::ActionRole);
    remove_->setObjectName(QStringLiteral("remove"));
    layout->addWidget(buttons);
    connect(remove_, &QPushButton::clicked, this, &RecurrenceEditor::RemoveRecurrence);

    // Filling.
    const RecurrencePanels panels = PanelsOf(event);
    start_->setDate(ToQDate(event.start));
    time_->SetTime(event.start);
    duration_->SetAmount(event.duration);
    skipWhenOver_->setChecked(event.Has(kSkipWhenOver));
    panels_->Show(panels);
    age_->setChecked(panels.age);
    (panels.endsOn ? endsOn_ : noEnd_)->setChecked(true);
    end_->setDate(ToQDate(panels.end));
    end_->setEnabled(panels.endsOn);
    remove_->setEnabled(event.IsRecurring());
    shownDay_ = event.start.Date();

    // The list follows every change of the fields.
    connect(panels_, &RecurrencePanelWidgets::changed, this, &RecurrenceEditor::ShowUpcoming);
    connect(start_, &QDateEdit::dateChanged, this, &RecurrenceEditor::FollowStartDay);
    connect(time_, &TimeField::userEdited, this, &RecurrenceEditor::ShowUpcoming);
    connect(time_, &TimeField::dateMoved, this,
            [this](const QDate& date) { start_->setDate(date); });
    connect(end_, &QDateEdit::dateChanged, this, &RecurrenceEditor::ShowUpcoming);
    connect(endsOn_, &QRadioButton::toggled, this, [this](bool on) {
        end_->setEnabled(on);
        ShowUpcoming();
    });
    ShowUpcoming();
}

RecurrenceEditor::~RecurrenceEditor() = default;

RecurrencePanels RecurrenceEditor::FieldValues(DateTime start) const {
    RecurrencePanels base;
    base.start = start;
    base.age = age_->isChecked();
    base.endsOn = endsOn_->isChecked();
    base.end = FromQDate(end_->date());
    base.skipWhenOver = skipWhenOver_->isChecked();
    return panels_->Read(base);
}

void RecurrenceEditor::FollowStartDay(const QDate& date) {
    const DateTime day = FromQDate(date);
    if (day.IsValid() && day != shownDay_) {
        const RecurrencePanels moved = FollowStart(FieldValues(shownDay_), shownDay_, day);
        panels_->Show(moved);
        if (!endsOn_->isChecked()) {
            const QSignalBlocker hold(end_);
            end_->setDate(ToQDate(moved.end));
        }
        shownDay_ = day;
    }
    ShowUpcoming();
}

void RecurrenceEditor::ShowUpcoming() {
    upcoming_->clear();
    const DateTime day = FromQDate(start_->date());
    const std::optional<int> seconds = time_->ShownSecondsOfDay();
    const DateTime start =
        day + DateTimeSpan::Seconds(seconds.value_or(record_.start.SecondsOfDay()));
    const PatternConfirmation done = ConfirmPattern(ChoiceOf(FieldValues(start)));
    if (!day.IsValid() || !done.verdict.Ok()) {
        upcoming_->addItem(Text(IDS_RECUR_NEXT_NONE));
        return;
    }
    EventRecord sample = record_;
    ApplyPattern(sample, done);
    for (const UpcomingOccurrence& next :
         UpcomingOccurrences(sample, context_.store.Now(), kUpcomingCount)) {
        upcoming_->addItem(QString::fromStdString(FormatText(
            IDS_RECUR_NEXT_ENTRY, {context_.formats.FormatDayDateTime(next.occurrence, false),
                                   context_.formats.FormatDayDateTime(next.reminder, false)})));
    }
}

void RecurrenceEditor::Refuse(int message, QWidget* focus) {
    boxes_.Tell(this, Text(message), BoxIcon::Warning);
    if (focus) focus->setFocus();
}

QWidget* RecurrenceEditor::FieldOf(EditField field) const {
    switch (field) {
    case EditField::Start:
        return start_;
    case EditField::Duration:
        return duration_;
    case EditField::EndDate:
        return end_;
    default:
        return panels_->FieldOf(field);
    }
}

std::optional<RecurrenceEditor::Timing> RecurrenceEditor::ReadTiming() {
    const DateTime day = FromQDate(start_->date());
    if (!day.IsValid()) {
        Refuse(IDS_DATE_NOT_VALID, start_);
        return std::nullopt;
    }
    const std::optional<int> seconds = time_->SecondsOfDay();
    if (!seconds) {
        Refuse(IDS_TIME_NOT_VALID, time_->Editor());
        return std::nullopt;
    }
    const AmountChoiceResult duration = duration_->Read();
    if (duration.code != kAmountOk) {
        Refuse(duration.code == kAmountTooLarge ? IDS_DURATION_TOO_LARGE : IDS_DURATION_NOT_VALID,
               duration_);
        return std::nullopt;
    }
    // Whole minutes: the seconds of a typed time are dropped.
    return Timing{day + DateTimeSpan::Minutes(*seconds / 60), duration.amount};
}

void RecurrenceEditor::accept() {
    const std::optional<Timing> timing = ReadTiming();
    if (!timing) return;
    const PatternChoice choice = ChoiceOf(FieldValues(timing->start));
    if (NeedsShortMonthWarning(choice) &&
        !boxes_.AskYesNo(
            this, QString::fromStdString(FormatText(IDS_DAY_BEYOND_SHORT_MONTHS, {choice.day})),
            BoxIcon::Warning))
        return;
    const PatternConfirmation done = ConfirmPattern(choice);
    if (!done.verdict.Ok()) {
        Refuse(done.verdict.message, FieldOf(done.verdict.focus));
        return;
    }
    EventRecord confirmed = record_;
    confirmed.duration = timing->duration;
    ApplyPattern(confirmed, done);
    const Verdict period = CheckRecurringDuration(confirmed);
    if (!period.Ok()) {
        Refuse(period.message, duration_);
        return;
    }
    record_ = confirmed;
    QDialog::accept();
}

void RecurrenceEditor::RemoveRecurrence() {
    // The pattern goes; the panel is not read again, so nothing rebuilds it.
    const std::optional<Timing> timing = ReadTiming();
    if (!timing) return;
    record_.start = timing->start;
    record_.duration = timing->duration;
    record_.SetPattern(0, 0);
    record_.SetFlag(kAge, false);
    record_.SetFlag(kSkipWhenOver, skipWhenOver_->isChecked());
    QDialog::accept();
}

} // namespace zm
