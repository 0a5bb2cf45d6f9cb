#include "ui/reminder/reminder_look.h"

#include "platform/font_setting.h"
#include "platform/gui/qt_font.h"

#include <QImage>
#include <QPixmap>

namespace zm {

namespace {

QColor FromColourRef(uint32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

QColor Blend(const QColor& from, const QColor& to, double share) {
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * share,
                            from.greenF() + (to.greenF() - from.greenF()) * share,
                            from.blueF() + (to.blueF() - from.blueF()) * share);
}

QPixmap PixmapOf(const IconImage& image) {
    if (image.Empty()) return {};
    QImage q(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
             image.width * 4, QImage::Format_ARGB32);
    return QPixmap::fromImage(q.copy());
}

} // namespace

ReminderColours ReminderColoursFor(const EventType* type, const QPalette& system) {
    if (type && type->Has(kTypeCustomColours)) {
        const QColor back = FromColourRef(type->backColour);
        return {FromColourRef(type->textColour), back, Blend(back, Qt::white, 0.55),
                Blend(back, Qt::black, 0.4)};
    }
    return {system.color(QPalette::WindowText), system.color(QPalette::Button),
            system.color(QPalette::Light), system.color(QPalette::Dark)};
}

QPalette ReminderPalette(const ReminderColours& c, const QPalette& base) {
    QPalette p = base;
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor text = g == QPalette::Disabled ? Blend(c.text, c.back, 0.55) : c.text;
        p.setColor(g, QPalette::Window, c.back);
        p.setColor(g, QPalette::Button, c.back);
        p.setColor(g, QPalette::Base, c.back);
        p.setColor(g, QPalette::AlternateBase, c.back);
        p.setColor(g, QPalette::WindowText, text);
        p.setColor(g, QPalette::ButtonText, text);
        p.setColor(g, QPalette::Text, text);
        p.setColor(g, QPalette::Light, c.light);
        p.setColor(g, QPalette::Midlight, Blend(c.back, c.light, 0.5));
        p.setColor(g, QPalette::Mid, Blend(c.back, c.dark, 0.5));
        p.setColor(g, QPalette::Dark, c.dark);
    }
    return p;
}

std::optional<QFont> ReminderTypeFont(const EventType* type, const QFont& dialogFont) {
    if (!type || !type->Has(kTypeCustomFont)) return std::nullopt;
    const FontDescription d = UnpackFontDescription(type->font);
    if (d.height == 0) {
        QFont f = dialogFont;
        if (!d.faceName.empty()) f.setFamily(QString::fromStdString(d.faceName));
        f.setBold(d.weight >= kFontBold);
        f.setItalic(d.italic != 0);
        return f;
    }
    return ToQFont(d);
}

QIcon ReminderIcon(const TypeList& types, int typeIndex) {
    QIcon icon;
    const QPixmap small = PixmapOf(types.TypeSmallIcon(typeIndex));
    const QPixmap large = PixmapOf(types.TypeLargeIcon(typeIndex));
    if (!small.isNull()) icon.addPixmap(small);
    if (!large.isNull()) icon.addPixmap(large);
    return icon;
}

} // namespace zm
