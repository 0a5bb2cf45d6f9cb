#include "ui/sound/sound_options_panel.h"

#include "platform/data_folder.h"
#include "res/strings.h"
#include "sound/sound_description.h"
#include "sound/sound_file_filter.h"
#include "ui/sound/pause_spin_box.h"
#include "ui/sound/qt_sound_timer.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace zm {
namespace {

QString Text(int id) {
    return QString::fromUtf8(LoadString(id));
}

std::string ToStd(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace

QString DefaultSoundFolder() {
    const QString data = QString::fromStdString(DataFolder());
    const QString sounds = QDir(data).filePath(QStringLiteral("Sounds"));
    return QDir(sounds).exists() ? sounds : data;
}

QString ChooseSoundFile(QWidget* parent, const QString& startFolder) {
    QFileDialog dialog(parent, Text(IDS_SOUND_OPEN_TITLE), startFolder);
    QStringList filters;
    for (const std::string& filter : FileDialogFilters(LoadString(IDS_SOUND_FILE_FILTER)))
        filters << QString::fromStdString(filter);
    dialog.setNameFilters(filters);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("wav"));
    // The reminder windows stay usable while the user looks for a file.
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

SoundOptionsPanel::SoundOptionsPanel(SoundBackend& backend, Settings& settings, QWidget* parent)
    : QWidget(parent), settings_(settings), preview_(backend, std::make_unique<QtSoundTimer>()),
      chooser_(ChooseSoundFile), startFolder_(DefaultSoundFolder()) {
    none_ = new QRadioButton(Text(IDS_SOUND_RADIO_NONE), this);
    beep_ = new QRadioButton(Text(IDS_SOUND_RADIO_BEEP), this);
    file_ = new QRadioButton(Text(IDS_SOUND_RADIO_FILE), this);
    kinds_ = new QButtonGroup(this);
    kinds_->addButton(none_, static_cast<int>(SoundKind::None));
    kinds_->addButton(beep_, static_cast<int>(SoundKind::Beep));
    kinds_->addButton(file_, static_cast<int>(SoundKind::File));
    fileList_ = new QComboBox(this);
    fileList_->setMinimumContentsLength(24);
    browse_ = new QPushButton(Text(IDS_SOUND_BROWSE), this);
    play_ = new QPushButton(Text(IDS_SOUND_PLAY), this);
    play_->setAutoDefault(false);
    browse_->setAutoDefault(false);
    repeat_ = new QCheckBox(Text(IDS_SOUND_REPEAT), this);
    pauseLabel_ = new QLabel(Text(IDS_SOUND_PAUSE), this);
    minutes_ = new PauseSpinBox(kMaxPauseMinutes, this);
    minutesLabel_ = new QLabel(Text(IDS_SOUND_MINUTES), this);
    seconds_ = new PauseSpinBox(kMaxPauseSeconds, this);
    secondsLabel_ = new QLabel(Text(IDS_SOUND_SECONDS), this);
    pauseLabel_->setBuddy(minutes_);
    // The two amounts share one label: each says which part of the pause it holds.
    const QString pauseName = Text(IDS_SOUND_PAUSE).remove(QLatin1Char('&'));
    minutes_->setAccessibleName(pauseName + QLatin1Char(' ') + Text(IDS_SOUND_MINUTES));
    seconds_->setAccessibleName(pauseName + QLatin1Char(' ') + Text(IDS_SOUND_SECONDS));
    fileList_->setAccessibleName(Text(IDS_SOUND_RADIO_FILE).remove(QLatin1Char('&')));

    none_->setObjectName(QStringLiteral("noSound"));
    beep_->setObjectName(QStringLiteral("defaultBeep"));
    file_->setObjectName(QStringLiteral("soundFile"));
    fileList_->setObjectName(QStringLiteral("recentFiles"));
    browse_->setObjectName(QStringLiteral("browse"));
    play_->setObjectName(QStringLiteral("play"));
    repeat_->setObjectName(QStringLiteral("repeat"));
    minutes_->setObjectName(QStringLiteral("pauseMinutes"));
    seconds_->setObjectName(QStringLiteral("pauseSeconds"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(none_, 0, 0, 1, 3);
    layout->addWidget(beep_, 1, 0, 1, 3);
    layout->addWidget(file_, 2, 0);
    layout->addWidget(fileList_, 2, 1);
    layout->addWidget(browse_, 2, 2);
    layout->addWidget(play_, 2, 3);
    layout->addWidget(repeat_, 3, 0, 1, 2);
    auto* pause = new QHBoxLayout;
    pause->addWidget(pauseLabel_);
    pause->addWidget(minutes_);
    pause->addWidget(minutesLabel_);
    pause->addWidget(seconds_);
    pause->addWidget(secondsLabel_);
    pause->addStretch();
    layout->addLayout(pause, 4, 0, 1, 4);
    layout->setColumnStretch(1, 1);

    connect(kinds_, &QButtonGroup::idClicked, this, &SoundOptionsPanel::OnKindChosen);
    connect(repeat_, &QCheckBox::toggled, this, &SoundOptionsPanel::OnRepeatToggled);
    connect(fileList_, &QComboBox::currentIndexChanged, this, [this](int row) {
        if (filling_) return;
        const int count = fileList_->count();
        recent_.Select(row < 0 ? std::nullopt
                               : std::optional<size_t>(static_cast<size_t>(count - 1 - row)));
        StopPreview();
    });
    connect(browse_, &QPushButton::clicked, this, &SoundOptionsPanel::OnBrowse);
    connect(play_, &QPushButton::clicked, this, &SoundOptionsPanel::OnPlay);
    // While the preview plays, the button is held down and reads "Stop".
    play_->setCheckable(true);
    preview_.SetEndedNotice([this] { ShowPlaying(); });
}

SoundOptionsPanel::~SoundOptionsPanel() = default;

void SoundOptionsPanel::ShowSound(const SoundSetting& sound) {
    StopPreview();
    if (!recentLoaded_) {
        recent_.Load(settings_);
        recentLoaded_ = true;
    }
    const SoundChoice choice = ChoiceOf(sound.sound, sound.pause);
    kinds_->button(static_cast<int>(choice.kind))->setChecked(true);
    repeat_->setChecked(choice.repeat);
    minutes_->setValue(choice.minutes);
    seconds_->setValue(choice.seconds);
    recent_.Select(std::nullopt);
    AddFile(sound.file);
    UpdateControls();
}

void SoundOptionsPanel::SetEditable(bool editable) {
    editable_ = editable;
    StopPreview();
    UpdateControls();
}

SoundChoice SoundOptionsPanel::Choice() const {
    const int kind = kinds_->checkedId();
    return {kind < 0 ? SoundKind::None : static_cast<SoundKind>(kind), repeat_->isChecked(),
            minutes_->value(), seconds_->value()};
}

std::string SoundOptionsPanel::SelectedFile() const {
    return recent_.SelectedFile();
}

void SoundOptionsPanel::SaveRecentFiles() {
    recent_.Save(settings_);
}

void SoundOptionsPanel::StopPreview() {
    preview_.Stop();
    ShowPlaying();
}

void SoundOptionsPanel::ShowPlaying() {
    const bool playing = preview_.Mode() != SoundMode::Idle;
    play_->setChecked(playing);
    play_->setText(Text(playing ? IDS_SOUND_STOP_PREVIEW : IDS_SOUND_PLAY));
}

void SoundOptionsPanel::AddFile(const std::string& path) {
    recent_.Add(path);
    FillFileList();
}

void SoundOptionsPanel::FillFileList() {
    filling_ = true;
    fileList_->clear();
    const auto& files = recent_.Files();
    // Newest first.
    for (auto it = files.rbegin(); it != files.rend(); ++it) {
        fileList_->addItem(QString::fromStdString(std::string(FileNameOfPath(*it))));
        fileList_->setItemData(fileList_->count() - 1, QString::fromStdString(*it),
                               Qt::ToolTipRole);
    }
    const auto selected = recent_.Selected();
    fileList_->setCurrentIndex(selected ? static_cast<int>(files.size() - 1 - *selected) : -1);
    filling_ = false;
}

void SoundOptionsPanel::UpdateControls() {
    const SoundControlState state = ControlStateOf(Choice(), editable_);
    for (QWidget* w :
         {static_cast<QWidget*>(none_), static_cast<QWidget*>(beep_), static_cast<QWidget*>(file_)})
        w->setEnabled(state.kinds);
    for (QWidget* w : {static_cast<QWidget*>(fileList_), static_cast<QWidget*>(browse_),
                       static_cast<QWidget*>(play_)})
        w->setEnabled(state.fileControls);
    repeat_->setEnabled(state.repeat);
    for (QWidget* w : {static_cast<QWidget*>(pauseLabel_), static_cast<QWidget*>(minutes_),
                       static_cast<QWidget*>(minutesLabel_), static_cast<QWidget*>(seconds_),
                       static_cast<QWidget*>(secondsLabel_)})
        w->setEnabled(state.pause);
}

void SoundOptionsPanel::OnKindChosen(int kind) {
    StopPreview();
    const SoundChoice choice = WithKind(Choice(), static_cast<SoundKind>(kind));
    repeat_->setChecked(choice.repeat);
    UpdateControls();
}

void SoundOptionsPanel::OnRepeatToggled(bool) {
    StopPreview();
    UpdateControls();
}

void SoundOptionsPanel::OnBrowse() {
    const QString path = chooser_ ? chooser_(this, startFolder_) : QString();
    if (path.isEmpty()) return;
    StopPreview();
    AddFile(ToStd(path));
}

void SoundOptionsPanel::OnPlay() {
    const std::string file = SelectedFile();
    if (preview_.Mode() == SoundMode::Idle && !file.empty())
        preview_.Play(file, PreviewDelayOf(Choice()));
    else
        preview_.Stop();
    ShowPlaying();
}

} // namespace zm
