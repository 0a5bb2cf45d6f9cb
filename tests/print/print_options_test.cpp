// The print options and margins as a job reads them from the settings.

#include "platform/memory_settings.h"
#include "print/print_options.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(PrintOptions, MarginsBecomePageLengthsWithoutDrift) {
    struct Case {
        int dialogValue;
        bool metric;
        int units;
    } const cases[] = {{2500, true, 250}, {1000, false, 254}, {984, false, 250},
                       {2504, true, 250}, {2505, true, 251},  {-7, true, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(MarginToUnits(c.dialogValue, c.metric), c.units) << c.dialogValue;

    // Saved from a metric page setup and read again any number of times: still 25 mm.
    MemorySettings s;
    EXPECT_EQ(ReadPrintOptions(s, true).margins, (Edges{250, 250, 250, 250}));
    EXPECT_EQ(ReadPrintOptions(s, false).margins, (Edges{254, 254, 254, 254}));
    for (int save = 0; save < 4; ++save)
        WritePageMargins(s, ReadPageMargins(s, true), true);
    EXPECT_EQ(ReadPrintOptions(s, true).margins, (Edges{250, 250, 250, 250}));
}

TEST(PrintOptions, AllOnByDefaultEachReadFromItsSetting) {
    MemorySettings s;
    const PrintOptions on = ReadPrintOptions(s, false);
    EXPECT_TRUE(on.HasHeader() && on.HasFooter() && on.colour && on.notes);
    for (SettingId id :
         {SettingId::PrintTitle, SettingId::PrintTimeSpan, SettingId::PrintColour,
          SettingId::PrintNotes, SettingId::PrintDateTime, SettingId::PrintPageNumber})
        WriteBool(s, id, false);
    const PrintOptions off = ReadPrintOptions(s, false);
    EXPECT_FALSE(off.HasHeader() || off.HasFooter() || off.colour || off.notes);
}

} // namespace
} // namespace zm
