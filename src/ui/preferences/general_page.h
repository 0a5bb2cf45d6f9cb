#pragma once
// The "General" page: the main window, the date panel, the time picker, reminder windows, the
// countdown timer's sound and starting with the session.

#include "sound/sound_setting.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zm {

struct WindowContext;
struct ProgramSettings;
class FontChooser;
class HotKeyField;

class GeneralPage final : public QWidget {
    Q_OBJECT
public:
    GeneralPage(WindowContext& context, bool autorunOn, QWidget* parent);

    // The page's options into the program's options.
    void CopyTo(ProgramSettings& options) const;
    bool Autorun() const;
    void SaveCountdownSound() const;

    HotKeyField* MainWindowKey() const { return mainKey_; }
    FontChooser* MainWindowFont() const { return mainFont_; }
    FontChooser* DatePanelFont() const { return dateFont_; }

private:
    void ChooseSound();

    WindowContext& context_;
    QCheckBox* showOnStartup_;
    QCheckBox* gridlines_;
    HotKeyField* mainKey_;
    FontChooser* mainFont_;
    FontChooser* dateFont_;
    QRadioButton* newPicker_;
    QRadioButton* oldPicker_;
    QCheckBox* onTop_;
    QLineEdit* soundText_;
    QPushButton* soundButton_;
    QCheckBox* autorun_;
    QCheckBox* centerTitle_;
    QCheckBox* rememberSnooze_;
    QCheckBox* hideWhenOver_;
    SoundSetting countdownSound_;
};

} // namespace zm
