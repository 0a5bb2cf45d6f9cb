#pragma once
// The type editor: "Create a New Event Type", "Edit Event Type", and "Edit undefined type" (in
// which only the colour and the sound can be changed). It edits a copy and hands the result
// to the types page on OK.

#include "sound/sound_setting.h"
#include "store/types/type_editing.h"
#include "store/types/type_list.h"
#include "ui/types/change_icon_dialog.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;

namespace zm {

struct WindowContext;
class UserBoxes;

class TypeEditorDialog final : public QDialog {
    Q_OBJECT
public:
    enum class Mode { New, Edit, Undefined };

    // Ways to ask the user, which tests replace. Each returns false (or none) when cancelled.
    using FilterChooser = std::function<bool(const std::string& typeName, std::vector<bool>& chosen,
                                             QWidget* parent)>;
    using IconChooser = std::function<std::optional<ChosenIcon>(QWidget* parent)>;
    using SoundChooser =
        std::function<std::optional<SoundSetting>(const SoundSetting&, QWidget* parent)>;
    using ColourChooser = std::function<std::optional<uint32_t>(uint32_t, QWidget* parent)>;

    // `work` is the types page's list; `index` the edited type (ignored for New and Undefined).
    TypeEditorDialog(WindowContext& context, UserBoxes& boxes, const TypeList& work, int index,
                     Mode mode, QWidget* parent = nullptr);

    // After OK: the type with its new icons and chosen filters (New, Edit) ...
    const TypeEdit& Result() const { return edit_; }
    // ... or the undefined type's colour and sound (Undefined).
    const UndefinedType& UndefinedResult() const { return undefined_; }

    void SetFilterChooser(FilterChooser f) { filterChooser_ = std::move(f); }
    void SetIconChooser(IconChooser f) { iconChooser_ = std::move(f); }
    void SetSoundChooser(SoundChooser f) { soundChooser_ = std::move(f); }

    void accept() override;

    // The buttons, for tests.
    void ChooseFilters();
    void ChangeIcon();
    void ChooseSound();

private:
    void BuildControls();
    void ShowType();
    void UpdateControls();
    void ShowIcon();
    void ShowSound();
    void ShowColours();
    void ShowFont();
    void ChooseColour(uint32_t& colour);
    void ChooseFont();
    void ResetLook();
    TypeEntry Entry() const;

    WindowContext& context_;
    UserBoxes& boxes_;
    const TypeList& work_;
    int index_;
    Mode mode_;
    TypeEdit edit_;
    UndefinedType undefined_;
    IconImage small_;
    IconImage large_;

    FilterChooser filterChooser_;
    IconChooser iconChooser_;
    SoundChooser soundChooser_;
    ColourChooser colourChooser_;

    QLineEdit* name_ = nullptr;
    QLabel* icon_ = nullptr;
    QPushButton* changeIcon_ = nullptr;
    QPushButton* colour_ = nullptr;
    QPushButton* filters_ = nullptr;
    QCheckBox* fixedStart_ = nullptr;
    QTimeEdit* startTime_ = nullptr;
    QComboBox* remind_ = nullptr;
    QComboBox* duration_ = nullptr;
    QCheckBox* yearly_ = nullptr;
    QCheckBox* skipWhenOver_ = nullptr;
    QCheckBox* customColours_ = nullptr;
    QPushButton* textColour_ = nullptr;
    QPushButton* backColour_ = nullptr;
    QCheckBox* customFont_ = nullptr;
    QPushButton* font_ = nullptr;
    QLabel* fontName_ = nullptr;
    QPushButton* reset_ = nullptr;
    QLabel* sound_ = nullptr;
    QPushButton* soundButton_ = nullptr;
};

} // namespace zm
