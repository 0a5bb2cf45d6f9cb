// "export" and "import" on a data folder of their own.

#include "cli/companion_service.h"
#include "cli_fixture.h"
#include "store/transfer/import_log.h"
#include "support/hosted_program.h"

#include <fstream>
#include <iterator>

namespace zm::testing {
namespace {

class TransferCommands : public CliTest {
protected:
    void Write(const std::string& name, const std::string& text) {
        std::ofstream(folder_.File(name), std::ios::binary) << text;
    }
    std::string Contents(const std::string& name) {
        std::ifstream in(folder_.File(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<std::string> Names() {
        std::vector<std::string> out;
        const auto doc = Run({"--json", "list"}).WantsJson();
        for (const auto& e : doc["events"])
            out.push_back(e["name"]);
        return out;
    }
};

TEST_F(TransferCommands, ExportsAllEventsOrTheKeysGivenToEachKind) {
    const auto keys =
        Store({Event("Lunch", At(2000, 12, 31, 12, 0)), Event("Tea", At(2001, 1, 2, 16, 5))});
    CliResult r = Run({"export", folder_.File("all.csv"), "--kind", "csv"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.out, "2 events exported.\n");
    EXPECT_EQ(Contents("all.csv"), "\"Name\",\"Date\",\"Time\",\"Duration\",\"Type\",\"Notes\"\r\n"
                                   "\"Lunch\",\"12/31/2000\",\"12:00 PM\",\"30 minutes\",,\r\n"
                                   "\"Tea\",\"1/2/2001\",\"4:05 PM\",\"30 minutes\",,\r\n");
    // The keys given, in the order given.
    r = Run({"export", folder_.File("two.txt"), "--kind", "tsv", "--keys",
             std::to_string(keys[1]) + "," + std::to_string(keys[0])});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(Contents("two.txt"), "Name\tDate\tTime\tDuration\tType\tNotes\r\n"
                                   "Tea\t1/2/2001\t4:05 PM\t30 minutes\t\t\r\n"
                                   "Lunch\t12/31/2000\t12:00 PM\t30 minutes\t\t\r\n");
    r = Run({"--json", "export", folder_.File("copy.VR0"), "--kind", "events"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.WantsJson()["exported"], 2);
}

TEST_F(TransferCommands, ImportsATextFileWithItsLog) {
    Write("in.csv", "Name,Date,Time\r\nLunch,12/31/2000,12:00 PM\r\nBad,31/12/2000\r\n\r\n");
    CliResult r = Run({"import", folder_.File("in.csv"), "--kind", "csv"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.out, "1 events successfully imported.\n1 records with errors.\n"
                     "0 stored events replaced.\n"
                     "The record 3 is not imported. Reason: invalid date.\n");
    EXPECT_EQ(Names(), std::vector<std::string>{"Lunch"});
    // The same file again, with duplicates skipped, as JSON.
    r = Run({"--json", "import", folder_.File("in.csv"), "--kind", "csv", "--duplicates", "skip"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.WantsJson(), nlohmann::json::parse(R"({"imported":0,"replaced":0,"errors":2,"log":[
        {"record":2,"reason":"Duplicate is skipped"},{"record":3,"reason":"invalid date"}]})"));
}

TEST_F(TransferCommands, AHeaderLineThatNamesTheFieldsBindsThemByName) {
    Write("in.csv", "Notes,Name,Date\r\nwith Ann,Lunch,12/31/2000\r\n");
    const CliResult r = Run({"import", folder_.File("in.csv"), "--kind", "csv"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(Names(), std::vector<std::string>{"Lunch"});
    const CliResult shown = Run({"show", "1"});
    EXPECT_NE(shown.out.find("with Ann"), std::string::npos) << shown.out;
}

TEST_F(TransferCommands, ImportOptionsBindFieldsAndGiveDefaults) {
    Write("in.txt", "31.12.2000\tLunch\tsoon\r\n");
    const CliResult r = Run({"import", folder_.File("in.txt"), "--kind", "tsv", "--no-header",
                             "--date-order", "dmy", "--bind", "date,name,-", "--default-advance",
                             "15", "--default-duration", "2 h", "--default-repeat", "yearly"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    const auto doc = Run({"--json", "list"}).WantsJson();
    const auto& list = doc["events"];
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]["name"], "Lunch");
    EXPECT_EQ(list[0]["start"], "2000-12-31T00:00:00");
    EXPECT_EQ(list[0]["description"], "Every December 31");
    const CliResult shown = Run({"show", "1"});
    EXPECT_NE(shown.out.find("2 hours"), std::string::npos) << shown.out;
}

TEST_F(TransferCommands, RefusesWhatItCannotDo) {
    Write("in.csv", "Lunch,12/31/2000\r\n");
    const struct {
        std::vector<std::string> args;
        int status;
        const char* message;
    } cases[] = {
        {{"import", folder_.File("in.dat")}, kExitUsage, "cannot be told from its name"},
        {{"import", folder_.File("in.csv"), "--kind", "xls"}, kExitUsage, "is not a file kind"},
        {{"export", folder_.File("o.vrh"), "--kind", "holidays"}, kExitUsage, "is not a file kind"},
        {{"import", folder_.File("in.csv"), "--date-order", "dym"}, kExitUsage, "not a date order"},
        {{"import", folder_.File("in.csv"), "--bind", "name,name"}, kExitUsage, "list of fields"},
        {{"import", folder_.File("in.csv"), "--bind", "name,time"},
         kExitUsage,
         "Please bind any file field"},
        {{"import", folder_.File("in.csv"), "--duplicates", "merge"}, kExitUsage, "skip, replace"},
        {{"import", folder_.File("in.csv"), "--default-repeat", "daily", "--default-advance",
          "1 day"},
         kExitUsage,
         "before the previous occurrence"},
        {{"import", folder_.File("in.csv"), "--default-duration", "0"}, kExitUsage, "not valid"},
        {{"import", folder_.File("in.csv"), "--default-type", "Nope"},
         kExitUsage,
         "no event type named"},
        {{"import", folder_.File("x.VR0"), "--no-header"}, kExitUsage, "for text files only"},
        {{"import", folder_.File("missing.csv"), "--kind", "csv"},
         kExitFailure,
         "Can not read file\n"},
        {{"import", folder_.File("in.csv"), "--kind", "csv-dos", "--code-page", "12345"},
         kExitFailure,
         "code page 12345 is not available"},
        {{"export", folder_.File("out.csv"), "--keys", "1,0"}, kExitUsage, "not an event key"},
        {{"export", folder_.Path() + "/no/such/folder/out.csv", "--kind", "csv"},
         kExitFailure,
         "Can not write to file\n"},
    };
    for (const auto& c : cases) {
        const CliResult r = Run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[1] << " " << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_TRUE(Names().empty());
}

TEST_F(TransferCommands, FilesFromOtherSystemsAndFilesWithoutRecords) {
    Write("lf.csv", "Name,Date\nLunch,12/31/2000\nTea,1/2/2001\n");
    CliResult r = Run({"import", folder_.File("lf.csv")});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(Names(), (std::vector<std::string>{"Lunch", "Tea"}));
    Write("empty.csv", "Name,Date\r\n\r\n");
    r = Run({"import", folder_.File("empty.csv"), "--bind", "name,date"});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_NE(r.err.find("The file holds no records to import."), std::string::npos) << r.err;
}

// A file of thousands of bad records: the log shows the first entries and counts the others.
TEST_F(TransferCommands, ALongImportLogIsCutAfterItsFirstEntries) {
    std::string csv = "Name,Date\n";
    for (int i = 0; i < kImportLogLimit + 700; ++i)
        csv += "Bad " + std::to_string(i) + ",never\n";
    Write("bad.csv", csv);
    CliResult r = Run({"import", folder_.File("bad.csv")});
    std::istringstream lines(r.out);
    std::string line, last;
    int count = 0;
    while (std::getline(lines, line)) {
        ++count;
        last = line;
    }
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "0 events successfully imported.") << r.out;
    EXPECT_NE(r.out.find(std::to_string(kImportLogLimit + 700) + " records with errors."),
              std::string::npos);
    EXPECT_EQ(last, "700 more records are not imported; the log shows the first " +
                        std::to_string(kImportLogLimit) + ".");
    r = Run({"--json", "import", folder_.File("bad.csv")});
    EXPECT_EQ(r.WantsJson()["errors"], kImportLogLimit + 700);
    EXPECT_EQ(r.WantsJson()["log"].size(), static_cast<size_t>(kImportLogLimit));
    EXPECT_EQ(r.WantsJson()["unlogged"], 700);
    EXPECT_GT(count, kImportLogLimit);
}

// Carried out by the running program, a long import lets the program's loop go on now and then;
// a request that comes meanwhile is refused as busy, and the answer fits the protocol.
TEST_F(TransferCommands, AnImportThroughTheProgramLetsItsLoopGoOn) {
    TempFolder programFolder;
    HostedProgram program(programFolder.Path(), now_);
    ASSERT_EQ(program.opened, LibraryResult::Ok);
    CompanionService service(program.env);
    std::string csv = "Name,Date\n";
    for (int i = 0; i < 3000; ++i)
        csv += "E" + std::to_string(i) + (i % 2 ? ",1/2/2030\n" : ",never\n");
    Write("many.csv", csv);
    int breaths = 0;
    std::vector<CompanionAnswer> meanwhile;
    program.host.keepAlive = [&] {
        if (breaths++ == 0)
            meanwhile.push_back(service.Serve({RequestKind::Run,
                                               {"add", "Other", "2025-03-12 09:00"},
                                               folder_.Path(),
                                               programFolder.Path()}));
    };
    const CompanionAnswer answer = service.Serve(
        {RequestKind::Run, {"import", "many.csv"}, folder_.Path(), programFolder.Path()});
    EXPECT_EQ(answer.status, kExitOk) << answer.err;
    EXPECT_EQ(answer.out.substr(0, answer.out.find('\n')), "1500 events successfully imported.");
    EXPECT_GT(breaths, 0);
    ASSERT_EQ(meanwhile.size(), 1u);
    EXPECT_EQ(meanwhile[0].outcome, AnswerOutcome::Refused);
    EXPECT_EQ(meanwhile[0].err, "Zantimore is busy; give the command again in a moment.\n");
    EXPECT_EQ(program.store.Library().CountEvents(), 1500);
}

TEST_F(TransferCommands, AnImportThatStopsTellsWhatItStored) {
    Store({Event("A", At(2025, 1, 1)), Event("B", At(2025, 1, 2)), Event("C", At(2025, 1, 3))});
    ASSERT_EQ(Run({"export", folder_.File("three.VR0")}).status, kExitOk);
    // The last event's block is cut short.
    std::filesystem::resize_file(folder_.File("three.VR0"),
                                 std::filesystem::file_size(folder_.File("three.VR0")) - 100);
    std::filesystem::remove(LibraryPath());
    CliResult r = Run({"import", folder_.File("three.VR0")});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "2 events successfully imported.") << r.out;
    EXPECT_NE(r.err.find("The event file is damaged"), std::string::npos) << r.err;
    EXPECT_EQ(Names().size(), 2u);
    r = Run({"--json", "import", folder_.File("three.VR0")});
    EXPECT_EQ(r.WantsJson()["imported"], 2);
    EXPECT_TRUE(r.WantsJson().contains("error"));
}

TEST_F(TransferCommands, AnEventFileAndAHolidayFileAreMerged) {
    Store({Event("Christmas", At(2025, 12, 25)), Event("Boxing Day", At(2025, 12, 26))});
    ASSERT_EQ(Run({"export", folder_.File("Holidays.VRH"), "--kind", "events"}).status, kExitOk);
    std::filesystem::remove(LibraryPath());
    CliResult r = Run({"--json", "import", folder_.File("Holidays.VRH"), "--kind", "holidays"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.WantsJson()["imported"], 2);
    // Holidays never come in twice, whatever --duplicates says.
    r = Run({"--json", "import", folder_.File("Holidays.VRH"), "--kind", "holidays", "--duplicates",
             "allow"});
    EXPECT_EQ(r.WantsJson()["imported"], 0);
    // An event file brings everything in by default, and replaces on request.
    r = Run({"--json", "import", folder_.File("Holidays.VRH"), "--kind", "events"});
    EXPECT_EQ(r.WantsJson()["imported"], 2);
    EXPECT_EQ(Names().size(), 4u);
    r = Run({"--json", "import", folder_.File("Holidays.VRH"), "--kind", "events", "--duplicates",
             "replace"});
    EXPECT_EQ(r.WantsJson()["replaced"], 2);
    EXPECT_EQ(Names().size(), 4u);
}

// A Windows text grows when it is read as UTF-8; an event that no longer fits is shortened,
// and the import says which.
TEST_F(TransferCommands, AnImportNamesTheEventsItShortened) {
    {
        EventLibrary file;
        ASSERT_EQ(file.Create(folder_.File("old.VR0")), LibraryResult::Ok);
        EventRecord e = Event("Letter", At(2025, 3, 1, 9, 0));
        e.notes = std::string(4900, '\xe4'); // Windows-1252: twice as long as UTF-8
        ASSERT_EQ(file.AddEvent(e), LibraryResult::Ok);
    }
    CliResult r = Run({"import", folder_.File("old.VR0")});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.out, "1 events successfully imported.\n0 records with errors.\n"
                     "0 stored events replaced.\n"
                     "key 1: the name and notes were shortened to fit the library.\n");
    r = Run({"--json", "import", folder_.File("old.VR0")});
    EXPECT_EQ(r.WantsJson()["shortened"],
              nlohmann::json::array({21})); // after the 20 blocks of the first
}

} // namespace
} // namespace zm::testing
