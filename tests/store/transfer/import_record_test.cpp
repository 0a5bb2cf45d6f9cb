#include "res/strings.h"
#include "store/transfer/import_date.h"
#include "store/transfer/import_log.h"
#include "store/transfer/import_record.h"
#include "support/import_locales.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

const DateTime kToday = DateTime::FromParts(2024, 3, 5);

ImportRecordRules Rules(FieldBindings bindings = {}, int order = kMonthDayYear) {
    ImportRecordRules r;
    r.bindings = bindings;
    r.dateOrder = order;
    r.locale = test::EnglishUs();
    r.findType = [](const std::string& name) { return name == "Meeting" ? 7 : -1; };
    return r;
}

TEST(ImportRecord, ReadsTheSixFields) {
    EventRecord e;
    ASSERT_EQ(ReadImportRecord({"Review", "3/4/2024", "2:30 PM", "2 hours", "Meeting", "Room 4"},
                               Rules(), kToday, e),
              kRecordImported);
    EXPECT_EQ(e.name, "Review");
    EXPECT_EQ(e.start, DateTime::FromParts(2024, 3, 4, 14, 30, 0));
    EXPECT_EQ(e.duration, TimeAmount::Of(AmountUnit::Hour, 2));
    EXPECT_EQ(e.typeName, "Meeting");
    EXPECT_EQ(e.typeIndex, 7);
    EXPECT_EQ(e.notes, "Room 4");
    EXPECT_EQ(e.advance, TimeAmount(0));
    EXPECT_EQ(e.id, 0u);
    EXPECT_EQ(e.key, 0);
}

TEST(ImportRecord, DefaultsFillWhatTheFileDoesNotGive) {
    ImportRecordRules rules = Rules(FieldBindings::ForFieldCount(2));
    rules.defaults.typeName = "Meeting";
    rules.defaults.advance = TimeAmount::Of(AmountUnit::Minute, 15);
    rules.defaults.duration = TimeAmount::Of(AmountUnit::Day, 1);
    EventRecord e;
    ASSERT_EQ(ReadImportRecord({"x", "1/2/2003", "ignored"}, rules, kToday, e), kRecordImported);
    EXPECT_EQ(e.typeName, "Meeting");
    EXPECT_EQ(e.typeIndex, 7);
    EXPECT_EQ(e.advance, TimeAmount::Of(AmountUnit::Minute, 15));
    EXPECT_EQ(e.duration, TimeAmount::Of(AmountUnit::Day, 1));
    EXPECT_EQ(e.start, DateTime::FromParts(2003, 1, 2));
}

TEST(ImportRecord, FieldValuesThatAreIgnoredOrKept) {
    EventRecord e;
    // An empty duration is the default, an empty type makes the event of the undefined type,
    // empty notes stay empty, an empty time is the start of the day.
    ASSERT_EQ(ReadImportRecord({"x", "1/2/2003", "", " ", "", ""}, Rules(), kToday, e),
              kRecordImported);
    EXPECT_EQ(e.duration, TimeAmount(30));
    EXPECT_EQ(e.typeName, "");
    EXPECT_EQ(e.typeIndex, -1);
    EXPECT_EQ(e.start, DateTime::FromParts(2003, 1, 2));
}

TEST(ImportRecord, Reasons) {
    const struct {
        std::vector<std::string> fields;
        int reason;
    } cases[] = {
        {{""}, kReasonEmptyRecord},
        {{}, kReasonEmptyRecord},
        {{"", ""}, kReasonEmptyName},
        {{"", "1/2/2003"}, kReasonEmptyName},
        {{"x"}, kReasonInvalidDate}, // no Date field in the record
        {{"x", ""}, kReasonInvalidDate},
        {{"x", "1/2/2003 10:00"}, kReasonInvalidDate}, // a date followed by a time
        {{"x", "1/2/2003", "25:00"}, kReasonInvalidTime},
        {{"x", "1/2/2003", "10:00", "", "", std::string(5000, 'n')}, kReasonTooLong},
        {{"x", "1/2/2003", "10:00", "", "", std::string(4900, 'n')}, kRecordImported},
        {{"x", "1/2/2003", "10:00", "soon"}, kReasonInvalidDuration},
        {{"x", "1/2/2003", "10:00", "0"}, kReasonInvalidDuration}, // 0 is no duration
        {{"x", "1/2/2003", "10:00", "99999 days"}, kReasonInvalidDuration},
        {{"x", "1/2/2003", "10:00", "", std::string(65, 't')}, kReasonTypeTooLong},
        {{"x", "1/2/2003", "10:00", "", std::string(5000, 't')}, kReasonTypeTooLong},
        {{"x", "1/2/2003", "10:00", "", std::string(64, 't')}, kRecordImported},
    };
    for (const auto& c : cases) {
        EventRecord e;
        EXPECT_EQ(ReadImportRecord(c.fields, Rules(), kToday, e), c.reason)
            << c.fields.size() << " fields";
    }
}

