#include "support/import_locales.h"
#include "res/strings.h"
#include "store/transfer/import_date.h"
#include "store/transfer/import_log.h"
#include "store/transfer/import_record.h"

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
    EXPECT_EQ(e.Name, "Review");
    EXPECT_EQ(e.Start, DateTime::FromParts(2024, 3, 4, 14, 30, 0));
    EXPECT_EQ(e.Duration, TimeAmount::Of(1, 2));
    EXPECT_EQ(e.TypeName, "Meeting");
    EXPECT_EQ(e.TypeIndex, 7);
    EXPECT_EQ(e.Notes, "Room 4");
    EXPECT_EQ(e.Advance, TimeAmount(0));
    EXPECT_EQ(e.Id, 0u);
    EXPECT_EQ(e.Key, 0);
}

TEST(ImportRecord, DefaultsFillWhatTheFileDoesNotGive) {
    ImportRecordRules rules = Rules(FieldBindings::ForFieldCount(2));
    rules.defaults.typeName = "Meeting";
    rules.defaults.advance = TimeAmount::Of(0, 15);
    rules.defaults.duration = TimeAmount::Of(2, 1);
    EventRecord e;
    ASSERT_EQ(ReadImportRecord({"x", "1/2/2003", "ignored"}, rules, kToday, e), kRecordImported);
    EXPECT_EQ(e.TypeName, "Meeting");
    EXPECT_EQ(e.TypeIndex, 7);
    EXPECT_EQ(e.Advance, TimeAmount::Of(0, 15));
    EXPECT_EQ(e.Duration, TimeAmount::Of(2, 1));
    EXPECT_EQ(e.Start, DateTime::FromParts(2003, 1, 2));
}

TEST(ImportRecord, FieldValuesThatAreIgnoredOrKept) {
    EventRecord e;
    // An unreadable duration is ignored, an empty type makes the event of the undefined type,
    // empty notes stay empty, an empty time is the start of the day.
    ASSERT_EQ(ReadImportRecord({"x", "1/2/2003", "", "soon", "", ""}, Rules(), kToday, e),
              kRecordImported);
    EXPECT_EQ(e.Duration, TimeAmount(30));
    EXPECT_EQ(e.TypeName, "");
    EXPECT_EQ(e.TypeIndex, -1);
    EXPECT_EQ(e.Start, DateTime::FromParts(2003, 1, 2));
    // A duration of 0 is not a duration.
    ASSERT_EQ(ReadImportRecord({"x", "1/2/2003", "", "0", "", ""}, Rules(), kToday, e),
              kRecordImported);
    EXPECT_EQ(e.Duration, TimeAmount(30));
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
    b.bind(0, kFieldDate);
    b.bind(1, kFieldName);
    EventRecord e;
    EXPECT_EQ(ReadImportRecord({"31/31/2000", ""}, Rules(b), kToday, e), kReasonInvalidDate);
    EXPECT_EQ(ReadImportRecord({"12/31/2000", ""}, Rules(b), kToday, e), kReasonEmptyName);
    // The time may come before the date.
    FieldBindings t;
    t.bind(0, kFieldTime);
    t.bind(1, kFieldDate);
    t.bind(2, kFieldName);
    ASSERT_EQ(ReadImportRecord({"6:15 AM", "12/31/2000", "n"}, Rules(t), kToday, e),
              kRecordImported);
    EXPECT_EQ(e.Start, DateTime::FromParts(2000, 12, 31, 6, 15, 0));
}

TEST(FieldBindings, BindMenuMovesBindings) {
    FieldBindings b = FieldBindings::ForFieldCount(3);
    EXPECT_EQ(b.position(kFieldName), 0);
    EXPECT_EQ(b.position(kFieldTime), 2);
    EXPECT_EQ(b.position(kFieldDuration), -1);
    EXPECT_TRUE(b.ready());
    b.bind(2, kFieldName); // Name moves from field 0 to field 2, Time is dropped
    EXPECT_EQ(b.position(kFieldName), 2);
    EXPECT_EQ(b.position(kFieldTime), -1);
    EXPECT_EQ(b.fieldAt(0), -1);
    b.bind(1, -1);
    EXPECT_EQ(b.position(kFieldDate), -1);
    EXPECT_FALSE(b.ready());
    EXPECT_FALSE(FieldBindings::ForFieldCount(1).ready());
}

