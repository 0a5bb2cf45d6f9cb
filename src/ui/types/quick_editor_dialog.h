#pragma once
// The quick-reminder editor: "Create a New Quick Reminder" and "Edit Quick Reminder" with the
// menu item name, the event name, the type, the "remind in" amount, the sound and the icon.

#include "sound/sound_setting.h"
#include "store/quick/quick_editing.h"
#include "ui/types/change_icon_dialog.h"

#include <QDialog>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zm {

struct WindowContext;
class UserBoxes;

class QuickEditorDialog final : public QDialog {
    Q_OBJECT
public:
    using IconChooser = std::function<std::optional<ChosenIcon>(QWidget* parent)>;
    using SoundChooser =
        std::function<std::optional<SoundSetting>(const SoundSetting&, QWidget* parent)>;

    // `isNew`: the entry is a new one (its type is the first of the list).
    QuickEditorDialog(WindowContext& context, UserBoxes& boxes, const QuickReminder& entry,
                      const IconImage& icon, bool isNew, QWidget* parent = nullptr);

    // After OK: the entry, and its icon (16 pixels).
    const QuickReminder& Result() const { return entry_; }
    const IconImage& Icon() const { return icon_; }

    void SetIconChooser(IconChooser f) { iconChooser_ = std::move(f); }
    void SetSoundChooser(SoundChooser f) { soundChooser_ = std::move(f); }

    void accept() override;
    void ChangeIcon();
    void ChooseSound();

private:
    void ShowSound();

    WindowContext& context_;
    UserBoxes& boxes_;
    QuickReminder entry_;
    IconImage icon_;
    IconChooser iconChooser_;
    SoundChooser soundChooser_;

    QLineEdit* menuName_;
    QLineEdit* eventName_;
    QComboBox* type_;
    QComboBox* offset_;
    QLabel* sound_;
    QLabel* iconLabel_;
};

} // namespace zm
