#include "adapters/gui/qt_font.h"

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

QFont ScreenFont(const Settings& settings, SettingId id) {
    return ToQFont(ReadFont(settings, id, ScreenPixelsPerInch()));
}

QFont ToQFont(const FontDescription& d) {
    QFont f(QString::fromUtf8(d.faceName.data(), static_cast<qsizetype>(d.faceName.size())));
    f.setPixelSize(std::max(1, std::abs(d.height)));
    f.setWeight(d.weight == kFontBold ? QFont::Bold : QFont::Normal);
    f.setItalic(d.italic != 0);
    f.setUnderline(d.underline != 0);
    f.setStrikeOut(d.strikeOut != 0);
    return f;
}

FontDescription FontFromQFont(const QFont& font, int pixelsPerInch) {
    FontDescription d;
    d.faceName = font.family().toStdString();
    const int pixels = font.pixelSize() > 0
                           ? font.pixelSize()
                           : static_cast<int>(std::lround(font.pointSizeF() * pixelsPerInch / 72));
    d.height = -pixels;
    d.weight = font.weight() >= QFont::Bold ? kFontBold : kFontRegular;
    d.italic = font.italic() ? 1 : 0;
    d.underline = font.underline() ? 1 : 0;
    d.strikeOut = font.strikeOut() ? 1 : 0;
    return d;
}

} // namespace zm
