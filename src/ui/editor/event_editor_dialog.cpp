#include "ui/editor/event_editor_dialog.h"

#include "edit/type_defaults.h"
#include "model/describe.h"
#include "model/edit_rules.h"
#include "model/pattern_confirm.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "sound/sound_description.h"
#include "sound/sound_setting.h"
#include "ui/calendar/date_field.h"
#include "ui/common/clicking_buttons.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/ui_text.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"
#include "ui/editor/amount_box.h"
#include "ui/editor/qt_dates.h"
#include "ui/editor/recurrence_editor.h"
#include "ui/editor/time_field.h"
#include "ui/editor/type_menu.h"
#include "ui/reminder/reminder_window_set.h"
#include "ui/sound/reminder_sound_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

namespace zm {
namespace {

constexpr int kMaxName = 127;
constexpr int kMaxNotes = 2047;

QLabel* GroupCaption(int id, QWidget* parent) {
    auto* caption = new QLabel(Text(id), parent);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    return caption;
}

SoundSetting TypeSoundOf(const TypeList& types, int index) {
    return {types.TypeSound(index), types.TypeSoundPause(index), types.TypeSoundFile(index)};
}

} // namespace

EventEditorDialog::EventEditorDialog(WindowContext& context, UserBoxes& boxes,
                                     const EditorRequest& request, QWidget* parent)
    : QDialog(parent), context_(context), boxes_(boxes), request_(request), record_(request.event) {
    setObjectName(QStringLiteral("eventEditor"));
    InstallClickingButtons(); // the fields act on clicks
    if (record_.key != 0) loaded_ = std::make_unique<EventRecord>(record_);
    Build();
    Fill();
    // Only now: filling the fields is no change of the user's.
    connect(name_, &QLineEdit::textEdited, this, &EventEditorDialog::UserChanged);
    connect(notes_, &QPlainTextEdit::textChanged, this, [this] {
        if (notes_->toPlainText().size() > kMaxNotes) {
            const QSignalBlocker hold(notes_);
            notes_->setPlainText(notes_->toPlainText().left(kMaxNotes));
            notes_->moveCursor(QTextCursor::End);
        }
        UserChanged();
    });
    connect(date_, &QDateEdit::dateChanged, this, &EventEditorDialog::UserChanged);
    connect(time_, &TimeField::userEdited, this, &EventEditorDialog::UserChanged);
    connect(time_, &TimeField::dateMoved, this,
            [this](const QDate& date) { date_->setDate(date); });
    connect(remind_, &AmountBox::userEdited, this, &EventEditorDialog::UserChanged);
    connect(duration_, &AmountBox::userEdited, this, &EventEditorDialog::UserChanged);
    connect(skipWhenOver_, &QCheckBox::clicked, this, &EventEditorDialog::UserChanged);
}

EventEditorDialog::~EventEditorDialog() = default;

void EventEditorDialog::Build() {
    auto* layout = new QVBoxLayout(this);
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 62);

