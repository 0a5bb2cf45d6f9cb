#include "ui/print/page_setup.h"

#include <cmath>

namespace zm {
namespace {

// Page-setup units per unit of the dialog.
double UnitsPer(bool metric) {
    return metric ? 100.0 : 1000.0;
}

int Rounded(double v, bool metric) {
    return static_cast<int>(std::lround(std::max(v, 0.0) * UnitsPer(metric)));
}

} // namespace

QPageLayout::Unit DialogUnit(bool metric) {
    return metric ? QPageLayout::Millimeter : QPageLayout::Inch;
}

QMarginsF DialogMargins(const Edges& m, bool metric) {
    const double d = UnitsPer(metric);
    return {m.left / d, m.top / d, m.right / d, m.bottom / d};
}

Edges MarginsFromDialog(const QMarginsF& m, bool metric) {
    return {Rounded(m.left(), metric), Rounded(m.top(), metric), Rounded(m.right(), metric),
            Rounded(m.bottom(), metric)};
}

} // namespace zm
