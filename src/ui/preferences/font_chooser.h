#pragma once
// A font of the preferences: a label that shows the font as "Face (N pt.)" in the font itself,
// and a button that opens the font dialog at that font, offering 8 to 24 points.

#include "platform/font_setting.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace zm {

class FontChooser final : public QWidget {
    Q_OBJECT
public:
    FontChooser(const FontDescription& font, const QString& buttonText, QWidget* parent);

    const FontDescription& Font() const { return font_; }
    // A font chosen (the dialog's OK, or a test): the size brought into 8 to 24 points.
    void Choose(const QFont& font);
    bool Changed() const { return changed_; }
    QPushButton* Button() const { return button_; }
    QLabel* Label() const { return label_; }

private:
    void OpenDialog();
    void ShowFont();

    FontDescription font_;
    QLabel* label_;
    QPushButton* button_;
    bool changed_ = false;
};

// The text a font shows as: "Arial (10 pt.)".
QString FontCaption(const FontDescription& font);

} // namespace zm