    layout->addWidget(GroupCaption(IDS_EDIT_GROUP_EVENT, this));
    auto* event = new QGridLayout;
    layout->addLayout(event);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("name"));
    name_->setAccessibleName(Text(IDS_COLUMN_NAME));
    name_->setMaxLength(kMaxName);
    typeButton_ = new QToolButton(this);
    typeButton_->setObjectName(QStringLiteral("typeButton"));
    typeButton_->setText(QStringLiteral("<>"));
    typeButton_->setAccessibleName(Text(IDS_COLUMN_TYPE));
    typeButton_->setToolTip(PlainText(IDS_MENU_CHANGE_TYPE));
    event->addWidget(name_, 0, 0, 1, 4);
    event->addWidget(typeButton_, 0, 4);
    auto* notesLabel = new QLabel(Text(IDS_EDIT_NOTES), this);
    notes_ = new QPlainTextEdit(this);
    notes_->setObjectName(QStringLiteral("notes"));
    notes_->setAccessibleName(WithoutMnemonic(Text(IDS_EDIT_NOTES)));
    notes_->setTabChangesFocus(true);
    notes_->setFixedHeight(notes_->fontMetrics().lineSpacing() * 4 + 12);
    notesLabel->setBuddy(notes_);
    event->addWidget(notesLabel, 1, 0, 1, 5);
    event->addWidget(notes_, 2, 0, 1, 5);

    date_ = new DateField(context_, this);
    date_->setObjectName(QStringLiteral("date"));
    date_->setAccessibleName(Text(IDS_IE_FIELD_DATE));
    time_ = new TimeField(
        context_, context_.options.newTimePicker, [&store = context_.store] { return store.Now(); },
        this);
    time_->setObjectName(QStringLiteral("time"));
    whenProgramStarts_ = new QCheckBox(Text(IDS_EDIT_WHEN_PROGRAM_STARTS), this);
    whenProgramStarts_->hide(); // part of the form, without a use here
    auto* when = new QHBoxLayout;
    when->addWidget(date_);
    when->addWidget(time_);
    when->addStretch();
    event->addLayout(when, 3, 0, 1, 5);

    remind_ = new AmountBox(true, this);
    remind_->setObjectName(QStringLiteral("remind"));
    remind_->setAccessibleName(WithoutMnemonic(Text(IDS_EDIT_REMIND)));
    auto* remindLabel = new QLabel(Text(IDS_EDIT_REMIND), this);
    remindLabel->setBuddy(remind_);
    duration_ = new AmountBox(false, this);
    duration_->setObjectName(QStringLiteral("duration"));
    duration_->setAccessibleName(WithoutMnemonic(Text(IDS_EDIT_DURATION)));
    auto* durationLabel = new QLabel(Text(IDS_EDIT_DURATION), this);
    durationLabel->setBuddy(duration_);
    event->addWidget(remindLabel, 4, 0);
    event->addWidget(remind_, 4, 1);
    event->addWidget(new QLabel(Text(IDS_BEFORE_START), this), 4, 2);
    event->addWidget(durationLabel, 5, 0);
    event->addWidget(duration_, 5, 1);
    skipWhenOver_ = new QCheckBox(Text(IDS_EDIT_SKIP_WHEN_OVER), this);
    skipWhenOver_->setObjectName(QStringLiteral("skipWhenOver"));
    event->addWidget(skipWhenOver_, 6, 0, 1, 5);
    event->setColumnStretch(3, 1);

    layout->addWidget(GroupCaption(IDS_EDIT_GROUP_RECURRENCE, this));
    auto* recurrence = new QHBoxLayout;
    layout->addLayout(recurrence);
    recurrenceText_ = new QLineEdit(this);
    recurrenceText_->setObjectName(QStringLiteral("recurrenceText"));
    recurrenceText_->setAccessibleName(Text(IDS_EDIT_GROUP_RECURRENCE));
    recurrenceText_->setReadOnly(true);
    schedule_ = new QPushButton(Text(IDS_EDIT_SCHEDULE), this);
    schedule_->setObjectName(QStringLiteral("schedule"));
    recurrence->addWidget(recurrenceText_, 1);
    recurrence->addWidget(schedule_);

    layout->addWidget(GroupCaption(IDS_EDIT_GROUP_SOUND, this));
    auto* sound = new QHBoxLayout;
    layout->addLayout(sound);
    soundText_ = new QLineEdit(this);
    soundText_->setObjectName(QStringLiteral("soundText"));
    soundText_->setAccessibleName(Text(IDS_EDIT_GROUP_SOUND));
    soundText_->setReadOnly(true);
    setSound_ = new QPushButton(Text(IDS_EDIT_SET_SOUND), this);
    setSound_->setObjectName(QStringLiteral("setSound"));
    sound->addWidget(soundText_, 1);
    sound->addWidget(setSound_);

    auto* states = new QHBoxLayout;
    layout->addLayout(states);
    disabled_ = new QCheckBox(Text(IDS_EDIT_DISABLED), this);
    disabled_->setObjectName(QStringLiteral("disabled"));
    accepted_ = new QCheckBox(Text(IDS_EDIT_ACCEPTED), this);
    accepted_->setObjectName(QStringLiteral("accepted"));
    states->addWidget(disabled_);
    states->addWidget(accepted_);
    states->addStretch();

    QDialogButtonBox* buttons = OkCancelButtons(*this, IDS_EDIT_OK);
    preview_ = buttons->addButton(Text(IDS_EDIT_PREVIEW), QDialogButtonBox::ActionRole);
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setEnabled(context_.reminders != nullptr);
    layout->addWidget(buttons);

    connect(preview_, &QPushButton::clicked, this, &EventEditorDialog::Preview);
    connect(typeButton_, &QToolButton::clicked, this, &EventEditorDialog::OpenTypeMenu);
    connect(schedule_, &QPushButton::clicked, this, &EventEditorDialog::Schedule);
    connect(setSound_, &QPushButton::clicked, this, &EventEditorDialog::SetSound);
}

