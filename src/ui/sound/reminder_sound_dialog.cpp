#include "ui/sound/reminder_sound_dialog.h"

#include "res/strings.h"
#include "sound/sound_choice.h"
#include "ui/sound/sound_dialog_parts.h"
#include "ui/sound/sound_options_panel.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace zm {

ReminderSoundDialog::ReminderSoundDialog(EventRecord& event, const SoundSetting& typeSound,
                                         SoundBackend& backend, Settings& settings, QWidget* parent)
    : QDialog(parent), event_(event), typeSound_(typeSound), backend_(backend) {
    setWindowTitle(QString::fromUtf8(LoadString(IDS_SOUND_REMINDER_CAPTION)));
    setWindowModality(Qt::WindowModal);
    auto* heading = new QLabel(QString::fromUtf8(LoadString(IDS_SOUND_WHEN_DUE)), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    custom_ = new QCheckBox(QString::fromUtf8(LoadString(IDS_SOUND_USE_CUSTOM)), this);
    custom_->setObjectName(QStringLiteral("useCustom"));
    panel_ = new SoundOptionsPanel(backend, settings, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(custom_);
    layout->addWidget(panel_);
    AddOkCancel(*this, *layout);

    const bool custom = event.Has(kCustomSound);
    custom_->setChecked(custom);
    panel_->ShowSound(ReminderSoundOf(event, typeSound));
    panel_->SetEditable(custom);
    connect(custom_, &QCheckBox::toggled, this, &ReminderSoundDialog::OnCustomToggled);
}

void ReminderSoundDialog::OnCustomToggled(bool custom) {
    // Without its own options the event sounds like its type, and shows it.
    if (!custom) panel_->ShowSound(typeSound_);
    panel_->SetEditable(custom);
}

void ReminderSoundDialog::accept() {
    const bool custom = custom_->isChecked();
    if (custom && !CheckSoundFileChosen(*this, *panel_, backend_)) return;
    ApplyReminderSound(event_, custom, panel_->Choice(), panel_->SelectedFile());
    panel_->SaveRecentFiles();
    QDialog::accept();
}

void ReminderSoundDialog::done(int result) {
    panel_->StopPreview();
    QDialog::done(result);
}

} // namespace zm
