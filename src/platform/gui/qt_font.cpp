#include "platform/gui/qt_font.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <cstdlib>

namespace zm {

int ScreenPixelsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dpi = screen ? qRound(screen->logicalDotsPerInchY()) : 0;
    return dpi > 0 ? dpi : 96;
}

QFont ToQFont(const FontDescription& d) {
    QFont f(QString::fromUtf8(d.FaceName.data(), static_cast<qsizetype>(d.FaceName.size())));
    f.setPixelSize(std::max(1, std::abs(d.Height)));
    f.setWeight(d.Weight == kFontBold ? QFont::Bold : QFont::Normal);
    f.setItalic(d.Italic != 0);
    f.setUnderline(d.Underline != 0);
    f.setStrikeOut(d.StrikeOut != 0);
    return f;
}

FontDescription FontFromQFont(const QFont& font, int pixelsPerInch) {
    FontDescription d;
    d.FaceName = font.family().toStdString();
    const int pixels = font.pixelSize() > 0
                           ? font.pixelSize()
                           : static_cast<int>(std::lround(font.pointSizeF() * pixelsPerInch / 72));
    d.Height = -pixels;
    d.Weight = font.weight() >= QFont::Bold ? kFontBold : kFontRegular;
    d.Italic = font.italic() ? 1 : 0;
    d.Underline = font.underline() ? 1 : 0;
    d.StrikeOut = font.strikeOut() ? 1 : 0;
    return d;
}

} // namespace zm