void EventEditorDialog::Fill() {
    ShowTypeLook();
    name_->setText(QString::fromStdString(record_.name).left(kMaxName));
    notes_->setPlainText(QString::fromStdString(record_.notes).left(kMaxNotes));
    ShowTiming();
    ShowAcceptedBox();
    disabled_->setChecked(record_.Has(kDisabled));
    skipWhenOver_->setChecked(record_.Has(kSkipWhenOver));
    remind_->SetAmount(record_.advance);
    duration_->SetAmount(record_.duration);
    ShowSound();
    if (request_.topMost) setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (context_.rightToLeft) setLayoutDirection(Qt::RightToLeft);
}

void EventEditorDialog::ShowTypeLook() {
    const int caption = IsNew() ? IDS_EDIT_NEW_CAPTION : IDS_EDIT_MODIFY_CAPTION;
    setWindowTitle(QString::fromStdString(FormatText(caption, {record_.typeName})));
    setWindowIcon(TypeIcon(context_.types, record_.typeIndex));
}

void EventEditorDialog::ShowTiming() {
    {
        const QSignalBlocker hold(date_);
        date_->setDate(ToQDate(record_.start));
    }
    time_->SetTime(record_.start);
    const bool editable = !record_.IsRecurring();
    date_->setEnabled(editable);
    time_->setEnabled(editable);
    recurrenceText_->setText(QString::fromStdString(DescribePattern(record_, context_.names)));
    recurrenceText_->setCursorPosition(0);
}

void EventEditorDialog::ShowSound() {
    const SoundSetting typeSound = TypeSoundOf(context_.types, record_.typeIndex);
    if (record_.Has(kCustomSound)) {
        const SoundSetting own = ReminderSoundOf(record_, typeSound);
        soundText_->setText(
            QString::fromStdString(SoundDescription(own.sound, own.pause, own.file)));
        return;
    }
    const std::string text = SoundDescription(typeSound.sound, typeSound.pause, typeSound.file);
    soundText_->setText(QString::fromStdString(FormatText(IDS_EDIT_TYPE_SOUND, {text})));
    soundText_->setCursorPosition(0);
}

void EventEditorDialog::ShowAcceptedBox() {
    accepted_->setVisible(!IsNew() && !record_.IsRecurring());
    accepted_->setChecked(record_.Has(kAccepted));
}

void EventEditorDialog::UserChanged() {
    if (accepted_->isHidden() || !accepted_->isChecked()) return;
    accepted_->setChecked(false);
    boxes_.Beep();
}

void EventEditorDialog::OpenTypeMenu() {
    // The choice is carried out on what the menu gives back, once it is gone.
    int entry = -1;
    {
        const std::unique_ptr<QMenu> menu(
            BuildTypeMenu(context_.types, static_cast<bool>(request_.customizeTypes), this));
        typeButton_->setDown(true);
        const QPoint below(typeButton_->width() - menu->sizeHint().width(), typeButton_->height());
        const QAction* chosen = menu->exec(typeButton_->mapToGlobal(below));
        typeButton_->setDown(false);
        if (chosen) entry = chosen->data().toInt();
    }
    name_->setFocus();
    if (entry == kCustomizeTypesEntry)
        Customize();
    else if (entry >= 0)
        ChooseType(entry);
}

void EventEditorDialog::ChooseType(int index) {
    const EventType* type = context_.types.TypeAt(index);
    if (type == nullptr) return;
    if (IsNew()) {
        // The type's settings go onto the date and time the fields show now.
        const DateTime day = FromQDate(date_->date());
        const std::optional<int> seconds = time_->ShownSecondsOfDay();
        if (day.IsValid())
            record_.start = seconds ? day + DateTimeSpan::Minutes(*seconds / 60)
                                    : day.WithTimeOf(record_.start);
        ApplyTypeDefaults(record_, index, type);
        ShowTiming();
        skipWhenOver_->setChecked(record_.Has(kSkipWhenOver));
        remind_->SetAmount(record_.advance);
        duration_->SetAmount(record_.duration);
    } else {
        record_.SetTypeIndex(index);
        record_.typeName = type->name;
    }
    ShowTypeLook();
    ShowSound();
    UserChanged();
}

void EventEditorDialog::Customize() {
    if (!request_.customizeTypes) return;
    // The editor stays the program dialog; the types page opens over it.
    request_.customizeTypes(this);
    record_.SetTypeIndex(context_.types.FindType(record_.typeName));
    ShowTypeLook();
    ShowSound();
}

void EventEditorDialog::Refuse(int message, QWidget* focus) {
    boxes_.Tell(this, Text(message), BoxIcon::Warning);
    if (focus) focus->setFocus();
}

