#include "ui/preferences/calendar_page.h"

#include "adapters/gui/qt_font.h"
#include "res/strings.h"
#include "ui/common/window_context.h"
#include "ui/preferences/font_chooser.h"
#include "ui/preferences/hot_key_field.h"
#include "ui/preferences/page_parts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

namespace zm {

CalendarPage::CalendarPage(WindowContext& context, QWidget* parent)
    : QWidget(parent), context_(context),
      week_(context.options.workWeek, context.options.firstDayOfWeek) {
    const ProgramSettings& o = context.options;

    auto* workWeek = NewGroup(IDS_CALENDAR_WORK_WEEK, this);
    auto* days = new QGridLayout;
    for (int box = 0; box < 7; ++box) {
        workDays_[box] = new QCheckBox(workWeek);
        days->addWidget(workDays_[box], 0, box);
        connect(workDays_[box], &QCheckBox::toggled, this,
                [this, box](bool on) { week_.SetBox(box, on); });
    }
    checkWeekend_ = NewCheck(IDS_CALENDAR_CHECK_WEEKEND, o.checkWeekendEvents, workWeek);
    auto* workLayout = new QVBoxLayout(workWeek);
    workLayout->addLayout(days);
    workLayout->addWidget(checkWeekend_);

    // Monday first: index 0 Monday ... 6 Sunday.
    firstDay_ = new QComboBox(this);
    for (int index = 0; index < 7; ++index)
        firstDay_->addItem(QString::fromStdString(context.names.LongDayName((index + 1) % 7 + 1)));
    firstDay_->setCurrentIndex(week_.FirstDay());
    connect(firstDay_, &QComboBox::currentIndexChanged, this, &CalendarPage::FirstDayChosen);
    firstWeek_ = new QComboBox(this);
    for (const int id : {IDS_WEEK_RULE_JAN1, IDS_WEEK_RULE_FOUR_DAYS, IDS_WEEK_RULE_FULL_WEEK})
        firstWeek_->addItem(Text(id));
    firstWeek_->setCurrentIndex(std::clamp(o.firstWeekOfYear, 0, 2));
    auto* rules = new QFormLayout;
    rules->addRow(Text(IDS_CALENDAR_FIRST_DAY), firstDay_);
    rules->addRow(Text(IDS_CALENDAR_FIRST_WEEK), firstWeek_);

    auto* popup = NewGroup(IDS_CALENDAR_POPUP, this);
    weekNumbers_ = NewCheck(IDS_CALENDAR_WEEK_NUMBERS, o.showWeekNumbers, popup);
    calendarFont_ =
        new FontChooser(ReadFont(context.settings, SettingId::CalendarFont, ScreenPixelsPerInch()),
                        Text(IDS_PREFS_FONT_BUTTON), popup);
    auto* popupLayout = new QVBoxLayout(popup);
    popupLayout->addWidget(weekNumbers_);
    popupLayout->addWidget(calendarFont_);

    auto* extended = NewGroup(IDS_CALENDAR_EXTENDED, this);
    calendarKey_ = new HotKeyField(o.calendarHotKey, extended);
    leftClick_ = NewCheck(IDS_CALENDAR_LEFT_CLICK, o.calendarOnLeftClick, extended);
    auto* extendedLayout = new QFormLayout(extended);
    extendedLayout->addRow(Text(IDS_SHORTCUT_KEY), calendarKey_);
    extendedLayout->addRow(leftClick_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(workWeek);
    layout->addLayout(rules);
    layout->addWidget(popup);
    layout->addWidget(extended);
    layout->addStretch();
    ShowBoxes();
}

void CalendarPage::CopyTo(ProgramSettings& o) const {
    o.workWeek = week_.Mask();
    o.firstDayOfWeek = week_.FirstDay();
    o.firstWeekOfYear = firstWeek_->currentIndex();
    o.checkWeekendEvents = checkWeekend_->isChecked();
    o.showWeekNumbers = weekNumbers_->isChecked();
    o.calendarHotKey = calendarKey_->Code();
    o.calendarOnLeftClick = leftClick_->isChecked();
}

void CalendarPage::FirstDayChosen(int firstDay) {
    week_.ChangeFirstDay(firstDay);
    ShowBoxes();
}

void CalendarPage::ShowBoxes() {
    const auto ticks = week_.Boxes();
    for (int box = 0; box < 7; ++box) {
        const QSignalBlocker quiet(workDays_[box]);
        workDays_[box]->setText(QString::fromStdString(
            context_.names.ShortDayName(WorkWeekBoxes::DayOfWeekOfBox(box, week_.FirstDay()))));
        workDays_[box]->setChecked(ticks[box]);
    }
}

} // namespace zm
