#include "ui/preferences/font_chooser.h"

#include "adapters/gui/qt_font.h"
#include "preferences/entry_rules.h"
#include "res/format_text.h"
#include "res/strings.h"

#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace zm {

QString FontCaption(const FontDescription& font) {
    return QString::fromStdString(FormatText(
        IDS_FONT_DESCRIPTION, {font.faceName, PointSizeOf(font, ScreenPixelsPerInch())}));
}

FontChooser::FontChooser(const FontDescription& font, const QString& buttonText, QWidget* parent)
    : QWidget(parent), font_(font) {
    label_ = new QLabel(this);
    label_->setMinimumWidth(150);
    button_ = new QPushButton(buttonText, this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_, 1);
    layout->addWidget(button_);
    connect(button_, &QPushButton::clicked, this, &FontChooser::OpenDialog);
    ShowFont();
}

void FontChooser::Choose(const QFont& font) {
    QFont limited = font;
    limited.setPointSize(LimitFontPoints(font.pointSize() > 0 ? font.pointSize() : 8));
    font_ = FontFromQFont(limited, ScreenPixelsPerInch());
    changed_ = true;
    ShowFont();
}

void FontChooser::OpenDialog() {
    QFontDialog dialog(ToQFont(font_), this);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    // A size outside 8 to 24 points is brought back into the range as soon as it is picked.
    connect(&dialog, &QFontDialog::currentFontChanged, &dialog, [&dialog](const QFont& f) {
        const int limited = LimitFontPoints(f.pointSize());
        if (f.pointSize() > 0 && limited != f.pointSize()) {
            QFont fixed = f;
            fixed.setPointSize(limited);
            dialog.setCurrentFont(fixed);
        }
    });
    if (dialog.exec() == QDialog::Accepted) Choose(dialog.selectedFont());
}

void FontChooser::ShowFont() {
    label_->setText(FontCaption(font_));
    QFont shown = ToQFont(font_);
    label_->setFont(shown);
}

} // namespace zm