bool EventEditorDialog::ReadTiming(EventRecord& e, bool checkPeriod) {
    // A typed "+amount" may move the date first.
    const std::optional<int> seconds = time_->SecondsOfDay();
    const DateTime day = FromQDate(date_->date());
    if (!day.IsValid()) {
        Refuse(IDS_DATE_NOT_VALID, date_);
        return false;
    }
    if (!seconds) {
        Refuse(IDS_TIME_NOT_VALID, time_->Editor());
        return false;
    }
    const AmountChoiceResult duration = duration_->Read();
    if (duration.code != kAmountOk) {
        Refuse(duration.code == kAmountTooLarge ? IDS_DURATION_TOO_LARGE : IDS_DURATION_NOT_VALID,
               duration_);
        return false;
    }
    e.duration = duration.amount;
    if (checkPeriod) {
        const Verdict period = CheckRecurringDuration(e);
        if (!period.Ok()) {
            Refuse(period.message, duration_);
            return false;
        }
    }
    const DateTime start = day + DateTimeSpan::Minutes(*seconds / 60);
    // A start with seconds (from an imported file) that the fields still show keeps them: an
    // edit of the name alone is no change of the timing.
    if (start != e.start - DateTimeSpan::Seconds(e.start.Second())) e.start = start;
    return true;
}

void EventEditorDialog::Schedule() {
    EventRecord e = record_;
    if (!ReadTiming(e, false)) return;
    e.SetFlag(kSkipWhenOver, skipWhenOver_->isChecked());
    RecurrenceEditor editor(context_, boxes_, e, this);
    if (editor.exec() != QDialog::Accepted) return;
    record_ = editor.Record();
    ShowTiming();
    duration_->SetAmount(record_.duration);
    ShowAcceptedBox();
    skipWhenOver_->setChecked(record_.Has(kSkipWhenOver));
    UserChanged();
}

void EventEditorDialog::SetSound() {
    ReminderSoundDialog dialog(record_, TypeSoundOf(context_.types, record_.typeIndex),
                               context_.sound, context_.settings, this);
    if (dialog.exec() != QDialog::Accepted) return;
    ShowSound();
    UserChanged();
}

void EventEditorDialog::Preview() {
    if (context_.reminders == nullptr) return;
    record_.name = name_->text().toStdString();
    record_.notes = notes_->toPlainText().toStdString();
    QPointer<EventEditorDialog> self(this);
    // Over the editor, usable while it is up, and closed with it.
    context_.reminders->ShowSizePreview(
        record_,
        [self](std::optional<uint32_t> size) {
            if (!self || !size) return;
            self->record_.windowSize = *size;
            self->record_.SetFlag(kHasWindowSize, *size != 0);
        },
        this);
}

void EventEditorDialog::accept() {
    EventRecord e = record_;
    if (!ReadTiming(e, true)) return;
    const AmountChoiceResult advance = remind_->Read();
    if (advance.code != kAmountOk) {
        Refuse(advance.code == kAmountTooLarge ? IDS_DURATION_TOO_LARGE : IDS_DURATION_NOT_VALID,
               remind_);
        return;
    }
    e.advance = advance.amount;
    e.name = name_->text().toStdString();
    e.notes = notes_->toPlainText().toStdString();
    e.SetFlag(kSkipWhenOver, skipWhenOver_->isChecked());
    e.SetFlag(kDisabled, disabled_->isChecked());
    if (!accepted_->isHidden()) e.SetFlag(kAccepted, accepted_->isChecked());

    const DateTime now = context_.store.Now();
    const WeekSettings& week = context_.store.Week();
    Verdict verdict = ApplySavingRule(e, loaded_.get(), now, DateTime(), week);
    if (verdict.kind == Verdict::Kind::Ask) {
        const bool yes = boxes_.AskYesNo(this, Text(verdict.message), BoxIcon::Warning);
        verdict = ApplySavingRule(e, loaded_.get(), now, DateTime(), week,
                                  yes ? AcceptAnswer::Yes : AcceptAnswer::No);
    }
    if (!verdict.Ok()) {
        if (verdict.message != 0) boxes_.Tell(this, Text(verdict.message), BoxIcon::Warning);
        remind_->setFocus();
        return;
    }

    const LibraryResult result =
        IsNew() ? context_.store.StoreNew(e) : context_.store.StoreChanged(e);
    if (result == LibraryResult::Ok) {
        stored_ = true;
        record_ = e;
    } else {
        boxes_.ReportLibraryError(this, result);
    }
    QDialog::accept();
}

} // namespace zm