TEST(ImportRecord, AnInvalidFieldStopsTheRecordWhereverItStands) {
    // Date before Name in the file: the invalid date is found first.
    FieldBindings b;
    b.Bind(0, kFieldDate);
    b.Bind(1, kFieldName);
    EventRecord e;
    EXPECT_EQ(ReadImportRecord({"31/31/2000", ""}, Rules(b), kToday, e), kReasonInvalidDate);
    EXPECT_EQ(ReadImportRecord({"12/31/2000", ""}, Rules(b), kToday, e), kReasonEmptyName);
    // The time may come before the date.
    FieldBindings t;
    t.Bind(0, kFieldTime);
    t.Bind(1, kFieldDate);
    t.Bind(2, kFieldName);
    ASSERT_EQ(ReadImportRecord({"6:15 AM", "12/31/2000", "n"}, Rules(t), kToday, e),
              kRecordImported);
    EXPECT_EQ(e.start, DateTime::FromParts(2000, 12, 31, 6, 15, 0));
}

TEST(FieldBindings, BindMenuMovesBindings) {
    FieldBindings b = FieldBindings::ForFieldCount(3);
    EXPECT_EQ(b.Position(kFieldName), 0);
    EXPECT_EQ(b.Position(kFieldTime), 2);
    EXPECT_EQ(b.Position(kFieldDuration), -1);
    EXPECT_TRUE(b.Ready());
    b.Bind(2, kFieldName); // Name moves from field 0 to field 2, Time is dropped
    EXPECT_EQ(b.Position(kFieldName), 2);
    EXPECT_EQ(b.Position(kFieldTime), -1);
    EXPECT_EQ(b.FieldAt(0), -1);
    b.Bind(1, -1);
    EXPECT_EQ(b.Position(kFieldDate), -1);
    EXPECT_FALSE(b.Ready());
    EXPECT_FALSE(FieldBindings::ForFieldCount(1).Ready());
}

TEST(FieldBindings, AHeaderLineThatNamesFieldsBindsThemByName) {
    using Header = std::vector<std::string>;
    using Positions = std::array<int, kImportFieldCount>; // Name, Date, Time, Duration, Type, Notes
    const struct {
        const char* name;
        Header header;
        bool headerLine;
        Positions positions;
    } cases[] = {
        {"by name", {"Name", "Date", "Time", "Notes"}, true, {0, 1, 2, -1, -1, 3}},
        {"any order and case, blanks around",
         {" notes ", "DATE", "Subject", "name", "type"},
         true,
         {3, 1, -1, -1, 4, 0}},
        {"the first of two with one name", {"Name", "name", "Date"}, true, {0, 2, -1, -1, -1, -1}},
        {"no name known: by position", {"Subject", "When", "At"}, true, {0, 1, 2, -1, -1, -1}},
        {"no header line: by position",
         {"Name", "Date", "Time", "Notes"},
         false,
         {0, 1, 2, 3, -1, -1}},
    };
    for (const auto& c : cases) {
        const FieldBindings b = InitialBindings(c.header, c.headerLine);
        for (int field = 0; field < kImportFieldCount; ++field)
            EXPECT_EQ(b.Position(field), c.positions[field]) << c.name << ", field " << field;
    }

    // The words of another language name the fields as well as the English ones.
    auto words = ImportFieldWords();
    EXPECT_EQ(words[kFieldNotes], std::vector<std::string>{"Notes"});
    words[kFieldDate].push_back("Datum");
    words[kFieldNotes].push_back("Заметки");
    const auto b = FieldBindings::ForHeader({"ЗАМЕТКИ", "Name", "datum"}, words);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->Position(kFieldNotes), 0);
    EXPECT_EQ(b->Position(kFieldName), 1);
    EXPECT_EQ(b->Position(kFieldDate), 2);
    EXPECT_FALSE(FieldBindings::ForHeader({"Lunch", "12/31/2030"}, words));
}

