#include "ui/editor/recurrence_panel_widgets.h"

#include "platform/locale_names.h"
#include "res/strings.h"
#include "ui/common/clicking_buttons.h"
#include "ui/common/ui_text.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>

namespace zm {
namespace {

QLabel* Label(int id, QWidget* parent, QWidget* buddy = nullptr) {
    auto* label = new QLabel(Text(id), parent);
    if (buddy) label->setBuddy(buddy);
    return label;
}

QHBoxLayout* Row(QBoxLayout* into) {
    auto* row = new QHBoxLayout;
    into->addLayout(row);
    return row;
}

int64_t NumberIn(const QLineEdit* field) {
    bool ok = false;
    const int64_t n = field->text().trimmed().toLongLong(&ok);
    return ok ? n : 0;
}

QString Number(int64_t n) {
    return QString::number(n);
}

} // namespace

QLineEdit* RecurrencePanelWidgets::NumberField(QWidget* parent, const char* name, int digits) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setAccessibleName(QString::fromLatin1(name));
    field->setMaxLength(digits);
    field->setValidator(new QIntValidator(0, digits == 3 ? 999 : 99, field));
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QString(digits + 2, '0')) + 12);
    connect(field, &QLineEdit::textEdited, this, &RecurrencePanelWidgets::changed);
    return field;
}

QComboBox* RecurrencePanelWidgets::ListField(QWidget* parent, const char* name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(QString::fromLatin1(name));
    connect(list, &QComboBox::activated, this, &RecurrencePanelWidgets::changed);
    return list;
}

