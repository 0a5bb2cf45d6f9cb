// What an import makes of files from other systems, and what it tells when it stops early.

#include "platform/memory_settings.h"
#include "res/strings.h"
#include "store/transfer/import_date.h"
#include "support/transfer_fixture.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

using testing::ImportOptions;
using testing::ImportText;
using testing::MemoryLibrary;
using testing::StoredEvents;

using Records = std::vector<std::vector<std::string>>;

Records ReadAll(std::string_view bytes) {
    StringByteSource source(bytes);
    TextRecordReader reader(source, ',');
    Records out;
    std::vector<std::string> fields;
    while (reader.Next(fields) == TextRecordReader::Status::Record)
        out.push_back(fields);
    return out;
}

TEST(TextRecordReader, EndsARecordAtCrLfLfOrALoneCrOutsideQuotes) {
    const struct {
        const char* what;
        std::string bytes;
        Records expected;
    } cases[] = {
        {"LF", "a,b\nc,d\n", {{"a", "b"}, {"c", "d"}}},
        {"lone CR", "a,b\rc,d\r", {{"a", "b"}, {"c", "d"}}},
        {"mixed", "a\r\nb\nc\rd", {{"a"}, {"b"}, {"c"}, {"d"}}},
        {"LF CR is two ends", "a\n\rb", {{"a"}, {""}, {"b"}}},
        {"blank LF lines", "a\n\n", {{"a"}, {""}}},
        {"quoted keeps its line ends", "\"x\ny\rz\",w\n", {{"x\ny\rz", "w"}}},
        {"after a closing quote", "\"x\"\ny\n", {{"x"}, {"y"}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadAll(c.bytes), c.expected) << c.what;
}

std::string Utf16(std::string_view ascii, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char ch : ascii) {
        out.push_back(bigEndian ? '\0' : ch);
        out.push_back(bigEndian ? ch : '\0');
    }
    return out;
}

TEST(ImportText, ReadsFilesInUtf16OfEitherByteOrderInEveryKind) {
    const std::string text = "Name,Date\r\nA,1/2/2030\r\nB,1/3/2030\r\n";
    for (bool dos : {false, true})
        for (bool bigEndian : {false, true}) {
            MemoryLibrary m;
            TextImportOptions o = ImportOptions(',', true);
            o.dos = dos;
            const TextImportResult r = ImportText(m.library, Utf16(text, bigEndian), o);
            EXPECT_EQ(r.code, LibraryResult::Ok);
            EXPECT_EQ(r.imported, 2) << dos << bigEndian;
            EXPECT_TRUE(r.log.empty());
            const auto events = StoredEvents(m.library);
            ASSERT_EQ(events.size(), 2u);
            EXPECT_EQ(events[0].name, "A"); // the mark is not part of the first field
        }
}

TEST(ImportText, AFileWithoutRecordsOrNotTextIsRefusedWithItsCause) {
    const struct {
        const char* what;
        std::string bytes;
        bool header;
        int detail;
    } cases[] = {
        {"empty", "", false, IDS_IE_NO_RECORDS},
        {"blank lines only", "\r\n\n\r", false, IDS_IE_NO_RECORDS},
        {"the header line alone", "Name,Date\r\n", true, IDS_IE_NO_RECORDS},
        {"UTF-16 without its mark",
         std::string("A\0,\0"
                     "1\0\r\0\n\0",
                     10),
         false, IDS_IE_NOT_TEXT},
    };
    for (const auto& c : cases) {
        MemoryLibrary m;
        const TextImportResult r = ImportText(m.library, c.bytes, ImportOptions(',', c.header));
        EXPECT_EQ(r.code, LibraryResult::TransferFileFailed) << c.what;
        EXPECT_EQ(r.problem.detailId, c.detail) << c.what;
        EXPECT_EQ(m.library.CountEvents(), 0) << c.what;
    }
}

TEST(ImportText, AFailureToStoreTellsWhatWasStoredUpToIt) {
    const std::string file = "A,1/1/2030\r\nbad\r\nB,1/2/2030\r\nC,1/3/2030\r\nD,1/4/2030\r\n";
    // Batches of one event: each is stored before the next is read.
    TextImportOptions options = ImportOptions();
    options.batchEvents = 1;
    // The writes of the first two events, measured on a library of their own.
    MemoryLibrary measured;
    measured.faults->FailWrite(0); // counts from here
    ASSERT_EQ(ImportText(measured.library, "A,1/1/2030\r\nB,1/2/2030\r\n", options).imported, 2);
    MemoryLibrary m;
    m.faults->FailWritesFrom(measured.faults->Writes() + 1);
    const TextImportResult r = ImportText(m.library, file, options);
    EXPECT_EQ(r.code, LibraryResult::DiskFull);
    EXPECT_EQ(r.imported, 2);
    EXPECT_EQ(r.stoppedAt, 4);
    EXPECT_EQ(r.log, (ImportLog{{2, kReasonInvalidDate}}));
    EXPECT_EQ(m.library.CountEvents(), 2);
}

TEST(ImportText, ABadDurationAndALongTypeNameAreLoggedWithTheirOwnReasons) {
    MemoryLibrary m;
    const std::string file = "A,1/1/2030,,soon\r\nB,1/1/2030,,,Type " + std::string(70, 't') +
                             "\r\nC,1/1/2030,,,,Notes " + std::string(6000, 'n') + "\r\n";
    const TextImportResult r = ImportText(m.library, file, ImportOptions());
    ASSERT_EQ(r.log.size(), 3u);
    EXPECT_EQ(ImportLogLine(r.log[0]), "The record 1 is not imported. Reason: invalid duration.");
    EXPECT_EQ(ImportLogLine(r.log[1]),
              "The record 2 is not imported. Reason: the type name is too long.");
    EXPECT_EQ(ImportLogLine(r.log[2]),
              "The record 3 is not imported. Reason: the name and notes are too long.");
    EXPECT_EQ(m.library.CountEvents(), 0);
}

// A file of many bad records: the log keeps the entries of its first records, in record order
// also when replaced duplicates are logged as their batches are stored, and counts the rest;
// blank lines at the end are no entries either way.
TEST(ImportText, ALongLogKeepsItsFirstEntriesAndCountsTheRest) {
    std::string file;
    for (int i = 1; i <= 400; ++i)
        file += i % 4 == 0 ? "E" + std::to_string(i) + ",1/1/2030\r\n" : "bad\r\n";
    file += "\r\n\r\n\r\n";
    TextImportOptions options = ImportOptions();
    options.logLimit = 25;
    options.batchEvents = 7;
    MemoryLibrary m;
    TextImportResult r = ImportText(m.library, file, options);
    EXPECT_EQ(r.imported, 100);
    EXPECT_EQ(r.records, 400);
    ImportLog first;
    for (int i = 1; first.size() < 25; ++i)
        if (i % 4 != 0) first.push_back({i, kReasonInvalidDate});
    EXPECT_EQ(r.log, first);
    EXPECT_EQ(r.unlogged, 300 - 25);
    EXPECT_EQ(r.LogEntries(), 300);

    options.duplicateMode = DuplicateMode::Replace;
    r = ImportText(m.library, file, options);
    EXPECT_EQ(r.imported, 0);
    EXPECT_EQ(r.replaced, 100);
    ASSERT_EQ(r.log.size(), 25u);
    for (size_t i = 0; i < r.log.size(); ++i) {
        EXPECT_EQ(r.log[i].record, static_cast<int>(i + 1));
        EXPECT_EQ(r.log[i].reason,
                  (i + 1) % 4 == 0 ? kReasonDuplicateReplaced : kReasonInvalidDate);
    }
    EXPECT_EQ(r.LogEntries(), 400);
}

// A long import lets its caller's event loop go on now and then.
TEST(ImportText, ALongImportBreathes) {
    std::string file;
    for (int i = 0; i < 2000; ++i)
        file += "E" + std::to_string(i) + ",1/1/2030\r\n";
    TextImportOptions options = ImportOptions();
    int breaths = 0;
    options.breathe = [&] { ++breaths; };
    options.breathMilliseconds = 0;
    MemoryLibrary m;
    EXPECT_EQ(ImportText(m.library, file, options).imported, 2000);
    EXPECT_GE(breaths, 2000 / 64);
}

TEST(ImportText, ExportThenImportWithTheDefaultsGivesTheSameDates) {
    MemorySettings nothingRemembered;
    for (const test::NamedLocale& l : test::SampleLocales()) {
        MemoryLibrary source;
        for (int month : {1, 12}) {
            EventRecord e = EventRecord::NewEvent(DateTime::FromParts(2026, month, 13 - month));
            e.name = "on " + std::to_string(month);
            ASSERT_EQ(source.library.AddEvent(e), LibraryResult::Ok);
        }
        TextExportOptions out;
        out.locale = l.locale;
        TextImportOptions in = ImportOptions(',', true);
        in.rules.locale = l.locale;
        in.rules.dateOrder = DefaultImportDateOrder(nothingRemembered, l.locale);
        MemoryLibrary target;
        const TextImportResult r =
            ImportText(target.library, testing::ExportText(source.library, out), in);
        ASSERT_EQ(r.imported, 2) << l.name;
        const auto a = StoredEvents(source.library), b = StoredEvents(target.library);
        for (size_t i = 0; i < a.size(); ++i)
            EXPECT_EQ(b[i].start.Date(), a[i].start.Date()) << l.name;
    }
    // A remembered order wins.
    MemorySettings remembered;
    remembered.Write("LastImpDateF", "2");
    EXPECT_EQ(DefaultImportDateOrder(remembered, test::German()), kYearMonthDay);
}

} // namespace
} // namespace zm
