#include "res/format_text.h"
#include "res/strings.h"

#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace zm {
namespace {

TEST(StringTable, FindsTextsByNumberAndIsEmptyForUnknownNumbers) {
    EXPECT_STREQ(LoadString(IDS_PATTERN_NOT_VALID), "The recurrence pattern is not valid.");
    EXPECT_STREQ(LoadString(59302), " [ %d day more ]");
    EXPECT_STREQ(LoadString(128), "Zantimore Pro");
    EXPECT_STREQ(LoadString(1), "");
    EXPECT_STREQ(LoadString(65535), "");
}

TEST(StringTable, KeepsEscapesAndTheTextsAsWritten) {
    EXPECT_STREQ(LoadString(58069), "The snooze period for an occurrence cannot be set to appear "
                                    "before start.\nShortern the snooze time or remove \"before "
                                    "start\".");
    EXPECT_STREQ(LoadString(IDS_IE_BIND_NAME_AND_DATE),
                 "Please bind any file field to \"Name\" and \"Date\" fields");
    EXPECT_STREQ(LoadString(IDS_IMPORT_LOG_CAPTION), "Imort Log");
    EXPECT_STREQ(LoadString(IDS_PRINTING_DATE_TIME), "&Date && Time");
    EXPECT_STREQ(LoadString(IDS_ELEM_SAMPLE_3), "1 Jan '00 (Sat)\td MMM ''yy (ddd)");
    EXPECT_EQ(std::string(LoadString(58053)).back(), '\n');
}

TEST(StringTable, NumbersNamesAndTextsAreWellFormed) {
    std::set<int> ids;
    std::set<std::string> names;
    for (const StringEntry& e : AllStrings()) {
        EXPECT_TRUE(ids.insert(e.id).second) << e.id;
        EXPECT_TRUE(names.insert(e.name).second) << e.name;
        EXPECT_EQ(std::string(e.name).rfind("IDS_", 0), 0u) << e.name;
        EXPECT_GT(e.id, 0);
        EXPECT_LT(e.id, 65536) << e.name; // string numbers are 16-bit
        EXPECT_NE(e.text[0], '\0') << e.name;
    }
}

// A conversion the text formatter does not know would show up verbatim on screen.
TEST(StringTable, EveryPercentSignIsAConversionTheFormatterKnows) {
    const std::regex conversion(R"(%([-+ 0#]*[0-9]*(\.[0-9]+)?[diuxXcs%]|[1-9]|$))");
    for (const StringEntry& e : AllStrings()) {
        const std::string text = e.text;
        for (size_t i = text.find('%'); i != std::string::npos; i = text.find('%', i + 1)) {
            std::smatch m;
            const std::string rest = text.substr(i);
            EXPECT_TRUE(
                std::regex_search(rest, m, conversion, std::regex_constants::match_continuous))
                << e.name << " at " << i;
            if (rest.size() > 1 && rest[1] == '%') ++i;
        }
    }
}

TEST(StringTable, TheCrashReportFillsToItsFixedLayout) {
    std::vector<FormatArg> args = {0xC0000005u, 0x401000, "write"};
    for (int i = 0; i < 16 + 16; ++i)
        args.emplace_back(i);
    const std::string report = FormatString(LoadString(IDS_CRASH_REPORT), args);
    EXPECT_EQ(report.rfind("Version    : 3.6.1\r\nException  : c0000005\r\nAddress    : "
                           "00401000\r\n",
                           0),
              0u);
    EXPECT_NE(report.find("Type       : write\r\nRegisters  : EAX=00000000 CS=0001 "),
              std::string::npos);
    EXPECT_EQ(report.substr(report.size() - 8), "0000001f");
    EXPECT_LT(report.size(), 1152u); // the report buffer of the crash dialog
}

} // namespace
} // namespace zm