RecurrencePanelWidgets::RecurrencePanelWidgets(QWidget* owner, QBoxLayout* layout,
                                               const LocaleNames& names, int firstDayOfWeek)
    : QObject(owner), firstDayOfWeek_(firstDayOfWeek) {
    InstallClickingButtons(); // the fields act on clicks
    auto* body = new QHBoxLayout;
    layout->addLayout(body);
    auto* kindColumn = new QVBoxLayout;
    body->addLayout(kindColumn);
    kinds_ = new QButtonGroup(this);
    const int kindTexts[] = {IDS_RECUR_DAILY, IDS_RECUR_WEEKLY, IDS_RECUR_MONTHLY,
                             IDS_RECUR_YEARLY};
    const char* kindNames[] = {"daily", "weekly", "monthly", "yearly"};
    for (int k = 0; k < 4; ++k) {
        kindButtons_[k] = new QRadioButton(Text(kindTexts[k]), owner);
        kindButtons_[k]->setObjectName(QString::fromLatin1(kindNames[k]));
        kinds_->addButton(kindButtons_[k], k);
        kindColumn->addWidget(kindButtons_[k]);
    }
    kindColumn->addStretch();
    stack_ = new QStackedWidget(owner);
    body->addWidget(stack_, 1);

    QStringList weekdayNames; // Monday ... Sunday
    for (int p = 0; p < 7; ++p)
        weekdayNames << QString::fromStdString(names.LongDayName(p == 6 ? 1 : p + 2));
    QStringList monthNames;
    for (int m = 1; m <= 12; ++m)
        monthNames << QString::fromStdString(names.LongMonthName(m));
    QStringList ordinals;
    for (int id = IDS_ORD_FIRST; id <= IDS_ORD_LAST; ++id)
        ordinals << Text(id);

    // Daily.
    auto* daily = new QWidget(stack_);
    auto* dailyLayout = new QVBoxLayout(daily);
    dailyN_ = NumberField(daily, "dailyInterval", 3);
    auto* row = Row(dailyLayout);
    row->addWidget(Label(IDS_RECUR_EVERY, daily, dailyN_));
    row->addWidget(dailyN_);
    row->addWidget(Label(IDS_RECUR_DAYS, daily));
    row->addStretch();
    dailyLayout->addStretch();
    stack_->addWidget(daily);

    // Weekly.
    auto* weekly = new QWidget(stack_);
    auto* weeklyLayout = new QVBoxLayout(weekly);
    weeklyN_ = NumberField(weekly, "weeklyInterval", 2);
    row = Row(weeklyLayout);
    row->addWidget(Label(IDS_RECUR_EVERY, weekly, weeklyN_));
    row->addWidget(weeklyN_);
    row->addWidget(Label(IDS_RECUR_WEEKS_ON, weekly));
    row->addStretch();
    auto* boxes = new QGridLayout;
    weeklyLayout->addLayout(boxes);
    for (int box = 0; box < 7; ++box) {
        const int dow = WeekdayOfBox(box, firstDayOfWeek);
        dayBoxes_[box] = new QCheckBox(QString::fromStdString(names.LongDayName(dow)), weekly);
        dayBoxes_[box]->setObjectName(QStringLiteral("weekday%1").arg(box));
        connect(dayBoxes_[box], &QCheckBox::clicked, this, &RecurrencePanelWidgets::changed);
        boxes->addWidget(dayBoxes_[box], box / 4, box % 4);
    }
    weeklyLayout->addStretch();
    stack_->addWidget(weekly);

    // Monthly.
    auto* monthly = new QWidget(stack_);
    auto* monthlyLayout = new QVBoxLayout(monthly);
    auto* monthForms = new QButtonGroup(this);
    monthByDay_ = new QRadioButton(Text(IDS_RECUR_DAY), monthly);
    monthByDay_->setObjectName(QStringLiteral("monthByDay"));
    monthDay_ = NumberField(monthly, "monthDay", 2);
    monthDayN_ = NumberField(monthly, "monthDayInterval", 2);
    row = Row(monthlyLayout);
    row->addWidget(monthByDay_);
    row->addWidget(monthDay_);
    row->addWidget(Label(IDS_RECUR_OF_EVERY, monthly));
    row->addWidget(monthDayN_);
    row->addWidget(Label(IDS_RECUR_MONTHS, monthly));
    row->addStretch();
    monthByWeekday_ = new QRadioButton(Text(IDS_RECUR_THE), monthly);
    monthByWeekday_->setObjectName(QStringLiteral("monthByWeekday"));
    monthOrdinal_ = ListField(monthly, "monthOrdinal");
    monthOrdinal_->addItems(ordinals);
    monthWeekday_ = ListField(monthly, "monthWeekday");
    monthWeekday_->addItems(weekdayNames);
    monthNthN_ = NumberField(monthly, "monthNthInterval", 2);
    row = Row(monthlyLayout);
    row->addWidget(monthByWeekday_);
    row->addWidget(monthOrdinal_);
    row->addWidget(monthWeekday_);
    row->addWidget(Label(IDS_RECUR_OF_EVERY, monthly));
    row->addWidget(monthNthN_);
    row->addWidget(Label(IDS_RECUR_MONTHS, monthly));
    row->addStretch();
    monthForms->addButton(monthByDay_);
    monthForms->addButton(monthByWeekday_);
    monthlyLayout->addStretch();
    stack_->addWidget(monthly);

    // Yearly.
    auto* yearly = new QWidget(stack_);
    auto* yearlyLayout = new QVBoxLayout(yearly);
    auto* yearForms = new QButtonGroup(this);
    yearByDate_ = new QRadioButton(Text(IDS_RECUR_EVERY), yearly);
    yearByDate_->setObjectName(QStringLiteral("yearByDate"));
    yearMonth_ = ListField(yearly, "yearMonth");
    yearMonth_->addItems(monthNames);
    yearDay_ = NumberField(yearly, "yearDay", 2);
    row = Row(yearlyLayout);
    row->addWidget(yearByDate_);
    row->addWidget(yearMonth_);
    row->addWidget(yearDay_);
    row->addStretch();
    yearByWeekday_ = new QRadioButton(Text(IDS_RECUR_THE), yearly);
    yearByWeekday_->setObjectName(QStringLiteral("yearByWeekday"));
    yearOrdinal_ = ListField(yearly, "yearOrdinal");
    yearOrdinal_->addItems(ordinals);
    yearWeekday_ = ListField(yearly, "yearWeekday");
    yearWeekday_->addItems(weekdayNames);
    yearNthMonth_ = ListField(yearly, "yearNthMonth");
    yearNthMonth_->addItems(monthNames);
    row = Row(yearlyLayout);
    row->addWidget(yearByWeekday_);
    row->addWidget(yearOrdinal_);
    row->addWidget(yearWeekday_);
    row->addWidget(Label(IDS_RECUR_OF, yearly));
    row->addWidget(yearNthMonth_);
    row->addStretch();
    yearForms->addButton(yearByDate_);
    yearForms->addButton(yearByWeekday_);
    yearlyLayout->addStretch();
    stack_->addWidget(yearly);

    for (QRadioButton* form : {monthByDay_, monthByWeekday_, yearByDate_, yearByWeekday_})
        connect(form, &QRadioButton::clicked, this, &RecurrencePanelWidgets::changed);
    connect(kinds_, &QButtonGroup::idClicked, this, [this](int kind) {
        ShowKind(kind);
        emit changed();
    });
}

