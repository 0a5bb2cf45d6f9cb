#pragma once
// The dialogs the type editor and the quick-reminder editor open to choose an icon and a sound.

#include "sound/sound_setting.h"
#include "ui/types/change_icon_dialog.h"

#include <QString>
#include <optional>

class QWidget;

namespace zm {

struct WindowContext;
class UserBoxes;

// "Change Icon", starting in `folder`; none when cancelled.
std::optional<ChosenIcon> ChooseIcon(UserBoxes& boxes, const QString& folder, QWidget* parent);
// The sound dialog titled "Reminder Sound"; none when cancelled.
std::optional<SoundSetting> ChooseReminderSound(WindowContext& context, const SoundSetting& sound,
                                                QWidget* parent);

} // namespace zm
