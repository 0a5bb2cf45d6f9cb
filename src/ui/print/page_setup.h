#pragma once
// The page margins between the settings and the printer's page layout: the page-setup dialog
// starts from the stored margins, and its margins are written back when it closes with OK.

#include "platform/edge_settings.h"

#include <QMarginsF>
#include <QPageLayout>

namespace zm {

// The margins in the page-setup units (hundredths of a millimetre when metric, else
// thousandths of an inch) as the dialog's, and back, rounded to the nearest unit.
QMarginsF DialogMargins(const Edges& margins, bool metric);
Edges MarginsFromDialog(const QMarginsF& margins, bool metric);
QPageLayout::Unit DialogUnit(bool metric);

} // namespace zm
