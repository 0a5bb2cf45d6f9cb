// The event operations of the store: what they write, what they tell, and what a failed write
// leaves behind; the daily rebuild, the due check and the check for future stamps.

#include "model/edit_rules.h"
#include "res/strings.h"
#include "support/old_library_builder.h"
#include "support/store_fixture.h"

#include <algorithm>

namespace zm::testing {
namespace {

using Calls = std::vector<std::string>;

class EventOps : public StoreTest {
protected:
    void SetUp() override {
        OpenEmpty();
        ASSERT_EQ(store_.RebuildPending(), LibraryResult::Ok);
        notices_.lines.clear();
    }

    // Stores an event through the store, as an editor would, and forgets what it was told.
    uint16_t StoreNew(EventRecord e) {
        EXPECT_EQ(store_.StoreNew(e), LibraryResult::Ok);
        notices_.lines.clear();
        return e.key;
    }

    EventRecord Named(const std::string& name, DateTime start) {
        EventRecord e = OneTime(start);
        e.name = name;
        return e;
    }
};

TEST_F(EventOps, ANewEventJoinsThePendingListOnlyWhenDueToday) {
    EventRecord today = Named("today", At(2024, 3, 11, 17, 0));
    ASSERT_EQ(store_.StoreNew(today), LibraryResult::Ok);
    EXPECT_EQ(notices_.lines, (Calls{"added 1 pending"}));
    EventRecord tomorrow = Named("tomorrow", At(2024, 3, 12, 9, 0));
    ASSERT_EQ(store_.StoreNew(tomorrow), LibraryResult::Ok);
    EXPECT_EQ(notices_.lines, (Calls{"added 1 pending", "added 2"}));
    EXPECT_EQ(PendingKeys(), std::vector<uint16_t>{1});
    EXPECT_NE(tomorrow.id, 0u);
}

TEST_F(EventOps, AChangedEventTakesItsNewKeyEverywhere) {
    EventRecord e = Read(StoreNew(Named("a", At(2024, 3, 11, 17, 0))));
    e.name = "b";
    ASSERT_EQ(store_.StoreChanged(e), LibraryResult::Ok);
    EXPECT_EQ(e.key, 2);
    EXPECT_EQ(notices_.lines, (Calls{"changed 1 -> 2 close pending"}));
    EXPECT_EQ(PendingKeys(), std::vector<uint16_t>{2});
    EXPECT_EQ(store_.Pending().Find(2)->name, "b");
}

TEST_F(EventOps, ChangedTypesAreLookedUpAgainByThePendingEvents) {
    std::vector<std::string> types{"Call", "Meeting"};
    store_.SetTypeLookup([&](const std::string& name) {
        const auto it = std::find(types.begin(), types.end(), name);
        return it == types.end() ? -1 : static_cast<int32_t>(it - types.begin());
    });
    EventRecord e = Named("a", At(2024, 3, 11, 17, 0));
    e.typeName = "Meeting";
    e.SetTypeIndex(1);
    const uint16_t key = StoreNew(e);
    types = {"Anniversary", "Call", "Meeting"}; // a type added before it
    store_.TypesChanged();
    EXPECT_EQ(store_.Pending().Find(key)->typeIndex, 2);
    types = {"Call"}; // its type deleted
    store_.TypesChanged();
    EXPECT_EQ(store_.Pending().Find(key)->typeIndex, -1);
    EXPECT_EQ(notices_.lines, (Calls{"reset types changed", "reset types changed"}));
}

// A full disk while storing: the result is DiskFull, nobody is told anything, and every event
// stored before reads back as it was, also from the file as another program would open it.
struct DiskFullCase {
    const char* name;
    std::function<void(FaultyFile&)> plan;
};

class DiskFull : public EventOps, public ::testing::WithParamInterface<DiskFullCase> {};

TEST_P(DiskFull, LeavesTheLibraryThePendingListAndTheWindowsAsTheyWere) {
    const uint16_t first = StoreNew(Named("first", At(2024, 3, 11, 17, 0)));
    const uint16_t second = StoreNew(Named("second", At(2024, 3, 12, 9, 0)));
    const std::vector<uint16_t> pendingBefore = PendingKeys();
    const EventRecord firstBefore = Read(first);

    for (bool change : {false, true}) {
        SCOPED_TRACE(change ? "storeChanged" : "storeNew");
        GetParam().plan(*faults_);
        EventRecord e = change ? Read(first) : Named("third", At(2024, 3, 11, 18, 0));
        e.name = "changed";
        EXPECT_EQ(change ? store_.StoreChanged(e) : store_.StoreNew(e), LibraryResult::DiskFull);
        EXPECT_EQ(e.key, change ? first : 0);
        faults_->FailWrite(0);
        faults_->FailFlush(LibraryResult::Ok);

        EXPECT_TRUE(notices_.lines.empty());
        EXPECT_EQ(PendingKeys(), pendingBefore);
        EXPECT_EQ(store_.Pending().Find(first)->name, "first");
        EXPECT_EQ(store_.Library().CountEvents(), 2);
        EXPECT_EQ(Read(first).name, "first");
        EXPECT_EQ(Read(first).id, firstBefore.id);
        EXPECT_EQ(Read(second).name, "second");

        EventLibrary other;
        ASSERT_EQ(other.OpenFile(std::make_unique<MemoryFile>(fs_.files[kLibraryPath]), false),
                  LibraryResult::Ok);
        EXPECT_EQ(other.CountEvents(), 2);
        const ReadResult<EventRecord> again = other.ReadEvent(first);
        ASSERT_EQ(again.Code(), LibraryResult::Ok);
        EXPECT_EQ(again->name, "first");
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryWrite, DiskFull,
    ::testing::Values(
        DiskFullCase{"Block", [](FaultyFile& f) { f.FailWrite(1, FaultyFile::Fault::DiskFull); }},
        DiskFullCase{"Index", [](FaultyFile& f) { f.FailWrite(2, FaultyFile::Fault::DiskFull); }},
        DiskFullCase{"HalfAnIndex",
                     [](FaultyFile& f) { f.FailWrite(2, FaultyFile::Fault::ShortDiskFull); }},
        DiskFullCase{"Flush", [](FaultyFile& f) { f.FailFlush(LibraryResult::DiskFull); }}),
    [](const auto& info) { return std::string(info.param.name); });

// The pending entry follows the event to its new storage place.
TEST_F(EventOps, ChangingTheTypeOfAPendingEventMovesItsEntry) {
    EventRecord e = Read(StoreNew(Named("a", At(2024, 3, 11, 17, 0))));
    ASSERT_EQ(store_.ChangeType(e, 3, "Call"), LibraryResult::Ok);
    EXPECT_EQ(e.key, 2);
    EXPECT_EQ(PendingKeys(), std::vector<uint16_t>{2});
    const EventRecord* entry = store_.Pending().Find(2);
    EXPECT_EQ(entry->typeName, "Call");
    EXPECT_EQ(entry->typeIndex, 3);
    EXPECT_EQ(Read(2).typeName, "Call");
    EXPECT_EQ(notices_.lines, (Calls{"type changed 1 -> 2 close pending"}));
}

TEST_F(EventOps, ChangingTheTypeOfAnEventDueTodayThatWasNotPendingAddsIt) {
    EventRecord e = Read(Put(Named("a", At(2024, 3, 11, 17, 0))));
    ASSERT_EQ(store_.ChangeType(e, -1, "Gone"), LibraryResult::Ok);
    EXPECT_EQ(PendingKeys(), std::vector<uint16_t>{e.key});
}

TEST_F(EventOps, DeleteAcceptedWithNothingToDeleteWritesNothing) {
    Put(Named("waiting", At(2024, 3, 12, 9, 0)));
    EventRecord recurring = Recurring(kDaily, 1, At(2024, 3, 1, 9, 0));
    recurring.flags |= kAccepted; // never meaningful on a recurring event
    Put(recurring);
    const int writes = faults_->Writes();
    const int flushes = faults_->Flushes();
    ASSERT_EQ(store_.DeleteAccepted(), LibraryResult::Ok);
    EXPECT_EQ(faults_->Writes(), writes);
    EXPECT_EQ(faults_->Flushes(), flushes);
    EXPECT_EQ(store_.Library().CountEvents(), 2);

    EventRecord accepted = Named("done", At(2024, 3, 1, 9, 0));
    accepted.flags |= kAccepted;
    const uint16_t key = Put(accepted);
    ASSERT_EQ(store_.DeleteAccepted(), LibraryResult::Ok);
    EXPECT_EQ(store_.Library().CountEvents(), 2);
    EXPECT_EQ(notices_.lines, (Calls{"purged " + std::to_string(key)}));
}

TEST_F(EventOps, AcceptingAOneTimeEventTakesItOffThePendingList) {
    now_ = At(2024, 3, 11, 17, 0);
    const uint16_t key = StoreNew(Named("a", At(2024, 3, 11, 17, 0)));
    ASSERT_EQ(store_.AcceptStored(key, 0), LibraryResult::Ok);
    const EventRecord e = Read(2);
    EXPECT_TRUE(e.Has(kAccepted));
    EXPECT_EQ(e.lastShown, now_);
    EXPECT_TRUE(store_.Pending().Empty());
    EXPECT_EQ(notices_.lines, (Calls{"accepted 1 -> 2"}));
}

// A recurring event comes back into the pending list when a further reminder falls today.
TEST_F(EventOps, AnAcceptedRecurringEventWithALaterReminderTodayStaysPending) {
    EventRecord e = Recurring(kDaily, 1, At(2024, 3, 1, 17, 0));
    e.SetSnooze(At(2024, 3, 11, 7, 30), AmountUnit::Minute, 30);
    const uint16_t key = StoreNew(e);
    ASSERT_EQ(PendingKeys(), std::vector<uint16_t>{key});
    ASSERT_EQ(store_.AcceptStored(key, 0), LibraryResult::Ok);
    EXPECT_EQ(PendingKeys(), std::vector<uint16_t>{2});
    EXPECT_FALSE(store_.Pending().Find(2)->Has(kSnoozed));

    ASSERT_EQ(store_.AcceptListed(2, 0), LibraryResult::Ok);
    EXPECT_EQ(notices_.changes.back().oldKey, 2);
    EXPECT_TRUE(notices_.changes.back().closesReminderWindow);
}

TEST_F(EventOps, DisablingAndEnabling) {
    EventRecord e = Read(StoreNew(Named("a", At(2024, 3, 11, 17, 0))));
    const int writes = faults_->Writes();
    ASSERT_EQ(store_.SetDisabled(e, false), LibraryResult::Ok);
    EXPECT_EQ(faults_->Writes(), writes);
    EXPECT_TRUE(notices_.lines.empty());

    ASSERT_EQ(store_.SetDisabled(e, true), LibraryResult::Ok);
    EXPECT_TRUE(Read(e.key).Has(kDisabled));
    EXPECT_TRUE(store_.Pending().Empty());
    ASSERT_EQ(store_.SetDisabled(e, false), LibraryResult::Ok);
    EXPECT_EQ(PendingKeys(), std::vector<uint16_t>{e.key});
    EXPECT_EQ(notices_.lines, (Calls{"disabled 1 -> 2 close", "enabled 2 -> 1 close pending"}));
}

TEST_F(EventOps, SnoozingRefusedChangesNothingAndAcceptedWaitsInThePendingList) {
    now_ = At(2024, 3, 11, 9, 5);
    const uint16_t key = StoreNew(Recurring(kDaily, 1, At(2024, 3, 1, 9, 0)));
    store_.RemovePending(key); // its window opened
    notices_.lines.clear();
    const int writes = faults_->Writes();

    Verdict verdict;
    SnoozeRequest tooLong{At(2024, 3, 11, 9, 0), DateTimeSpan::Hours(25), AmountUnit::Hour, 25,
                          std::nullopt};
    ASSERT_EQ(store_.SnoozeStored(key, 0, tooLong, verdict), LibraryResult::Ok);
    EXPECT_EQ(verdict.message, IDS_SNOOZE_AFTER_NEXT);
    EXPECT_EQ(faults_->Writes(), writes);

    SnoozeRequest twoHours{At(2024, 3, 11, 9, 0), DateTimeSpan::Hours(2), AmountUnit::Hour, 2,
                           std::nullopt};
    ASSERT_EQ(store_.SnoozeStored(key, 0, twoHours, verdict), LibraryResult::Ok);
    EXPECT_TRUE(verdict.Ok());
    EXPECT_EQ(PendingKeys(), std::vector<uint16_t>{2});
    EXPECT_EQ(Read(2).snoozeUntil, At(2024, 3, 11, 11, 5));
    EXPECT_EQ(notices_.lines, (Calls{"snoozed 1 -> 2 pending"}));
}

TEST_F(EventOps, CancellingASnoozeMakesTheReminderDueAgain) {
    EventRecord e = Named("a", At(2024, 3, 11, 7, 0));
    e.StampShown(At(2024, 3, 11, 7, 0));
    e.SetSnooze(At(2024, 3, 12, 9, 0), AmountUnit::Day, 1);
    const uint16_t key = StoreNew(e);
    EXPECT_TRUE(store_.Pending().Empty());
    ASSERT_EQ(store_.UnsnoozeStored(key, 0), LibraryResult::Ok);
    EXPECT_EQ(PendingKeys(), std::vector<uint16_t>{2});
    EXPECT_EQ(notices_.lines, (Calls{"unsnoozed 1 -> 2 close pending"}));
    EXPECT_EQ(store_.DueReminders().size(), 1u);
}

TEST_F(EventOps, RemovingAnEventClosesItsWindowDeletingDoesNot) {
    const uint16_t a = StoreNew(Named("a", At(2024, 3, 11, 17, 0)));
    const uint16_t b = StoreNew(Named("b", At(2024, 3, 12, 17, 0)));
    ASSERT_EQ(store_.DeleteStored(a, 0), LibraryResult::Ok);
    ASSERT_EQ(store_.RemoveEvent(b, 0), LibraryResult::Ok);
    EXPECT_EQ(notices_.lines, (Calls{"deleted 1", "deleted 2 close"}));
    EXPECT_TRUE(store_.Pending().Empty());
    EXPECT_EQ(store_.Library().CountEvents(), 0);
    EXPECT_EQ(store_.DeleteStored(a, 0), LibraryResult::Corrupted);
}

// --- the scheduler ---

TEST_F(StoreTest, TheDailyRebuildCollectsTodaysRemindersOncePerDay) {
    OpenEmpty();
    Put(OneTime(At(2024, 3, 11, 17, 0)));
    Put(OneTime(At(2024, 3, 12, 9, 0)));
    Put(OneTime(At(2024, 3, 12, 0, 30), 60)); // its reminder is today at 23:30
    Put(Recurring(kDaily, 1, At(2024, 3, 1, 6, 0)));
    ASSERT_EQ(store_.RebuildPending(), LibraryResult::Ok);
    EXPECT_EQ(PendingKeys(), (std::vector<uint16_t>{1, 3, 4}));
    EXPECT_EQ(store_.Pending().Limit(), At(2024, 3, 11, 23, 59, 59));
    EXPECT_EQ(notices_.lines, (Calls{"pending rebuilt 3"}));

    // Later the same day the library is not walked again.
    Put(OneTime(At(2024, 3, 11, 20, 0)));
    now_ = At(2024, 3, 11, 23, 59, 59);
    ASSERT_EQ(store_.RebuildPending(), LibraryResult::Ok);
    EXPECT_EQ(PendingKeys(), (std::vector<uint16_t>{1, 3, 4}));
    // Unless the limit was unset (a change of the system time, an import).
    ASSERT_EQ(store_.ReloadPending(), LibraryResult::Ok);
    EXPECT_EQ(PendingKeys(), (std::vector<uint16_t>{1, 3, 4, 5}));
    // The first rebuild of the next day collects that day's reminders (and keeps those of
    // one-time events that were never accepted).
    now_ = At(2024, 3, 12, 0, 0, 20);
    ASSERT_EQ(store_.RebuildPending(), LibraryResult::Ok);
    EXPECT_EQ(PendingKeys(), (std::vector<uint16_t>{1, 2, 3, 4, 5}));
}

TEST_F(StoreTest, AFailedRebuildKeepsTheListAndTheLimit) {
    OpenEmpty();
    Put(OneTime(At(2024, 3, 11, 17, 0)));
    const uint16_t broken = Put(OneTime(At(2024, 3, 12, 17, 0)));
    ASSERT_EQ(store_.RebuildPending(), LibraryResult::Ok);
    (*fs_.files[kLibraryPath])[8000 + 256 * broken] ^= 0xFF; // its record magic
    now_ = At(2024, 3, 12, 8, 0);
    EXPECT_EQ(store_.RebuildPending(), LibraryResult::Corrupted);
    EXPECT_EQ(PendingKeys(), std::vector<uint16_t>{1});
    EXPECT_EQ(store_.Pending().Limit(), At(2024, 3, 11, 23, 59, 59));
}

TEST_F(StoreTest, TheDueCheck) {
    OpenEmpty();
    EXPECT_TRUE(store_.DueReminders().empty()); // no list yet
    Put(OneTime(At(2024, 3, 11, 8, 0)));
    Put(OneTime(At(2024, 3, 11, 17, 0)));
    EventRecord over = OneTime(At(2024, 3, 11, 7, 0));
    over.flags |= kSkipWhenOver; // 07:00 for 30 minutes: over at 08:00
    Put(over);
    // A snooze is the user's own: shown however late.
    EventRecord snoozed = over;
    snoozed.SetSnooze(At(2024, 3, 11, 7, 10), AmountUnit::Minute, 10);
    const uint16_t snoozedKey = Put(snoozed);
    ASSERT_EQ(store_.RebuildPending(), LibraryResult::Ok);
    EXPECT_EQ(store_.DueReminders(),
              (std::vector<DueReminder>{{snoozedKey, At(2024, 3, 11, 7, 10), false, false},
                                        {3, At(2024, 3, 11, 7, 0), false, true},
                                        {1, At(2024, 3, 11, 8, 0), false, false}}));
    store_.RemovePending(1);
    EXPECT_EQ(notices_.lines.back(), "left pending 1");
    EXPECT_EQ(store_.DueReminders().size(), 2u);
}

// Day 16 of each month falls on Saturday 16 March: with the week-end rule on, its reminder is
// due on Friday from midnight, found by looking up to the end of the day.
TEST_F(StoreTest, TheDueCheckBringsWeekEndRemindersForward) {
    OpenEmpty();
    EventRecord monthly = Recurring(kMonthlyDay, MonthlyParam(16, 1), At(2024, 1, 16, 9, 0));
    monthly.StampShown(At(2024, 2, 16, 9, 0));
    Put(monthly);
    now_ = At(2024, 3, 15, 8, 0);
    ASSERT_EQ(store_.RebuildPending(), LibraryResult::Ok);
    EXPECT_TRUE(store_.DueReminders().empty());
    week_.checkWeekendEvents = true;
    store_.SetWeek(week_);
    ASSERT_EQ(store_.ReloadPending(), LibraryResult::Ok);
    EXPECT_EQ(store_.DueReminders(), (std::vector<DueReminder>{{1, At(2024, 3, 15), true, false}}));
}

// The next instant the pending list falls due after now (Monday 08:00), for one timer.
struct NextDueCase {
    const char* name;
    std::vector<EventRecord> events;
    std::optional<DateTime> next;
    bool weekendRule = false;
};

EventRecord StampedYesterday(EventRecord e) {
    e.StampShown(At(2024, 3, 10, 9, 0));
    return e;
}

EventRecord SnoozedUntil(EventRecord e, DateTime until) {
    e.StampShown(At(2024, 3, 11, 7, 0));
    e.SetSnooze(until, AmountUnit::Minute, 30);
    return e;
}

EventRecord Accepted(EventRecord e, DateTime at) {
    e.Accept(at, WeekSettings{});
    return e;
}

class NextDue : public StoreTest, public ::testing::WithParamInterface<NextDueCase> {};

TEST_P(NextDue, IsTheFirstInstantAfterNowAtWhichTheDueCheckFindsAnEvent) {
    OpenEmpty();
    week_.checkWeekendEvents = GetParam().weekendRule;
    store_.SetWeek(week_);
    for (EventRecord e : GetParam().events)
        ASSERT_EQ(store_.StoreNew(e), LibraryResult::Ok);
    ASSERT_EQ(store_.RebuildPending(), LibraryResult::Ok);
    const std::optional<DateTime> next = store_.NextDueInstant();
    EXPECT_EQ(next, GetParam().next);
    if (!next) return;
    now_ = *next - DateTimeSpan::Seconds(1);
    const size_t dueBefore = store_.DueReminders().size();
    now_ = *next;
    EXPECT_EQ(store_.DueReminders().size(), dueBefore + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Scheduler, NextDue,
    ::testing::Values(
        NextDueCase{"NothingPending", {OneTime(At(2024, 3, 12, 9, 0))}, std::nullopt},
        NextDueCase{"OneTime", {OneTime(At(2024, 3, 11, 17, 0))}, At(2024, 3, 11, 17, 0)},
        NextDueCase{"EarliestOfAll",
                    {OneTime(At(2024, 3, 11, 17, 0)), OneTime(At(2024, 3, 11, 12, 0), 30)},
                    At(2024, 3, 11, 11, 30)},
        // An event due already is the tick's: the timer waits for the next one.
        NextDueCase{"DueNowIsLeftToTheTick",
                    {OneTime(At(2024, 3, 11, 7, 0)), OneTime(At(2024, 3, 11, 17, 0))},
                    At(2024, 3, 11, 17, 0)},
        NextDueCase{"Recurring",
                    {StampedYesterday(Recurring(kDaily, 1, At(2024, 3, 1, 9, 0), 15))},
                    At(2024, 3, 11, 8, 45)},
        NextDueCase{
            "Snoozed",
            {SnoozedUntil(Recurring(kDaily, 1, At(2024, 3, 1, 7, 0)), At(2024, 3, 11, 12, 0))},
            At(2024, 3, 11, 12, 0)},
        // Daily at 00:30 an hour ahead, today's reminder dealt with last night: tonight's
        // reminder is tomorrow's occurrence's.
        NextDueCase{
            "AdvanceOverMidnight",
            {Accepted(Recurring(kDaily, 1, At(2024, 3, 1, 0, 30), 60), At(2024, 3, 10, 23, 31))},
            At(2024, 3, 11, 23, 30)},
        NextDueCase{
            "WithTheWeekEndRule", {OneTime(At(2024, 3, 11, 17, 0))}, At(2024, 3, 11, 17, 0), true}),
    [](const auto& info) { return std::string(info.param.name); });

// --- the scheduler's guards ---

// The store holds itself busy while it converts a library and while it asks about future
// stamps; a reminder window begun while another one is being created is refused.
class BusyWhenAsked final : public StorePrompts {
public:
    explicit BusyWhenAsked(const EventStore& store) : store_(store) {}
    void ShowFileError(const std::string&) override {}
    bool ConfirmConversion(const std::string&) override { return Note(); }
    bool ConfirmFutureStampCorrection() override { return Note(); }
    std::vector<bool> busy;

private:
    bool Note() {
        busy.push_back(store_.Busy());
        return true;
    }
    const EventStore& store_;
};

TEST_F(StoreTest, TheGuardsHoldForTheirScope) {
    BusyWhenAsked asked(store_);
    store_.SetPrompts(&asked);
    BlockFileBuilder old(0x00020003);
    old.PutChain(1, OldEvent().Bytes(0x00020003));
    fs_.Put(kLibraryPath, old.Bytes());
    ASSERT_EQ(store_.OpenDefaultLibrary(), LibraryResult::Ok);
    EventRecord stamped = Recurring(kDaily, 1, At(2024, 3, 1, 9, 0));
    stamped.StampShown(At(2024, 3, 17, 9, 0));
    ASSERT_EQ(store_.StoreNew(stamped), LibraryResult::Ok);
    ASSERT_EQ(store_.StartCheck(), LibraryResult::Ok);
    EXPECT_EQ(asked.busy, (std::vector<bool>{true, true}));
    EXPECT_FALSE(store_.Busy());
    {
        BusyScope outer(store_);
        { BusyScope inner(store_); }
        EXPECT_TRUE(store_.Busy());
    }
    EXPECT_FALSE(store_.Busy());

    ReminderCreationScope first(store_);
    EXPECT_FALSE(first.Nested());
    {
        ReminderCreationScope second(store_);
        EXPECT_TRUE(second.Nested());
    }
    EXPECT_TRUE(store_.CreatingReminder());
}

TEST_F(StoreTest, FutureStampsAreCorrectedInPlaceWhenTheUserAgrees) {
    OpenEmpty();
    now_ = At(2024, 3, 14, 8, 0); // Thursday
    // Stamped on Sunday 17 March, 3 days ahead: what the week-end rule leaves; not reported.
    EventRecord monthly = Recurring(kMonthlyDay, MonthlyParam(14, 1), At(2024, 1, 14, 9, 0));
    monthly.StampShown(At(2024, 3, 17, 9, 0));
    Put(monthly);
    ASSERT_EQ(store_.StartCheck(), LibraryResult::Ok);
    EXPECT_TRUE(prompts_.questions.empty());

    EventRecord daily = Recurring(kDaily, 1, At(2024, 3, 1, 9, 0));
    daily.StampShown(At(2024, 3, 17, 9, 0));
    const uint16_t key = Put(daily);
    prompts_.answerFutureStamps = false;
    ASSERT_EQ(store_.CheckFutureStamps(), LibraryResult::Ok);
    EXPECT_EQ(prompts_.questions, (Calls{"future stamps"}));
    EXPECT_EQ(Read(key).lastShown, At(2024, 3, 17, 9, 0));

    prompts_.answerFutureStamps = true;
    ASSERT_EQ(store_.StartCheck(), LibraryResult::Ok);
    EXPECT_EQ(Read(key).lastShown, now_);
    EXPECT_EQ(Read(1).lastShown, At(2024, 3, 17, 9, 0));
    EXPECT_EQ(store_.Library().CountEvents(), 2); // rewritten in place: the keys stay
    // Today's reminder of the corrected event comes again, and the list was rebuilt for it.
    EXPECT_EQ(PendingKeys(), std::vector<uint16_t>{key});
}

TEST_F(StoreTest, ANewEventStartingWeeksAheadDoesNotTripTheStartCheck) {
    OpenEmpty();
    now_ = At(2024, 3, 14, 8, 0); // Thursday
    // Every Thursday from two weeks ahead, saved as the editors and the companion save it.
    EventRecord weekly = Recurring(kWeekly | kThursday, 1, At(2024, 3, 28, 9, 0), 15);
    ASSERT_TRUE(ApplySavingRule(weekly, nullptr, now_, DateTime(), WeekSettings{}).Ok());
    Put(weekly);
    // One that an earlier version saved with the stamp a week ahead, before its start.
    EventRecord earlier = Recurring(kWeekly | kThursday, 1, At(2024, 3, 28, 9, 0), 15);
    earlier.StampShown(At(2024, 3, 21, 8, 45));
    Put(earlier);
    ASSERT_EQ(store_.StartCheck(), LibraryResult::Ok);
    EXPECT_TRUE(prompts_.questions.empty());
    EXPECT_FALSE(store_.Busy());
}

} // namespace
} // namespace zm::testing
