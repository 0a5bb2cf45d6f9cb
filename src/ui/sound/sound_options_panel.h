#pragma once
// The controls both sound dialogs share: the three kinds, the recently used files with
// "Browse" and "Play", "Repeat sound" and the pause. It previews the chosen sound through its
// own player and stops the preview whenever the choice changes. While the preview plays, "Play"
// is held down and reads "Stop", and a click on it stops the preview.

#include "platform/settings.h"
#include "platform/sound_backend.h"
#include "sound/recent_sound_files.h"
#include "sound/sound_choice.h"
#include "sound/sound_player.h"

#include <QWidget>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zm {

class PauseSpinBox;

class SoundOptionsPanel final : public QWidget {
    Q_OBJECT
public:
    // Asks the user for a sound file; an empty text when none was chosen.
    using FileChooser = std::function<QString(QWidget* parent, const QString& startFolder)>;

    SoundOptionsPanel(SoundBackend& backend, Settings& settings, QWidget* parent = nullptr);
    ~SoundOptionsPanel() override;

    // Shows a stored sound: kind, repeat and pause, and its file added to the recent list as if
    // chosen. The recent list is read from the settings the first time.
    void ShowSound(const SoundSetting& sound);
    // Without it every control is disabled.
    void SetEditable(bool editable);

    SoundChoice Choice() const;
    std::string SelectedFile() const;
    // Writes the recent list back to the settings.
    void SaveRecentFiles();
    void StopPreview();
    QComboBox* FileList() const { return fileList_; }
    const SoundPlayer& Preview() const { return preview_; }

    // The open-file dialog by default; tests give their own.
    void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

private:
    void AddFile(const std::string& path);
    void FillFileList();
    void UpdateControls();
    void OnKindChosen(int kind);
    void OnRepeatToggled(bool on);
    void OnBrowse();
    void OnPlay();
    // The play button as the preview is: held down and "Stop" while it plays.
    void ShowPlaying();

    Settings& settings_;
    SoundPlayer preview_;
    RecentSoundFiles recent_;
    bool recentLoaded_ = false;
    bool editable_ = true;
    bool filling_ = false;
    FileChooser chooser_;
    QString startFolder_;

    QButtonGroup* kinds_;
    QRadioButton* none_;
    QRadioButton* beep_;
    QRadioButton* file_;
    QComboBox* fileList_;
    QPushButton* browse_;
    QPushButton* play_;
    QCheckBox* repeat_;
    QLabel* pauseLabel_;
    PauseSpinBox* minutes_;
    QLabel* minutesLabel_;
    PauseSpinBox* seconds_;
    QLabel* secondsLabel_;
};

// The open-file dialog "Open Audio File" for the files the player plays: wave, Ogg and MIDI.
QString ChooseSoundFile(QWidget* parent, const QString& startFolder);
// The sound folder in the data folder when it exists, else the data folder.
QString DefaultSoundFolder();

} // namespace zm
