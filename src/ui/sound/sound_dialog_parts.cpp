#include "ui/sound/sound_dialog_parts.h"

#include "platform/sound_backend.h"
#include "res/strings.h"
#include "ui/sound/sound_options_panel.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace zm {

void AddOkCancel(QDialog& dialog, QVBoxLayout& layout) {
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QString::fromUtf8(LoadString(IDS_OK)), QDialogButtonBox::AcceptRole);
    buttons->addButton(QString::fromUtf8(LoadString(IDS_CANCEL)), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout.addWidget(buttons);
}

bool CheckSoundFileChosen(QDialog& dialog, SoundOptionsPanel& panel, SoundBackend& backend) {
    if (!NeedsFile(panel.Choice(), panel.SelectedFile())) return true;
    backend.PlaySystemSound(SystemSound::Exclamation);
    panel.FileList()->setFocus();
    QMessageBox::warning(&dialog, QString::fromUtf8(LoadString(IDS_APP_TITLE)),
                         QString::fromUtf8(LoadString(IDS_SOUND_FILE_MISSING)));
    return false;
}

} // namespace zm
