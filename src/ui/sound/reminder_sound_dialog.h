#pragma once
// "Reminder Sound": the sound of one event, its own or its type's.

#include "model/event_record.h"
#include "sound/sound_setting.h"

#include <QDialog>

class QCheckBox;

namespace zm {

class SoundBackend;
class Settings;
class SoundOptionsPanel;

class ReminderSoundDialog final : public QDialog {
    Q_OBJECT
public:
    // OK writes the chosen sound into `event`; Cancel leaves it as it was.
    ReminderSoundDialog(EventRecord& event, const SoundSetting& typeSound, SoundBackend& backend,
                        Settings& settings, QWidget* parent = nullptr);

    SoundOptionsPanel* Panel() const { return panel_; }

    void accept() override;
    void done(int result) override;

private:
    void OnCustomToggled(bool custom);

    EventRecord& event_;
    SoundSetting typeSound_;
    SoundBackend& backend_;
    QCheckBox* custom_;
    SoundOptionsPanel* panel_;
};

} // namespace zm