void RecurrencePanelWidgets::ShowKind(int kind) {
    stack_->setCurrentIndex(kind);
}

void RecurrencePanelWidgets::Show(const RecurrencePanels& p) {
    const QSignalBlocker hold(this);
    const int kind = static_cast<int>(p.kind);
    kindButtons_[kind]->setChecked(true);
    ShowKind(kind);
    dailyN_->setText(Number(p.dailyInterval));
    weeklyN_->setText(Number(p.weeklyInterval));
    for (int box = 0; box < 7; ++box)
        dayBoxes_[box]->setChecked(p.weekdays & WeekdayBit(WeekdayOfBox(box, firstDayOfWeek_)));
    (p.monthlyByWeekday ? monthByWeekday_ : monthByDay_)->setChecked(true);
    monthDay_->setText(Number(p.monthDay));
    monthDayN_->setText(Number(p.monthDayInterval));
    monthOrdinal_->setCurrentIndex(p.monthOrdinal);
    monthWeekday_->setCurrentIndex(p.monthWeekday);
    monthNthN_->setText(Number(p.monthNthInterval));
    (p.yearlyByWeekday ? yearByWeekday_ : yearByDate_)->setChecked(true);
    yearMonth_->setCurrentIndex(p.yearMonth - 1);
    yearDay_->setText(Number(p.yearDay));
    yearOrdinal_->setCurrentIndex(p.yearOrdinal);
    yearWeekday_->setCurrentIndex(p.yearWeekday);
    yearNthMonth_->setCurrentIndex(p.yearNthMonth - 1);
}

RecurrencePanels RecurrencePanelWidgets::Read(RecurrencePanels p) const {
    p.kind = static_cast<RecurrenceKind>(kinds_->checkedId() < 0 ? 1 : kinds_->checkedId());
    p.dailyInterval = NumberIn(dailyN_);
    p.weeklyInterval = NumberIn(weeklyN_);
    p.weekdays = 0;
    for (int box = 0; box < 7; ++box)
        if (dayBoxes_[box]->isChecked())
            p.weekdays |= WeekdayBit(WeekdayOfBox(box, firstDayOfWeek_));
    p.monthlyByWeekday = monthByWeekday_->isChecked();
    p.monthDay = static_cast<int>(NumberIn(monthDay_));
    p.monthDayInterval = NumberIn(monthDayN_);
    p.monthOrdinal = monthOrdinal_->currentIndex();
    p.monthWeekday = monthWeekday_->currentIndex();
    p.monthNthInterval = NumberIn(monthNthN_);
    p.yearlyByWeekday = yearByWeekday_->isChecked();
    p.yearMonth = yearMonth_->currentIndex() + 1;
    p.yearDay = static_cast<int>(NumberIn(yearDay_));
    p.yearOrdinal = yearOrdinal_->currentIndex();
    p.yearWeekday = yearWeekday_->currentIndex();
    p.yearNthMonth = yearNthMonth_->currentIndex() + 1;
    return p;
}

QWidget* RecurrencePanelWidgets::FieldOf(EditField field) const {
    const int kind = kinds_->checkedId();
    const bool monthly = kind == static_cast<int>(RecurrenceKind::Monthly);
    switch (field) {
    case EditField::Interval:
        if (kind == static_cast<int>(RecurrenceKind::Daily)) return dailyN_;
        if (kind == static_cast<int>(RecurrenceKind::Weekly)) return weeklyN_;
        return monthByWeekday_->isChecked() ? monthNthN_ : monthDayN_;
    case EditField::Weekdays:
        return dayBoxes_[0];
    case EditField::DayOfMonth:
        return monthly ? monthDay_ : yearDay_;
    case EditField::Ordinal:
        return monthly ? monthOrdinal_ : yearOrdinal_;
    case EditField::Weekday:
        return monthly ? monthWeekday_ : yearWeekday_;
    case EditField::Month:
        return yearByWeekday_->isChecked() ? yearNthMonth_ : yearMonth_;
    default:
        return kindButtons_[kind < 0 ? 1 : kind];
    }
}

} // namespace zm
