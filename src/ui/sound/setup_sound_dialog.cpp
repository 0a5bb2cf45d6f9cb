#include "ui/sound/setup_sound_dialog.h"

#include "res/strings.h"
#include "sound/sound_choice.h"
#include "ui/sound/sound_dialog_parts.h"
#include "ui/sound/sound_options_panel.h"

#include <QVBoxLayout>

namespace zm {

SetupSoundDialog::SetupSoundDialog(const SoundSetting& sound, SoundBackend& backend,
                                   Settings& settings, QWidget* parent)
    : QDialog(parent), sound_(sound), backend_(backend) {
    setWindowTitle(QString::fromUtf8(LoadString(IDS_SOUND_SETUP_CAPTION)));
    setWindowModality(Qt::WindowModal);
    panel_ = new SoundOptionsPanel(backend, settings, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel_);
    AddOkCancel(*this, *layout);
    panel_->ShowSound(sound);
}

void SetupSoundDialog::accept() {
    if (!CheckSoundFileChosen(*this, *panel_, backend_)) return;
    const SoundChoice choice = panel_->Choice();
    sound_.sound = SoundWordOf(choice);
    if (choice.repeat) sound_.pause = StoredPauseOf(choice);
    sound_.file = panel_->SelectedFile();
    panel_->SaveRecentFiles();
    QDialog::accept();
}

void SetupSoundDialog::done(int result) {
    panel_->StopPreview();
    QDialog::done(result);
}

} // namespace zm
