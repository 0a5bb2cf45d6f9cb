#pragma once
// What the types and quick-reminder windows share: their texts, colours in the types' form
// (0x00BBGGRR), icons as pictures and as Qt icons, and the amount choice boxes.

#include "adapters/gui/qt_icon_image.h"
#include "model/time_amount.h"
#include "res/icon_image.h"
#include "res/strings.h"
#include "ui/common/ui_text.h"

#include <QColor>
#include <QIcon>
#include <QString>
#include <cstdint>
#include <string>

class QComboBox;

namespace zm {

inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QColor ColourOf(uint32_t bgr);
uint32_t BgrOf(const QColor& colour);
// A small square of the colour, for buttons and lists.
QIcon SwatchIcon(uint32_t bgr);

QIcon QIconOf(const IconImage& icon);
QIcon QIconOf(const IconImage& small, const IconImage& large);
// The picture of an image at size x size (scaled to fit, centred, transparent around it).
IconImage IconOfImage(const QImage& image, int size);
// The icon drawn at size x size pixels.
IconImage IconOfQIcon(const QIcon& icon, int size);

// An editable amount box: the fixed choices (with 0 minutes when `withZero`), showing `amount`
// selected, or as text when it is not one of them.
void FillAmountBox(QComboBox& box, TimeAmount amount, bool withZero);

} // namespace zm
