#pragma once
// Settings that hold four edges (left, top, right, bottom) as a 16-byte little-endian value:
// the page margins and the main window's normal placement.

#include "platform/setting_table.h"

#include <optional>

namespace zm {

struct Edges {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Edges&, const Edges&) = default;
};

// Nothing when the value is missing or damaged.
std::optional<Edges> ReadEdges(const Settings& settings, SettingId id);
void WriteEdges(Settings& settings, SettingId id, const Edges& edges);

// The page margins in the page-setup dialog's units: hundredths of a millimetre when the locale
// measures in metric, else thousandths of an inch. They are stored in thousandths of an inch;
// the metric conversion (by 254/100) rounds both ways, reading the roundest metric value that
// saves as the stored one, so 25 mm stays 25 mm however often it is read and saved. Without a
// stored value every margin is 25 mm or one inch; a negative margin reads as 0.
Edges ReadPageMargins(const Settings& settings, bool metric);
void WritePageMargins(Settings& settings, const Edges& margins, bool metric);

} // namespace zm
