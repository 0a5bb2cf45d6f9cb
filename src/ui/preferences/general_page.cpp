#include "ui/preferences/general_page.h"

#include "adapters/gui/qt_font.h"
#include "platform/font_setting.h"
#include "res/strings.h"
#include "sound/sound_description.h"
#include "timers/countdown_sound.h"
#include "ui/common/ui_text.h"
#include "ui/common/window_context.h"
#include "ui/preferences/font_chooser.h"
#include "ui/preferences/hot_key_field.h"
#include "ui/preferences/page_parts.h"
#include "ui/sound/setup_sound_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTime>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace zm {
namespace {

QString DescriptionOf(const SoundSetting& sound) {
    return QString::fromStdString(SoundDescription(sound.sound, sound.pause, sound.file));
}

} // namespace

GeneralPage::GeneralPage(WindowContext& context, bool autorunOn, QWidget* parent)
    : QWidget(parent), context_(context), countdownSound_(ReadCountdownSound(context.settings)) {
    const ProgramSettings& o = context.options;
    const int ppi = ScreenPixelsPerInch();
    const QString fontButton = Text(IDS_PREFS_FONT_BUTTON);

    auto* main = NewGroup(IDS_GENERAL_MAIN_WINDOW, this);
    showOnStartup_ = NewCheck(IDS_GENERAL_SHOW_ON_STARTUP, o.showOnStartup, main);
    gridlines_ = NewCheck(IDS_GENERAL_SHOW_GRIDLINES, o.showGridlines, main);
    mainKey_ = new HotKeyField(o.mainWindowHotKey, main);
    mainFont_ = new FontChooser(ReadFont(context.settings, SettingId::MainWindowFont, ppi),
                                fontButton, main);
    auto* mainLayout = new QFormLayout(main);
    mainLayout->addRow(showOnStartup_);
    mainLayout->addRow(gridlines_);
    mainLayout->addRow(Text(IDS_SHORTCUT_KEY), mainKey_);
    mainLayout->addRow(mainFont_);

    auto* datePanel = NewGroup(IDS_GENERAL_DATE_PANEL, this);
    dateFont_ = new FontChooser(ReadFont(context.settings, SettingId::DatePanelFont, ppi),
                                fontButton, datePanel);
    (new QVBoxLayout(datePanel))->addWidget(dateFont_);

    auto* picker = NewGroup(IDS_GENERAL_TIME_PICKER, this);
    newPicker_ = new QRadioButton(Text(IDS_GENERAL_NEW_STYLE), picker);
    oldPicker_ = new QRadioButton(Text(IDS_GENERAL_OLD_STYLE), picker);
    (o.newTimePicker ? newPicker_ : oldPicker_)->setChecked(true);
    auto* sampleTime = new QTimeEdit(QTime::currentTime(), picker);
    sampleTime->setDisplayFormat(QStringLiteral("hh:mm"));
    auto* sampleCombo = new QComboBox(picker);
    sampleCombo->setEditable(true);
    sampleCombo->addItem(QTime::currentTime().toString(QStringLiteral("hh:mm")));
    auto* pickerLayout = new QFormLayout(picker);
    pickerLayout->addRow(newPicker_, sampleTime);
    pickerLayout->addRow(oldPicker_, sampleCombo);

    auto* reminder = NewGroup(IDS_GENERAL_REMINDER_DIALOG, this);
    onTop_ = NewCheck(IDS_GENERAL_ALWAYS_ON_TOP, o.reminderOnTop, reminder);
    (new QVBoxLayout(reminder))->addWidget(onTop_);

    auto* sound = NewGroup(IDS_GENERAL_COUNTDOWN_SOUND, this);
    soundText_ = new QLineEdit(DescriptionOf(countdownSound_), sound);
    soundText_->setReadOnly(true);
    soundText_->setCursorPosition(0);
    soundText_->setToolTip(soundText_->text());
    soundButton_ = new QPushButton(Text(IDS_GENERAL_SOUND_BUTTON), sound);
    soundButton_->setFixedWidth(soundButton_->fontMetrics().horizontalAdvance("<<>>") + 12);
    soundButton_->setAccessibleName(PlainText(IDS_EDIT_SET_SOUND));
    soundButton_->setToolTip(soundButton_->accessibleName());
    auto* soundLayout = new QHBoxLayout(sound);
    soundLayout->addWidget(soundText_, 1);
    soundLayout->addWidget(soundButton_);
    connect(soundButton_, &QPushButton::clicked, this, &GeneralPage::ChooseSound);

    autorun_ = NewCheck(IDS_GENERAL_LOAD_ON_STARTUP, autorunOn, this);
    centerTitle_ = NewCheck(IDS_GENERAL_CENTER_TITLE, o.centerReminderTitle, this);
    rememberSnooze_ = NewCheck(IDS_GENERAL_REMEMBER_SNOOZE, o.rememberSnooze, this);
    hideWhenOver_ = NewCheck(IDS_GENERAL_HIDE_WHEN_OVER, o.hideWhenOver, this);

    auto* left = new QVBoxLayout;
    left->addWidget(main);
    left->addWidget(datePanel);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(picker);
    right->addWidget(reminder);
    right->addWidget(sound);
    right->addWidget(autorun_);
    right->addWidget(centerTitle_);
    right->addWidget(rememberSnooze_);
    right->addWidget(hideWhenOver_);
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);
}

void GeneralPage::CopyTo(ProgramSettings& o) const {
    o.showOnStartup = showOnStartup_->isChecked();
    o.showGridlines = gridlines_->isChecked();
    o.mainWindowHotKey = mainKey_->Code();
    o.newTimePicker = newPicker_->isChecked();
    o.reminderOnTop = onTop_->isChecked();
    o.centerReminderTitle = centerTitle_->isChecked();
    o.rememberSnooze = rememberSnooze_->isChecked();
    o.hideWhenOver = hideWhenOver_->isChecked();
}

bool GeneralPage::Autorun() const {
    return autorun_->isChecked();
}

void GeneralPage::SaveCountdownSound() const {
    WriteCountdownSound(context_.settings, countdownSound_);
}

void GeneralPage::ChooseSound() {
    SetupSoundDialog dialog(countdownSound_, context_.sound, context_.settings, this);
    if (dialog.exec() != QDialog::Accepted) return;
    countdownSound_ = dialog.Result();
    soundText_->setText(DescriptionOf(countdownSound_));
    soundText_->setCursorPosition(0);
    soundText_->setToolTip(soundText_->text());
}

} // namespace zm
