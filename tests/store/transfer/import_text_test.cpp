#include "platform/memory_settings.h"
#include "store/transfer/import_date.h"
#include "support/memory_file_system.h"
#include "support/transfer_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zm {
namespace {

using testing::ImportOptions;
using testing::ImportText;
using testing::MemoryLibrary;
using testing::StoredEvents;

using Log = ImportLog;

TEST(ImportText, LunchOnNewYearsEveBoundToNameAndDateOnly) {
    const std::string file = "Lunch,12/31/2000\r\n";
    for (int order : {kMonthDayYear, kDayMonthYear}) {
        MemoryLibrary m;
        TextImportOptions o = ImportOptions();
        o.rules.bindings = FieldBindings::ForFieldCount(2);
        o.rules.dateOrder = order;
        const TextImportResult r = ImportText(m.library, file, o);
        ASSERT_EQ(r.code, LibraryResult::Ok);
        if (order == kMonthDayYear) {
            EXPECT_EQ(r.imported, 1);
            EXPECT_TRUE(r.log.empty());
            const auto events = StoredEvents(m.library);
            ASSERT_EQ(events.size(), 1u);
            EXPECT_EQ(events[0].name, "Lunch");
            EXPECT_EQ(events[0].start, DateTime::FromParts(2000, 12, 31, 0, 0, 0));
            EXPECT_TRUE(events[0].Has(kAccepted)); // its time has passed
        } else {
            EXPECT_EQ(r.imported, 0);
            EXPECT_EQ(r.log, (Log{{1, kReasonInvalidDate}}));
            EXPECT_EQ(ImportLogLine(r.log[0]),
                      "The record 1 is not imported. Reason: invalid date.");
        }
    }
}

TEST(ImportText, ADateFollowedByATimeIsAnInvalidDate) {
    MemoryLibrary m;
    const TextImportResult r = ImportText(
        m.library, "Lunch,12/31/2000 12:00\r\nTea,12/31/2000,4:00 PM\r\n", ImportOptions());
    EXPECT_EQ(r.log, (Log{{1, kReasonInvalidDate}}));
    EXPECT_EQ(r.imported, 1);
    EXPECT_EQ(StoredEvents(m.library)[0].start, DateTime::FromParts(2000, 12, 31, 16, 0, 0));
}

TEST(ImportText, BlankLinesAtTheEndAreNoErrorsButInTheMiddleTheyAre) {
    MemoryLibrary m;
    const TextImportResult r = ImportText(
        m.library, "Name,Date\r\nA,1/1/2030\r\n\r\nB,1/2/2030\r\n,1/3/2030\r\n\r\n\r\n\r\n",
        ImportOptions(',', true));
    EXPECT_EQ(r.code, LibraryResult::Ok);
    EXPECT_EQ(r.imported, 2);
    EXPECT_EQ(r.log, (Log{{3, kReasonEmptyRecord}, {5, kReasonEmptyName}}));
    EXPECT_EQ(r.records, 5);
    EXPECT_EQ(ImportSummary(r.imported, static_cast<int>(r.log.size())),
              "Import Results:\n\n2 events successfully imported.\n2 records with errors.\n\n"
              "Do you want to view import log?");
    // With nothing logged there is no log to offer.
    EXPECT_FALSE(ImportOffersLog(0));
    EXPECT_EQ(ImportSummary(4, 0),
              "Import Results:\n\n4 events successfully imported.\n0 records with errors.");
}

TEST(ImportText, TheHeaderLineIsSkippedWithoutALogEntry) {
    MemoryLibrary m;
    const std::string file = "Name\tDate\tTime\r\nA\t1/1/2030\t9:00 AM\r\n";
    TextImportResult r = ImportText(m.library, file, ImportOptions('\t', true));
    EXPECT_EQ(r.imported, 1);
    EXPECT_TRUE(r.log.empty());
    r = ImportText(m.library, file, ImportOptions('\t', false));
    EXPECT_EQ(r.imported, 1);
    EXPECT_EQ(r.log, (Log{{1, kReasonInvalidDate}}));
}

const char* const kThreeEvents = "Name,Date,Time,Duration,Type,Notes\r\n"
                                 "A,1/1/2030,9:00 AM,1 hour,Call,first\r\n"
                                 "B,1/2/2030,10:00 AM,,,\r\n"
                                 "C,1/3/2030,11:00 AM,2 days,Meeting,\r\n";

TEST(ImportText, TheSameFileTwiceWithDuplicatesSkipped) {
    MemoryLibrary m;
    TextImportOptions o = ImportOptions(',', true);
    ASSERT_EQ(ImportText(m.library, kThreeEvents, o).imported, 3);
    o.duplicateMode = DuplicateMode::Skip;
    const TextImportResult r = ImportText(m.library, kThreeEvents, o);
    EXPECT_EQ(r.code, LibraryResult::Ok);
    EXPECT_EQ(r.imported, 0);
    EXPECT_EQ(r.log, (Log{{2, kReasonDuplicateSkipped},
                          {3, kReasonDuplicateSkipped},
                          {4, kReasonDuplicateSkipped}}));
    EXPECT_EQ(ImportLogLine(r.log[0]),
              "The record 2 is not imported. Reason: Duplicate is skipped.");
    EXPECT_EQ(m.library.CountEvents(), 3);
}

TEST(ImportText, TheSameFileTwiceWithDuplicatesReplaced) {
    MemoryLibrary m;
    TextImportOptions o = ImportOptions(',', true);
    ASSERT_EQ(ImportText(m.library, kThreeEvents, o).imported, 3);
    const auto before = StoredEvents(m.library);
    o.duplicateMode = DuplicateMode::Replace;
    const TextImportResult r = ImportText(m.library, kThreeEvents, o);
    EXPECT_EQ(r.code, LibraryResult::Ok);
    EXPECT_EQ(r.imported, 0);
    EXPECT_EQ(r.replaced, 3);
    EXPECT_EQ(r.log.size(), 3u);
    EXPECT_EQ(r.log[0].reason, kReasonDuplicateReplaced);
    auto after = StoredEvents(m.library);
    ASSERT_EQ(after.size(), 3u);
    for (const EventRecord& b : before) {
        const auto same = std::find_if(after.begin(), after.end(),
                                       [&](const EventRecord& a) { return a.name == b.name; });
        ASSERT_NE(same, after.end());
        EXPECT_EQ(same->id, b.id); // replaced in place keeps the id
        EXPECT_EQ(same->ContentSignature(), b.ContentSignature());
    }
}

TEST(ImportText, AReplacedDuplicateIsUsedUp) {
    // Each record stands for one event: two equal records replace the one stored copy and add
    // a second one, and a third import with replacement then leaves the library as it is.
    MemoryLibrary m;
    TextImportOptions o = ImportOptions();
    const std::string one = "A,1/1/2030\r\n";
    const std::string two = one + one;
    ASSERT_EQ(ImportText(m.library, one, o).imported, 1);
    o.duplicateMode = DuplicateMode::Replace;
    TextImportResult r = ImportText(m.library, two, o);
    EXPECT_EQ(r.replaced, 1);
    EXPECT_EQ(r.imported, 1);
    EXPECT_EQ(m.library.CountEvents(), 2);
    r = ImportText(m.library, two, o);
    EXPECT_EQ(r.replaced, 2);
    EXPECT_EQ(r.imported, 0);
    EXPECT_EQ(m.library.CountEvents(), 2);
    // Skipping never uses an entry up: both records find the stored copies.
    o.duplicateMode = DuplicateMode::Skip;
    r = ImportText(m.library, two + one, o);
    EXPECT_EQ(r.log.size(), 3u);
    EXPECT_EQ(m.library.CountEvents(), 2);
}

TEST(ImportText, DuplicatesDifferingInAnyFieldAreNew) {
    MemoryLibrary m;
    TextImportOptions o = ImportOptions();
    ASSERT_EQ(ImportText(m.library, "A,1/1/2030\r\n", o).imported, 1);
    o.duplicateMode = DuplicateMode::Skip;
    TextImportResult r = ImportText(m.library, "A,1/1/2030,1:00 AM\r\n", o);
    EXPECT_EQ(r.imported, 1);
    o.rules.defaults.recurrence = kKindDaily; // the pattern is part of the signature
    r = ImportText(m.library, "A,1/1/2030\r\n", o);
    EXPECT_EQ(r.imported, 1);
}

TEST(ImportText, AFullLibraryEndsTheImportAndKeepsWhatWasAdded) {
    MemoryLibrary m;
    for (int i = 0; i < 3997; ++i) {
        EventRecord e = testing::MakeEvent("x");
        ASSERT_EQ(m.library.AddEvent(e), LibraryResult::Ok);
    }
    const TextImportResult r = ImportText(
        m.library, "A,1/1/2030\r\nB,1/1/2030\r\nC,1/1/2030\r\nD,1/1/2030\r\n", ImportOptions());
    EXPECT_EQ(r.code, LibraryResult::LibraryFull);
    EXPECT_EQ(r.imported, 2);
    EXPECT_EQ(m.library.CountEvents(), 3999);
}

TEST(ImportText, ANameAndNotesTooLongForOneEventAreRefusedWithTheirOwnReason) {
    MemoryLibrary m;
    const std::string file = "A,1/1/2030,,,," + std::string(6000, 'n') + "\r\nB,1/1/2030\r\n";
    const TextImportResult r = ImportText(m.library, file, ImportOptions());
    EXPECT_EQ(r.code, LibraryResult::Ok);
    EXPECT_EQ(r.imported, 1);
    EXPECT_EQ(r.log, (Log{{1, kReasonTooLong}}));
    EXPECT_EQ(ImportLogLine(r.log[0]),
              "The record 1 is not imported. Reason: the name and notes are too long.");
    // Everything stored can be read back.
    EXPECT_EQ(StoredEvents(m.library).size(), 1u);
}

TEST(ImportText, TheDosKindsAreReadFromTheOemCodePage) {
    MemoryLibrary m;
    TextImportOptions o = ImportOptions('\t');
    o.dos = true;
    o.oemCodePage = 850;
    ASSERT_EQ(ImportText(m.library, "M\x81nchen\t1/1/2030\r\n", o).imported, 1);
    EXPECT_EQ(StoredEvents(m.library)[0].name, "M\xC3\xBCnchen");
    // The Windows kinds take what is not UTF-8 as Windows-1252.
    MemoryLibrary w;
    ASSERT_EQ(ImportText(w.library, "M\xFCnchen\t1/1/2030\r\nK\xC3\xB6ln\t1/1/2030\r\n",
                         ImportOptions('\t'))
                  .imported,
              2);
    EXPECT_EQ(StoredEvents(w.library)[0].name, "M\xC3\xBCnchen");
    EXPECT_EQ(StoredEvents(w.library)[1].name, "K\xC3\xB6ln");
    // A byte order mark at the start of a UTF-8 file is no part of the first name.
    MemoryLibrary b;
    ASSERT_EQ(ImportText(b.library, "\xEF\xBB\xBFLunch,1/1/2030\r\n", ImportOptions()).imported, 1);
    EXPECT_EQ(StoredEvents(b.library)[0].name, "Lunch");
}

TEST(ImportText, DefaultsAndTheReminderStateOfImportedEvents) {
    MemoryLibrary m;
    TextImportOptions o = ImportOptions();
    o.rules.defaults.recurrence = kKindMonthly;
    o.rules.defaults.advance = TimeAmount::Of(AmountUnit::Hour, 1);
    o.rules.defaults.typeName = "Payment";
    ASSERT_EQ(ImportText(m.library, "Rent,1/15/2020,9:00 AM\r\n", o).imported, 1);
    const EventRecord e = StoredEvents(m.library)[0];
    EXPECT_EQ(e.pattern, 0x1400u);
    EXPECT_EQ(e.patternParam, 15u * 65536 + 1);
    EXPECT_EQ(e.typeName, "Payment");
    EXPECT_EQ(e.advance, TimeAmount::Of(AmountUnit::Hour, 1));
    EXPECT_FALSE(e.Has(kAccepted));
    // The occurrences before today count as shown: the last one was on 15 February.
    EXPECT_EQ(e.lastShown, DateTime::FromParts(2024, 2, 15, 8, 0, 0));
}

TEST(ImportText, TheDateOrderIsRememberedInTheSettings) {
    MemorySettings settings;
    EXPECT_EQ(LastImportDateOrder(settings), 0);
    settings.Write("LastImpDateF", "9");
    EXPECT_EQ(LastImportDateOrder(settings), 2);
    settings.Write("LastImpDateF", "-4");
    EXPECT_EQ(LastImportDateOrder(settings), 0);
    settings.Write("LastImpDateF", "x1");
    EXPECT_EQ(LastImportDateOrder(settings), 0);

    MemoryLibrary m;
    LibraryImportTarget target(m.library);
    TextImportOptions o = ImportOptions();
    o.rules.dateOrder = kDayMonthYear;
    MemoryFileSystem files;
    const TextImportResult r =
        ImportTextFile(files, "/data/in.csv", o, target, testing::kImportNow, settings);
    EXPECT_EQ(LastImportDateOrder(settings), kDayMonthYear);
    EXPECT_EQ(r.code, LibraryResult::TransferFileFailed);
    EXPECT_EQ(r.problem.Message(),
              "Can not read file\n/data/in.csv\n\nThe file could not be located.\n");
}

TEST(ImportText, AFileOnDiskAndItsSamples) {
    const std::string path = "/data/sample.csv";
    MemoryFileSystem files;
    const std::string text = "Name,Date,Extra\r\nLunch,12/31/2000\r\n";
    files.Put(path, FileBytes(text.begin(), text.end()));
    std::vector<std::vector<std::string>> records;
    TransferProblem problem;
    ASSERT_EQ(ReadSampleRecords(files, path, ',', false, 437, records, problem), LibraryResult::Ok);
    ASSERT_EQ(records.size(), 2u);
    const auto rows = FieldSamples(records[0], &records[1], true);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].name, "Name");
    EXPECT_EQ(rows[1].value, "12/31/2000");
    EXPECT_EQ(rows[2].value, "");
    const auto plain = FieldSamples(records[0], nullptr, false);
    EXPECT_EQ(plain[2].name, "Field 2");
    EXPECT_EQ(plain[2].value, "Extra");

    const FieldBindings bindings = FieldBindings::ForFieldCount(3);
    EXPECT_TRUE(SampleDateMatches(rows, bindings, kMonthDayYear));
    EXPECT_FALSE(SampleDateMatches(rows, bindings, kDayMonthYear));

    MemorySettings settings;
    MemoryLibrary m;
    LibraryImportTarget target(m.library);
    TextImportOptions o = ImportOptions(',', true);
    o.rules.bindings = bindings;
    const TextImportResult r =
        ImportTextFile(files, path, o, target, testing::kImportNow, settings);
    EXPECT_EQ(r.code, LibraryResult::Ok);
    EXPECT_EQ(r.imported, 1);
}

TEST(ImportText, AMissingDosCodePageStopsBeforeAnything) {
    MemoryLibrary m;
    TextImportOptions o = ImportOptions();
    o.dos = true;
    o.oemCodePage = 12345;
    const TextImportResult r = ImportText(m.library, "A,1/1/2030\r\n", o);
    EXPECT_EQ(r.code, LibraryResult::TransferFileFailed);
    EXPECT_EQ(r.problem.missingCodePage, 12345);
    EXPECT_EQ(m.library.CountEvents(), 0);
}

} // namespace
} // namespace zm
