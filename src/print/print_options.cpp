#include "print/print_options.h"

#include "platform/setting_table.h"

#include <cstdint>

namespace zm {

int MarginToUnits(int dialogValue, bool metric) {
    // Hundredths of a millimetre: / 10; thousandths of an inch: * 254 / 1000.
    const int64_t numerator = metric ? 1 : 254;
    const int64_t denominator = metric ? 10 : 1000;
    const int64_t v = dialogValue < 0 ? 0 : dialogValue;
    return static_cast<int>((v * numerator + denominator / 2) / denominator);
}

PrintOptions ReadPrintOptions(const Settings& settings, bool metric) {
    PrintOptions o;
    o.title = ReadBool(settings, SettingId::PrintTitle);
    o.timeSpan = ReadBool(settings, SettingId::PrintTimeSpan);
    o.colour = ReadBool(settings, SettingId::PrintColour);
    o.notes = ReadBool(settings, SettingId::PrintNotes);
    o.dateTime = ReadBool(settings, SettingId::PrintDateTime);
    o.pageNumber = ReadBool(settings, SettingId::PrintPageNumber);
    const Edges m = ReadPageMargins(settings, metric);
    auto units = [metric](int v) { return MarginToUnits(v, metric); };
    o.margins = {units(m.left), units(m.top), units(m.right), units(m.bottom)};
    return o;
}

} // namespace zm
