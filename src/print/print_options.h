#pragma once
// What a print job or preview reads from the settings when it begins: the six options of the
// Printing page and the page margins, the margins as page lengths in tenths of a millimetre.

#include "platform/edge_settings.h"
#include "platform/settings.h"

namespace zm {

// Page lengths are tenths of a millimetre; y grows downward from the top of the paper.
inline constexpr int kUnitsPerMm = 10;

struct PrintOptions {
    bool title = true;
    bool timeSpan = true;
    bool colour = true;
    bool notes = true;
    bool dateTime = true;
    bool pageNumber = true;
    Edges margins; // from the paper's edges
    bool HasHeader() const { return title || timeSpan; }
    bool HasFooter() const { return dateTime || pageNumber; }
};

// A margin in the page-setup dialog's units (hundredths of a millimetre when metric, else
// thousandths of an inch) as a page length, rounded to the nearest unit.
int MarginToUnits(int dialogValue, bool metric);
PrintOptions ReadPrintOptions(const Settings& settings, bool metric);

} // namespace zm
