#pragma once
// "Setup Sound": the countdown timer's sound.

#include "sound/sound_setting.h"

#include <QDialog>

namespace zm {

class SoundBackend;
class Settings;
class SoundOptionsPanel;

class SetupSoundDialog final : public QDialog {
    Q_OBJECT
public:
    SetupSoundDialog(const SoundSetting& sound, SoundBackend& backend, Settings& settings,
                     QWidget* parent = nullptr);

    // The sound as OK left it (the pause only changes when the sound repeats).
    const SoundSetting& Result() const { return sound_; }
    SoundOptionsPanel* Panel() const { return panel_; }

    void accept() override;
    void done(int result) override;

private:
    SoundSetting sound_;
    SoundBackend& backend_;
    SoundOptionsPanel* panel_;
};

} // namespace zm
