#include "ui/types/editor_choosers.h"

#include "ui/common/window_context.h"
#include "ui/sound/setup_sound_dialog.h"
#include "ui/types/type_widgets.h"

namespace zm {

std::optional<ChosenIcon> ChooseIcon(UserBoxes& boxes, const QString& folder, QWidget* parent) {
    ChangeIconDialog dialog(boxes, folder, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Chosen();
}

std::optional<SoundSetting> ChooseReminderSound(WindowContext& context, const SoundSetting& sound,
                                                QWidget* parent) {
    SetupSoundDialog dialog(sound, context.sound, context.settings, parent);
    dialog.setWindowTitle(Text(IDS_SOUND_REMINDER_CAPTION));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Result();
}

} // namespace zm
