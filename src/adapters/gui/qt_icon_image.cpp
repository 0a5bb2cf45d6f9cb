#include "adapters/gui/qt_icon_image.h"

namespace zm {

QImage ToQImage(const IconImage& icon) {
    if (icon.Empty()) return {};
    QImage image(icon.width, icon.height, QImage::Format_ARGB32);
    for (int y = 0; y < icon.height; ++y)
        for (int x = 0; x < icon.width; ++x)
            image.setPixel(x, y, icon.At(x, y));
    return image;
}

QPixmap ToQPixmap(const IconImage& icon) {
    return QPixmap::fromImage(ToQImage(icon));
}

} // namespace zm
