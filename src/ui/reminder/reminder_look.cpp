#include "ui/reminder/reminder_look.h"

#include "adapters/gui/qt_font.h"
#include "format/colour_contrast.h"
#include "platform/font_setting.h"

#include <QImage>
#include <QPixmap>
#include <initializer_list>

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

QColor FromRgb(uint32_t rgb) {
    return QColor::fromRgb(rgb);
}

uint32_t RgbOf(const QColor& c) {
    return c.rgb() & 0xFFFFFF;
}

// The texts made readable on the background, enabled and disabled.
ReminderColours Readable(const QColor& text, const QColor& back, const QColor& light,
                         const QColor& dark) {
    return {FromRgb(ReadableColour(RgbOf(text), RgbOf(back))),
            FromRgb(DisabledTextColour(RgbOf(text), RgbOf(back))), back, light, dark};
}

void SetTexts(QPalette& p, const ReminderColours& c,
              std::initializer_list<QPalette::ColorRole> roles) {
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (QPalette::ColorRole role : roles)
            p.setColor(g, role, g == QPalette::Disabled ? c.disabledText : c.text);
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
        return Readable(FromColourRef(type->textColour), back, Blend(back, Qt::white, 0.55),
                        Blend(back, Qt::black, 0.4));
    }
    return Readable(system.color(QPalette::WindowText), system.color(QPalette::Button),
                    system.color(QPalette::Light), system.color(QPalette::Dark));
}

QPalette ReminderPalette(const ReminderColours& c, const QPalette& base) {
    QPalette p = base;
    SetTexts(p, c, {QPalette::WindowText, QPalette::ButtonText, QPalette::Text});
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(g, QPalette::Window, c.back);
        p.setColor(g, QPalette::Button, c.back);
        p.setColor(g, QPalette::Base, c.back);
        p.setColor(g, QPalette::AlternateBase, c.back);
        p.setColor(g, QPalette::Light, c.light);
        p.setColor(g, QPalette::Midlight, Blend(c.back, c.light, 0.5));
        p.setColor(g, QPalette::Mid, Blend(c.back, c.dark, 0.5));
        p.setColor(g, QPalette::Dark, c.dark);
    }
    return p;
}

QPalette ReminderSystemPalette(const QPalette& system) {
    // Every role set, so that the window's colours do not reach the control.
    QPalette p;
    for (int g = 0; g < QPalette::NColorGroups; ++g)
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto group = static_cast<QPalette::ColorGroup>(g);
            const auto role = static_cast<QPalette::ColorRole>(r);
            p.setBrush(group, role, system.brush(group, role));
        }
    return p;
}

QPalette ReminderCheckBoxPalette(const ReminderColours& c, const QPalette& system) {
    QPalette p = ReminderSystemPalette(system);
    p.setColor(QPalette::Window, c.back);
    SetTexts(p, c, {QPalette::WindowText});
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
