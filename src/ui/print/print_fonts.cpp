#include "ui/print/print_fonts.h"

#include "adapters/gui/qt_font.h"
#include "platform/font_setting.h"
#include "print/print_options.h"

#include <QFontMetricsF>
#include <QString>
#include <cmath>

namespace zm {
namespace {

constexpr int kPointsPerInch = 72;
constexpr int kUnitsPerInch = 254;

QFont PageFont(const Settings& settings, SettingId id) {
    const FontDescription description = ReadFont(settings, id, kPointsPerInch);
    QFont font = ToQFont(description);
    const int points = PointSizeOf(description, kPointsPerInch);
    font.setPixelSize(std::max(1, (points * kUnitsPerInch + kPointsPerInch / 2) / kPointsPerInch));
    // The same advances on the printer, the preview and in the layout.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

PrintFonts::PrintFonts(const Settings& settings)
    : fonts_{PageFont(settings, SettingId::PrintHeaderFont),
             PageFont(settings, SettingId::PrintTextFont),
             PageFont(settings, SettingId::PrintFooterFont)} {
    for (const QFont& font : fonts_)
        metrics_.emplace_back(font);
}

int PrintFonts::Ascent(FontRole role) const {
    return static_cast<int>(std::ceil(metrics_[static_cast<size_t>(role)].ascent()));
}

int PrintFonts::TextWidth(FontRole role, std::string_view text) const {
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return static_cast<int>(std::ceil(metrics_[static_cast<size_t>(role)].horizontalAdvance(s)));
}

int PrintFonts::LineHeight(FontRole role) const {
    return static_cast<int>(std::ceil(metrics_[static_cast<size_t>(role)].height()));
}

} // namespace zm
