#pragma once
// The one place where a picture in memory becomes a Qt image.

#include "res/icon_image.h"

#include <QImage>
#include <QPixmap>

namespace zm {

// Null for an empty picture.
QImage ToQImage(const IconImage& icon);
QPixmap ToQPixmap(const IconImage& icon);

} // namespace zm