TEST(ImportDefaults, AReminderOrDurationMustStayWithinThePeriod) {
    const struct {
        uint32_t recurrence;
        TimeAmount advance, duration;
        int problem;
    } cases[] = {
        {0, TimeAmount::Of(AmountUnit::Week, 9), TimeAmount::Of(AmountUnit::Week, 9), 0},
        {kKindDaily, TimeAmount::Of(AmountUnit::Hour, 23), TimeAmount::Of(AmountUnit::Hour, 23), 0},
        {kKindDaily, TimeAmount::Of(AmountUnit::Day, 1), TimeAmount(30),
         IDS_ADVANCE_BEFORE_PREVIOUS},
        {kKindDaily, TimeAmount(0), TimeAmount::Of(AmountUnit::Hour, 24),
         IDS_DURATION_TOO_LONG_FOR_PATTERN},
        {kKindWeekly, TimeAmount::Of(AmountUnit::Day, 6), TimeAmount::Of(AmountUnit::Day, 6), 0},
        {kKindWeekly, TimeAmount::Of(AmountUnit::Week, 1), TimeAmount(30),
         IDS_ADVANCE_BEFORE_PREVIOUS},
        {kKindMonthly, TimeAmount::Of(AmountUnit::Day, 27), TimeAmount(30), 0},
        {kKindMonthly, TimeAmount::Of(AmountUnit::Week, 4), TimeAmount(30),
         IDS_ADVANCE_BEFORE_PREVIOUS},
        {kKindYearly, TimeAmount::Of(AmountUnit::Week, 47), TimeAmount::Of(AmountUnit::Week, 48),
         IDS_DURATION_TOO_LONG_FOR_PATTERN},
    };
    for (const auto& c : cases) {
        TextImportDefaults d;
        d.recurrence = c.recurrence;
        d.advance = c.advance;
        d.duration = c.duration;
        EXPECT_EQ(ImportDefaultsProblem(d), c.problem) << c.recurrence << " " << c.advance.word;
    }
}

TEST(ImportRecurrence, DefaultPatterns) {
    EventRecord e;
    e.start = DateTime::FromParts(2024, 1, 31, 9, 0, 0); // a Wednesday
    ApplyImportRecurrence(e, kKindDaily);
    EXPECT_EQ(e.pattern, 0x1100u);
    EXPECT_EQ(e.patternParam, 1u);
    EXPECT_TRUE(e.IsRecurring());
    ApplyImportRecurrence(e, kKindWeekly);
    EXPECT_EQ(e.pattern, 0x1200u | kWednesday);
    ApplyImportRecurrence(e, kKindMonthly);
    EXPECT_EQ(e.pattern, 0x1400u);
    EXPECT_EQ(e.patternParam, 31u * 65536 + 1); // the day of Start, not day 0
    EXPECT_EQ(e.OccurrenceOnOrAfter(DateTime::FromParts(2024, 3, 1)),
              DateTime::FromParts(2024, 3, 31, 9, 0, 0));
    ApplyImportRecurrence(e, kKindYearly);
    EXPECT_EQ(e.pattern, 0x1800u);
    EXPECT_EQ(e.patternParam, 1u);
    ApplyImportRecurrence(e, 0);
    EXPECT_EQ(e.pattern, 0u);
    EXPECT_FALSE(e.IsRecurring());
}

TEST(ImportReminderState, PastOneTimeEventsAreAcceptedAndPastOccurrencesCountAsShown) {
    const DateTime now = DateTime::FromParts(2024, 3, 5, 10, 0, 0);
    EventRecord past;
    past.start = DateTime::FromParts(2024, 3, 5, 9, 0, 0);
    ApplyImportReminderState(past, now, DateTime(), WeekSettings{});
    EXPECT_TRUE(past.Has(kAccepted));

    EventRecord future;
    future.start = DateTime::FromParts(2024, 3, 5, 11, 0, 0);
    ApplyImportReminderState(future, now, DateTime(), WeekSettings{});
    EXPECT_FALSE(future.Has(kAccepted));
    EXPECT_FALSE(future.Has(kShown));

    EventRecord daily;
    daily.start = DateTime::FromParts(2000, 1, 1, 12, 0, 0);
    daily.advance = TimeAmount::Of(AmountUnit::Minute, 15);
    ApplyImportRecurrence(daily, kKindDaily);
    ApplyImportReminderState(daily, now, DateTime(), WeekSettings{});
    EXPECT_FALSE(daily.Has(kAccepted));
    EXPECT_TRUE(daily.Has(kShown));
    // Yesterday's occurrence counts as shown, so today's noon reminder is still to come.
    EXPECT_EQ(daily.lastShown, DateTime::FromParts(2024, 3, 4, 11, 45, 0));
}

} // namespace
} // namespace zm
