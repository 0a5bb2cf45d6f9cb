#include "res/strings.h"
#include "store/transfer/text_export.h"
#include "support/memory_file_system.h"
#include "support/transfer_fixture.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace zm {
namespace {

using testing::ExportText;
using testing::MemoryLibrary;

EventRecord Lunch(const std::string& notes = "") {
    EventRecord e;
    e.name = "Lunch";
    e.start = DateTime::FromParts(2000, 12, 31, 12, 0, 0);
    e.typeName = "Meeting";
    e.notes = notes;
    return e;
}

TextExportOptions Options(char separator, bool dos = false, int page = 437) {
    TextExportOptions o;
    o.separator = separator;
    o.dos = dos;
    o.oemCodePage = page;
    o.locale = test::EnglishUs();
    return o;
}

TEST(ExportText, AnEventWithEmptyNotesEndsWithItsTypeAndOneSeparator) {
    MemoryLibrary m;
    EventRecord e = Lunch();
    ASSERT_EQ(m.library.AddEvent(e), LibraryResult::Ok);
    EXPECT_EQ(ExportText(m.library, Options('\t')),
              "Name\tDate\tTime\tDuration\tType\tNotes\r\n"
              "Lunch\t12/31/2000\t12:00 PM\t30 minutes\tMeeting\t\r\n");
    EXPECT_EQ(ExportText(m.library, Options(',')),
              "\"Name\",\"Date\",\"Time\",\"Duration\",\"Type\",\"Notes\"\r\n"
              "\"Lunch\",\"12/31/2000\",\"12:00 PM\",\"30 minutes\",\"Meeting\",\r\n");
}

TEST(ExportText, QuotesWhatWouldOtherwiseSplitTheRecord) {
    MemoryLibrary m;
    EventRecord e = Lunch("say \"hi\"\r\nthen\tgo");
    e.name = "a,b";
    ASSERT_EQ(m.library.AddEvent(e), LibraryResult::Ok);
    const std::string tab = ExportText(m.library, Options('\t'));
    EXPECT_NE(tab.find("\r\na,b\t12/31/2000\t12:00 PM\t30 minutes\tMeeting\t"
                       "\"say \"\"hi\"\"\r\nthen\tgo\"\r\n"),
              std::string::npos)
        << tab;
    const std::string comma = ExportText(m.library, Options(','));
    EXPECT_NE(comma.find("\"a,b\""), std::string::npos);
}

TEST(ExportText, TheDosKindsAreInTheOemCodePage) {
    MemoryLibrary m;
    EventRecord e = Lunch("Caf\xC3\xA9 \xE2\x82\xAC"); // "Café €"
    ASSERT_EQ(m.library.AddEvent(e), LibraryResult::Ok);
    const std::string dos = ExportText(m.library, Options('\t', true, 437));
    EXPECT_NE(dos.find("\tCaf\x82 ?\r\n"), std::string::npos); // no euro sign in 437
    const std::string windows = ExportText(m.library, Options('\t', false));
    EXPECT_NE(windows.find("\tCaf\xC3\xA9 \xE2\x82\xAC\r\n"), std::string::npos);
}

TEST(ExportText, AReadFailureEndsTheExportWithItsCode) {
    MemoryLibrary m;
    EventRecord e = Lunch();
    ASSERT_EQ(m.library.AddEvent(e), LibraryResult::Ok);
    auto bytes = std::make_shared<FileBytes>();
    MemoryFile file(bytes);
    LibraryExportSource source(m.library);
    const TransferResult r = ExportTextTo(file, {e.key, 77}, source, Options(','));
    EXPECT_EQ(r.code, LibraryResult::Corrupted);
    EXPECT_EQ(r.events, 1);
    EXPECT_NE(testing::Text(*bytes).find("Lunch"), std::string::npos);
}

TEST(ExportText, AFullDiskIsReportedAsAFileThatCannotBeWritten) {
    MemoryLibrary m;
    EventRecord e = Lunch();
    ASSERT_EQ(m.library.AddEvent(e), LibraryResult::Ok);
    auto bytes = std::make_shared<FileBytes>();
    auto memory = std::make_unique<MemoryFile>(bytes);
    memory->SetCapacity(10);
    LibraryExportSource source(m.library);
    const TransferResult r = ExportTextTo(*memory, {e.key}, source, Options(','));
    EXPECT_EQ(r.code, LibraryResult::TransferFileFailed);
    EXPECT_EQ(r.problem.textId, IDS_IE_CANNOT_WRITE);
    EXPECT_EQ(r.problem.Message().rfind("Can not write to file\n", 0), 0u);
}

TEST(ExportText, AFileThatCannotBeCreatedIsReported) {
    MemoryLibrary m;
    LibraryExportSource source(m.library);
    MemoryFileSystem files;
    files.failOpen = EACCES;
    const TransferResult r = ExportTextFile(files, "/data/x.csv", {}, source, Options(','));
    EXPECT_EQ(r.code, LibraryResult::TransferFileFailed);
    EXPECT_EQ(r.problem.Message(), "Can not write to file\n/data/x.csv\n\nAccess Denied.\n");
}

} // namespace
} // namespace zm