TEST(ImportDefaults, AReminderOrDurationMustStayWithinThePeriod) {
    const struct {
        uint32_t recurrence;
        TimeAmount advance, duration;
        int problem;
    } cases[] = {
        {0, TimeAmount::Of(3, 9), TimeAmount::Of(3, 9), 0},
        {kKindDaily, TimeAmount::Of(1, 23), TimeAmount::Of(1, 23), 0},
        {kKindDaily, TimeAmount::Of(2, 1), TimeAmount(30), IDS_ADVANCE_BEFORE_PREVIOUS},
        {kKindDaily, TimeAmount(0), TimeAmount::Of(1, 24), IDS_DURATION_TOO_LONG_FOR_PATTERN},
        {kKindWeekly, TimeAmount::Of(2, 6), TimeAmount::Of(2, 6), 0},
        {kKindWeekly, TimeAmount::Of(3, 1), TimeAmount(30), IDS_ADVANCE_BEFORE_PREVIOUS},
        {kKindMonthly, TimeAmount::Of(2, 27), TimeAmount(30), 0},
        {kKindMonthly, TimeAmount::Of(3, 4), TimeAmount(30), IDS_ADVANCE_BEFORE_PREVIOUS},
        {kKindYearly, TimeAmount::Of(3, 47), TimeAmount::Of(3, 48),
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
    e.Start = DateTime::FromParts(2024, 1, 31, 9, 0, 0); // a Wednesday
    ApplyImportRecurrence(e, kKindDaily);
    EXPECT_EQ(e.Pattern, 0x1100u);
    EXPECT_EQ(e.PatternParam, 1u);
    EXPECT_TRUE(e.IsRecurring());
    ApplyImportRecurrence(e, kKindWeekly);
    EXPECT_EQ(e.Pattern, 0x1200u | kWednesday);
    ApplyImportRecurrence(e, kKindMonthly);
    EXPECT_EQ(e.Pattern, 0x1400u);
    EXPECT_EQ(e.PatternParam, 31u * 65536 + 1); // the day of Start, not day 0
    EXPECT_EQ(e.OccurrenceOnOrAfter(DateTime::FromParts(2024, 3, 1)),
              DateTime::FromParts(2024, 3, 31, 9, 0, 0));
    ApplyImportRecurrence(e, kKindYearly);
    EXPECT_EQ(e.Pattern, 0x1800u);
    EXPECT_EQ(e.PatternParam, 1u);
    ApplyImportRecurrence(e, 0);
    EXPECT_EQ(e.Pattern, 0u);
    EXPECT_FALSE(e.IsRecurring());
}

TEST(ImportReminderState, PastOneTimeEventsAreAcceptedAndPastOccurrencesCountAsShown) {
    const DateTime now = DateTime::FromParts(2024, 3, 5, 10, 0, 0);
    EventRecord past;
    past.Start = DateTime::FromParts(2024, 3, 5, 9, 0, 0);
    ApplyImportReminderState(past, now, DateTime(), WeekSettings{});
    EXPECT_TRUE(past.Has(kAccepted));

    EventRecord future;
    future.Start = DateTime::FromParts(2024, 3, 5, 11, 0, 0);
    ApplyImportReminderState(future, now, DateTime(), WeekSettings{});
    EXPECT_FALSE(future.Has(kAccepted));
    EXPECT_FALSE(future.Has(kShown));

    EventRecord daily;
    daily.Start = DateTime::FromParts(2000, 1, 1, 12, 0, 0);
    daily.Advance = TimeAmount::Of(0, 15);
    ApplyImportRecurrence(daily, kKindDaily);
    ApplyImportReminderState(daily, now, DateTime(), WeekSettings{});
    EXPECT_FALSE(daily.Has(kAccepted));
    EXPECT_TRUE(daily.Has(kShown));
    // Yesterday's occurrence counts as shown, so today's noon reminder is still to come.
    EXPECT_EQ(daily.LastShown, DateTime::FromParts(2024, 3, 4, 11, 45, 0));
}

} // namespace
} // namespace zm
