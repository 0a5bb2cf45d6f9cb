#include "cli/iso_time.h"
#include "cli_fixture.h"

namespace zm::testing {
namespace {

TEST(CliInstant, ReadsTheDateAndTimeFormsAndRefusesTheRest) {
    struct Case {
        const char* text;
        bool ok;
        const char* iso;
    };
    const Case cases[] = {
        {"2025-03-10T09:30:15", true, "2025-03-10T09:30:15"},
        {"2025-03-10 09:30:15", true, "2025-03-10T09:30:15"},
        {"2025-03-10 09:30", true, "2025-03-10T09:30:00"},
        {"2025-03-10", true, "2025-03-10T00:00:00"},
        {"2024-02-29 23:59:59", true, "2024-02-29T23:59:59"},
        {"2025-02-29", false, ""},
        {"2025-03-10 24:00", false, ""},
        {"2025-03-10T09:60", false, ""},
        {"2025-3-10", false, ""},
        {"2025-03-10X09:30", false, ""},
        {"2025-03-10 09:30:", false, ""},
        {"0099-01-01", false, ""},
        {"", false, ""},
        {"2025-03-10 09:30:15 ", false, ""},
    };
    for (const Case& c : cases) {
        const auto t = ParseCliInstant(c.text);
        EXPECT_EQ(t.has_value(), c.ok) << c.text;
        if (t) {
            EXPECT_EQ(IsoInstant(*t), c.iso) << c.text;
        }
    }
    EXPECT_EQ(IsoInstant(DateTime()), "1899-12-30T00:00:00");
    EXPECT_FALSE(ParseCliDate("2025-03-10T00:00:00"));
}

class CommandLine : public CliTest {};

TEST_F(CommandLine, UsageErrorsExitWithTwoAndSayWhatIsWrong) {
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{}, "No command given."},
        {{"frobnicate"}, "Unknown command \"frobnicate\"."},
        {{"list", "--colour"}, "Unknown option \"--colour\"."},
        {{"--at"}, "The option --at needs a value."},
        {{"--at", "tomorrow", "list"}, "\"tomorrow\" is not a date and time"},
        {{"--work-week", "128", "list"}, "\"128\" is not a work week"},
        {{"--work-week", "0x3e", "list"}, "\"0x3e\" is not a work week"},
        {{"--check-weekend", "yes", "list"}, "--check-weekend takes on or off"},
        {{"--json=yes", "list"}, "The option --json takes no value."},
        {{"show"}, "Wrong number of arguments for show."},
        {{"list", "extra"}, "Wrong number of arguments for list."},
        {{"show", "0"}, "\"0\" is not an event key (1 to 3999) or id (id:NUMBER)."},
        {{"show", "id:0"}, "\"id:0\" is not an event key"},
        {{"accept", "id:"}, "\"id:\" is not an event key"},
        {{"delete", "id:4294967296"}, "\"id:4294967296\" is not an event key"},
        {{"export", "x.csv", "--keys", "1,id:7x"}, "\"id:7x\" is not an event key"},
        {{"show", "4000"}, "\"4000\" is not an event key"},
        {{"occurrences", "1", "2025-13-01", "3"}, "\"2025-13-01\" is not a date and time"},
        {{"occurrences", "1", "2025-03-01", "0"}, "\"0\" is not a number from 1 to 10000."},
        {{"agenda", "today"}, "\"today\" is not a date of the form YYYY-MM-DD."},
    };
    for (const Case& c : cases) {
        const CliResult r = Run(c.args);
        std::string line;
        for (const auto& a : c.args)
            line += a + " ";
        EXPECT_EQ(r.status, kExitUsage) << line;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << line << "\n" << r.err;
        EXPECT_EQ(r.out, "") << line;
    }
}

TEST_F(CommandLine, CommonOptionsMayFollowTheCommandAndTakeTheEqualsForm) {
    Store({Event("Dentist", At(2025, 3, 10, 9, 0))});
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--json", "list"},
             {"list", "--json"},
             {"list", "--data=" + folder_.Path(), "--json"},
             {"--data", "/nonexistent-folder", "list", "--json", "--data", folder_.Path()},
         }) {
        const CliResult r = Run(args);
        EXPECT_EQ(r.status, kExitOk) << r.err;
        EXPECT_EQ(r.WantsJson()["events"].size(), 1u) << r.out;
    }
}

TEST_F(CommandLine, HelpPrintsTheUsageAndSucceeds) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--help"}, {"help"}, {"help", "add"}, {"add", "--help"}}) {
        const CliResult r = Run(args);
        EXPECT_EQ(r.status, kExitOk) << args[0];
        EXPECT_EQ(r.out.rfind("Usage: zantimore-cli", 0), 0u) << args[0];
    }
}

TEST_F(CommandLine, WithoutADataFolderCommandsFailClearly) {
    env_.dataFolder.clear();
    const CliResult r = Run({"list"});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_NE(r.err.find("The data folder cannot be determined"), std::string::npos);
}

} // namespace
} // namespace zm::testing
