#include "model/event_record.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(EventRecord, NewEventHasTheDefaultsAndAStartWithoutSeconds) {
    const EventRecord r = EventRecord::NewEvent(DateTime::FromParts(2024, 5, 6, 10, 11, 12));
    EXPECT_EQ(r.start, DateTime::FromParts(2024, 5, 6, 10, 11, 0));
    EXPECT_EQ(r.typeIndex, -1);
    EXPECT_EQ(r.sound, 1u);
    EXPECT_EQ(r.duration.word, 30u);
    EXPECT_EQ(r.snoozeChoice.word, 5u);
    EXPECT_EQ(r.soundPause, 0x10000u);
    EXPECT_EQ(r.StoredSize(), 128u);
    EXPECT_EQ(EventRecord::ForKey(7).sound, 0u);
    EXPECT_EQ(EventRecord::ForKey(7).key, 7);
}

TEST(EventRecord, IsAValueThatComparesEveryField) {
    EventRecord a = EventRecord::NewEvent(DateTime::FromParts(2024, 5, 6, 10, 11, 0));
    a.name = "Dentist";
    a.notes = "Bring the card";
    const EventRecord copy = a;
    EXPECT_EQ(copy, a);
    using Change = void (*)(EventRecord&);
    const Change changes[] = {
        [](EventRecord& r) { r.key = 3; },
        [](EventRecord& r) { r.typeIndex = 2; },
        [](EventRecord& r) { r.listOccurrence = DateTime::FromParts(2024, 5, 7); },
        [](EventRecord& r) { r.advance = TimeAmount::Of(AmountUnit::Hour, 1); },
        [](EventRecord& r) { r.end = DateTime::FromParts(2025, 1, 1); },
        [](EventRecord& r) { r.soundFile = "bell.wav"; },
        [](EventRecord& r) { r.notes.clear(); },
    };
    for (const Change change : changes) {
        EventRecord b = a;
        change(b);
        EXPECT_NE(b, a);
    }
    // Moving takes the texts along instead of copying them.
    EventRecord moved = std::move(a);
    EXPECT_EQ(moved, copy);
    EXPECT_TRUE(a.notes.empty()); // NOLINT(bugprone-use-after-move)
}

TEST(TimeAmount, ConvertsByUnitAndAnUnknownUnitIsZero) {
    EXPECT_EQ(TimeAmount::Of(AmountUnit::Minute, 15).ToSpan(), DateTimeSpan::Minutes(15));
    EXPECT_EQ(TimeAmount::Of(AmountUnit::Hour, 2).ToSpan(), DateTimeSpan::Hours(2));
    EXPECT_EQ(TimeAmount::Of(AmountUnit::Day, 3).ToSpan(), DateTimeSpan::Days(3));
    EXPECT_EQ(TimeAmount::Of(AmountUnit::Week, 1).ToSpan(), DateTimeSpan::Days(7));
    EXPECT_EQ(TimeAmount::Of(static_cast<AmountUnit>(4), 1).ToSpan(), DateTimeSpan());
    EXPECT_EQ(TimeAmount::Of(static_cast<AmountUnit>(0x100), 1).ToSpan(), DateTimeSpan());
}

TEST(EventRecord, SetPatternResetsTheReminderState) {
    EventRecord r;
    r.flags = kShown | kAccepted | kHasEnd | kRecurring | kCustomSound;
    r.SetPattern(0x1000, 1); // form bits only: no kind
    EXPECT_EQ(r.flags, static_cast<uint32_t>(kCustomSound));
    r.SetPattern(0x1100, 1);
    EXPECT_TRUE(r.IsRecurring());
    r.SetPattern(0, 0);
    EXPECT_FALSE(r.IsRecurring());
}

TEST(EventRecord, SnoozeShownAndDisabled) {
    EventRecord r;
    const DateTime t = DateTime::FromParts(2024, 1, 2, 3, 4, 0);
    r.StampShown(t);
    r.SetSnooze(t + DateTimeSpan::Hours(1), AmountUnit::Hour, 0x18001);
    EXPECT_TRUE(r.Has(kShown) && r.Has(kSnoozed));
    EXPECT_EQ(r.lastShown, t);
    EXPECT_EQ(r.snoozeChoice.word, 0x18001u);
    EXPECT_TRUE(r.SetDisabled(true));
    EXPECT_FALSE(r.SetDisabled(true));
    EXPECT_TRUE(r.SetDisabled(false));
}

TEST(EventRecord, ContentSignatureCoversTheContentFieldsOnly) {
    EventRecord a;
    a.name = "Lunch";
    a.start = DateTime::FromParts(2000, 12, 31, 12, 0, 0);
    EventRecord b = a;
    b.key = 9;
    b.flags = kShown;
    EXPECT_EQ(a.ContentSignature(), b.ContentSignature());
    b.notes = "x";
    EXPECT_NE(a.ContentSignature(), b.ContentSignature());
    b = a;
    b.start += DateTimeSpan::Seconds(1);
    EXPECT_NE(a.ContentSignature(), b.ContentSignature());
}

} // namespace
} // namespace zm
