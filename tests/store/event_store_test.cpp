// The event operations of the store: what they write, what they tell, and what a failed write
// leaves behind; the daily rebuild, the due check and the check for future stamps.

#include "res/strings.h"
#include "support/old_library_builder.h"
#include "support/store_fixture.h"

namespace zm::testing {
namespace {

using Calls = std::vector<std::string>;

class EventOps : public StoreTest {
protected:
    void SetUp() override {
        openEmpty();
        ASSERT_EQ(store.rebuildPending(), LibraryResult::Ok);
        notices.lines.clear();
    }

    // Stores an event through the store, as an editor would, and forgets what it was told.
    uint16_t storeNew(EventRecord e) {
        EXPECT_EQ(store.storeNew(e), LibraryResult::Ok);
        notices.lines.clear();
        return e.Key;
    }

    EventRecord named(const std::string& name, DateTime start) {
        EventRecord e = OneTime(start);
        e.Name = name;
        return e;
    }
};

TEST_F(EventOps, ANewEventJoinsThePendingListOnlyWhenDueToday) {
    EventRecord today = named("today", At(2024, 3, 11, 17, 0));
    ASSERT_EQ(store.storeNew(today), LibraryResult::Ok);
    EXPECT_EQ(notices.lines, (Calls{"added 1 pending"}));
    EventRecord tomorrow = named("tomorrow", At(2024, 3, 12, 9, 0));
    ASSERT_EQ(store.storeNew(tomorrow), LibraryResult::Ok);
    EXPECT_EQ(notices.lines, (Calls{"added 1 pending", "added 2"}));
    EXPECT_EQ(pendingKeys(), std::vector<uint16_t>{1});
    EXPECT_NE(tomorrow.Id, 0u);
}

TEST_F(EventOps, AChangedEventTakesItsNewKeyEverywhere) {
    EventRecord e = read(storeNew(named("a", At(2024, 3, 11, 17, 0))));
    e.Name = "b";
    ASSERT_EQ(store.storeChanged(e), LibraryResult::Ok);
    EXPECT_EQ(e.Key, 2);
    EXPECT_EQ(notices.lines, (Calls{"changed 1 -> 2 close pending"}));
    EXPECT_EQ(pendingKeys(), std::vector<uint16_t>{2});
    EXPECT_EQ(store.pending().find(2)->Name, "b");
}

// A full disk while storing: the result is DiskFull, nobody is told anything, and every event
// stored before reads back as it was, also from the file as another program would open it.
struct DiskFullCase {
    const char* name;
    std::function<void(FaultyFile&)> plan;
};

class DiskFull : public EventOps, public ::testing::WithParamInterface<DiskFullCase> {};

TEST_P(DiskFull, LeavesTheLibraryThePendingListAndTheWindowsAsTheyWere) {
    const uint16_t first = storeNew(named("first", At(2024, 3, 11, 17, 0)));
    const uint16_t second = storeNew(named("second", At(2024, 3, 12, 9, 0)));
    const std::vector<uint16_t> pendingBefore = pendingKeys();
    const EventRecord firstBefore = read(first);

    for (bool change : {false, true}) {
        SCOPED_TRACE(change ? "storeChanged" : "storeNew");
        GetParam().plan(*faults);
        EventRecord e = change ? read(first) : named("third", At(2024, 3, 11, 18, 0));
        e.Name = "changed";
        EXPECT_EQ(change ? store.storeChanged(e) : store.storeNew(e), LibraryResult::DiskFull);
        EXPECT_EQ(e.Key, change ? first : 0);
        faults->failWrite(0);
        faults->failFlush(LibraryResult::Ok);

        EXPECT_TRUE(notices.lines.empty());
        EXPECT_EQ(pendingKeys(), pendingBefore);
        EXPECT_EQ(store.pending().find(first)->Name, "first");
        EXPECT_EQ(store.library().countEvents(), 2);
        EXPECT_EQ(read(first).Name, "first");
        EXPECT_EQ(read(first).Id, firstBefore.Id);
        EXPECT_EQ(read(second).Name, "second");

        EventLibrary other;
        ASSERT_EQ(other.openFile(std::make_unique<MemoryFile>(fs.files[kLibraryPath]), false),
                  LibraryResult::Ok);
        EXPECT_EQ(other.countEvents(), 2);
        const ReadResult<EventRecord> again = other.readEvent(first);
        ASSERT_EQ(again.Code(), LibraryResult::Ok);
        EXPECT_EQ(again->Name, "first");
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryWrite, DiskFull,
    ::testing::Values(
        DiskFullCase{"Block", [](FaultyFile& f) { f.failWrite(1, FaultyFile::Fault::DiskFull); }},
        DiskFullCase{"Index", [](FaultyFile& f) { f.failWrite(2, FaultyFile::Fault::DiskFull); }},
        DiskFullCase{"HalfAnIndex",
                     [](FaultyFile& f) { f.failWrite(2, FaultyFile::Fault::ShortDiskFull); }},
        DiskFullCase{"Flush", [](FaultyFile& f) { f.failFlush(LibraryResult::DiskFull); }}),
    [](const auto& info) { return std::string(info.param.name); });

// The pending entry follows the event to its new storage place.
TEST_F(EventOps, ChangingTheTypeOfAPendingEventMovesItsEntry) {
    EventRecord e = read(storeNew(named("a", At(2024, 3, 11, 17, 0))));
    ASSERT_EQ(store.changeType(e, 3, "Call"), LibraryResult::Ok);
    EXPECT_EQ(e.Key, 2);
    EXPECT_EQ(pendingKeys(), std::vector<uint16_t>{2});
    const EventRecord* entry = store.pending().find(2);
    EXPECT_EQ(entry->TypeName, "Call");
    EXPECT_EQ(entry->TypeIndex, 3);
    EXPECT_EQ(read(2).TypeName, "Call");
    EXPECT_EQ(notices.lines, (Calls{"type changed 1 -> 2 close pending"}));
}

TEST_F(EventOps, ChangingTheTypeOfAnEventDueTodayThatWasNotPendingAddsIt) {
    EventRecord e = read(put(named("a", At(2024, 3, 11, 17, 0))));
    ASSERT_EQ(store.changeType(e, -1, "Gone"), LibraryResult::Ok);
    EXPECT_EQ(pendingKeys(), std::vector<uint16_t>{e.Key});
}

TEST_F(EventOps, DeleteAcceptedWithNothingToDeleteWritesNothing) {
    put(named("waiting", At(2024, 3, 12, 9, 0)));
    EventRecord recurring = Recurring(kDaily, 1, At(2024, 3, 1, 9, 0));
    recurring.Flags |= kAccepted; // never meaningful on a recurring event
    put(recurring);
    const int writes = faults->writes();
    const int flushes = faults->flushes();
    ASSERT_EQ(store.deleteAccepted(), LibraryResult::Ok);
    EXPECT_EQ(faults->writes(), writes);
    EXPECT_EQ(faults->flushes(), flushes);
    EXPECT_EQ(store.library().countEvents(), 2);

    EventRecord accepted = named("done", At(2024, 3, 1, 9, 0));
    accepted.Flags |= kAccepted;
    const uint16_t key = put(accepted);
    ASSERT_EQ(store.deleteAccepted(), LibraryResult::Ok);
    EXPECT_EQ(store.library().countEvents(), 2);
    EXPECT_EQ(notices.lines, (Calls{"purged " + std::to_string(key)}));
}

TEST_F(EventOps, AcceptingAOneTimeEventTakesItOffThePendingList) {
    now = At(2024, 3, 11, 17, 0);
    const uint16_t key = storeNew(named("a", At(2024, 3, 11, 17, 0)));
    ASSERT_EQ(store.acceptStored(key), LibraryResult::Ok);
    const EventRecord e = read(2);
    EXPECT_TRUE(e.Has(kAccepted));
    EXPECT_EQ(e.LastShown, now);
    EXPECT_TRUE(store.pending().empty());
    EXPECT_EQ(notices.lines, (Calls{"accepted 1 -> 2"}));
}

// A recurring event comes back into the pending list when a further reminder falls today.
TEST_F(EventOps, AnAcceptedRecurringEventWithALaterReminderTodayStaysPending) {
    EventRecord e = Recurring(kDaily, 1, At(2024, 3, 1, 17, 0));
    e.SetSnooze(At(2024, 3, 11, 7, 30), AmountUnit::Minute, 30);
    const uint16_t key = storeNew(e);
    ASSERT_EQ(pendingKeys(), std::vector<uint16_t>{key});
    ASSERT_EQ(store.acceptStored(key), LibraryResult::Ok);
    EXPECT_EQ(pendingKeys(), std::vector<uint16_t>{2});
    EXPECT_FALSE(store.pending().find(2)->Has(kSnoozed));

    ASSERT_EQ(store.acceptListed(2), LibraryResult::Ok);
    EXPECT_EQ(notices.changes.back().OldKey, 2);
    EXPECT_TRUE(notices.changes.back().ClosesReminderWindow);
}

TEST_F(EventOps, DisablingAndEnabling) {
    EventRecord e = read(storeNew(named("a", At(2024, 3, 11, 17, 0))));
    const int writes = faults->writes();
    ASSERT_EQ(store.setDisabled(e, false), LibraryResult::Ok);
    EXPECT_EQ(faults->writes(), writes);
    EXPECT_TRUE(notices.lines.empty());

    ASSERT_EQ(store.setDisabled(e, true), LibraryResult::Ok);
    EXPECT_TRUE(read(e.Key).Has(kDisabled));
    EXPECT_TRUE(store.pending().empty());
    ASSERT_EQ(store.setDisabled(e, false), LibraryResult::Ok);
    EXPECT_EQ(pendingKeys(), std::vector<uint16_t>{e.Key});
    EXPECT_EQ(notices.lines, (Calls{"disabled 1 -> 2 close", "enabled 2 -> 1 close pending"}));
}

TEST_F(EventOps, SnoozingRefusedChangesNothingAndAcceptedWaitsInThePendingList) {
    now = At(2024, 3, 11, 9, 5);
    const uint16_t key = storeNew(Recurring(kDaily, 1, At(2024, 3, 1, 9, 0)));
    store.removePending(key); // its window opened
    notices.lines.clear();
    const int writes = faults->writes();

    Verdict verdict;
    SnoozeRequest tooLong{At(2024, 3, 11, 9, 0), DateTimeSpan::Hours(25), AmountUnit::Hour, 25,
                          std::nullopt};
    ASSERT_EQ(store.snoozeStored(key, tooLong, verdict), LibraryResult::Ok);
    EXPECT_EQ(verdict.message, IDS_SNOOZE_AFTER_NEXT);
    EXPECT_EQ(faults->writes(), writes);

    SnoozeRequest twoHours{At(2024, 3, 11, 9, 0), DateTimeSpan::Hours(2), AmountUnit::Hour, 2,
                           std::nullopt};
    ASSERT_EQ(store.snoozeStored(key, twoHours, verdict), LibraryResult::Ok);
    EXPECT_TRUE(verdict.Ok());
    EXPECT_EQ(pendingKeys(), std::vector<uint16_t>{2});
    EXPECT_EQ(read(2).SnoozeUntil, At(2024, 3, 11, 11, 5));
    EXPECT_EQ(notices.lines, (Calls{"snoozed 1 -> 2 pending"}));
}

TEST_F(EventOps, CancellingASnoozeMakesTheReminderDueAgain) {
    EventRecord e = named("a", At(2024, 3, 11, 7, 0));
    e.StampShown(At(2024, 3, 11, 7, 0));
    e.SetSnooze(At(2024, 3, 12, 9, 0), AmountUnit::Day, 1);
    const uint16_t key = storeNew(e);
    EXPECT_TRUE(store.pending().empty());
    ASSERT_EQ(store.unsnoozeStored(key), LibraryResult::Ok);
    EXPECT_EQ(pendingKeys(), std::vector<uint16_t>{2});
    EXPECT_EQ(notices.lines, (Calls{"unsnoozed 1 -> 2 close pending"}));
    EXPECT_EQ(store.dueReminders().size(), 1u);
}

TEST_F(EventOps, RemovingAnEventClosesItsWindowDeletingDoesNot) {
    const uint16_t a = storeNew(named("a", At(2024, 3, 11, 17, 0)));
    const uint16_t b = storeNew(named("b", At(2024, 3, 12, 17, 0)));
    ASSERT_EQ(store.deleteStored(a), LibraryResult::Ok);
    ASSERT_EQ(store.removeEvent(b), LibraryResult::Ok);
    EXPECT_EQ(notices.lines, (Calls{"deleted 1", "deleted 2 close"}));
    EXPECT_TRUE(store.pending().empty());
    EXPECT_EQ(store.library().countEvents(), 0);
    EXPECT_EQ(store.deleteStored(a), LibraryResult::Corrupted);
}

// --- the scheduler ---

TEST_F(StoreTest, TheDailyRebuildCollectsTodaysRemindersOncePerDay) {
    openEmpty();
    put(OneTime(At(2024, 3, 11, 17, 0)));
    put(OneTime(At(2024, 3, 12, 9, 0)));
    put(OneTime(At(2024, 3, 12, 0, 30), 60)); // its reminder is today at 23:30
    put(Recurring(kDaily, 1, At(2024, 3, 1, 6, 0)));
    ASSERT_EQ(store.rebuildPending(), LibraryResult::Ok);
    EXPECT_EQ(pendingKeys(), (std::vector<uint16_t>{1, 3, 4}));
    EXPECT_EQ(store.pending().limit(), At(2024, 3, 11, 23, 59, 59));
    EXPECT_EQ(notices.lines, (Calls{"pending rebuilt 3"}));

    // Later the same day the library is not walked again.
    put(OneTime(At(2024, 3, 11, 20, 0)));
    now = At(2024, 3, 11, 23, 59, 59);
    ASSERT_EQ(store.rebuildPending(), LibraryResult::Ok);
    EXPECT_EQ(pendingKeys(), (std::vector<uint16_t>{1, 3, 4}));
    // Unless the limit was unset (a change of the system time, an import).
    ASSERT_EQ(store.reloadPending(), LibraryResult::Ok);
    EXPECT_EQ(pendingKeys(), (std::vector<uint16_t>{1, 3, 4, 5}));
    // The first rebuild of the next day collects that day's reminders (and keeps those of
    // one-time events that were never accepted).
    now = At(2024, 3, 12, 0, 0, 20);
    ASSERT_EQ(store.rebuildPending(), LibraryResult::Ok);
    EXPECT_EQ(pendingKeys(), (std::vector<uint16_t>{1, 2, 3, 4, 5}));
}

TEST_F(StoreTest, AFailedRebuildKeepsTheListAndTheLimit) {
    openEmpty();
    put(OneTime(At(2024, 3, 11, 17, 0)));
    const uint16_t broken = put(OneTime(At(2024, 3, 12, 17, 0)));
    ASSERT_EQ(store.rebuildPending(), LibraryResult::Ok);
    (*fs.files[kLibraryPath])[8000 + 256 * broken] ^= 0xFF; // its record magic
    now = At(2024, 3, 12, 8, 0);
    EXPECT_EQ(store.rebuildPending(), LibraryResult::Corrupted);
    EXPECT_EQ(pendingKeys(), std::vector<uint16_t>{1});
    EXPECT_EQ(store.pending().limit(), At(2024, 3, 11, 23, 59, 59));
}

TEST_F(StoreTest, TheDueCheck) {
    openEmpty();
    EXPECT_TRUE(store.dueReminders().empty()); // no list yet
    put(OneTime(At(2024, 3, 11, 8, 0)));
    put(OneTime(At(2024, 3, 11, 17, 0)));
    EventRecord over = OneTime(At(2024, 3, 11, 7, 0));
    over.Flags |= kSkipWhenOver; // 07:00 for 30 minutes: over at 08:00
    put(over);
    ASSERT_EQ(store.rebuildPending(), LibraryResult::Ok);
    EXPECT_EQ(store.dueReminders(),
              (std::vector<DueReminder>{{3, At(2024, 3, 11, 7, 0), false, true},
                                        {1, At(2024, 3, 11, 8, 0), false, false}}));
    store.removePending(1);
    EXPECT_EQ(notices.lines.back(), "left pending 1");
    EXPECT_EQ(store.dueReminders().size(), 1u);
}

// Day 16 of each month falls on Saturday 16 March: with the week-end rule on, its reminder is
// due on Friday from midnight, found by looking up to the end of the day.
TEST_F(StoreTest, TheDueCheckBringsWeekEndRemindersForward) {
    openEmpty();
    EventRecord monthly = Recurring(kMonthlyDay, MonthlyParam(16, 1), At(2024, 1, 16, 9, 0));
    monthly.StampShown(At(2024, 2, 16, 9, 0));
    put(monthly);
    now = At(2024, 3, 15, 8, 0);
    ASSERT_EQ(store.rebuildPending(), LibraryResult::Ok);
    EXPECT_TRUE(store.dueReminders().empty());
    week.CheckWeekendEvents = true;
    store.SetWeek(week);
    ASSERT_EQ(store.reloadPending(), LibraryResult::Ok);
    EXPECT_EQ(store.dueReminders(), (std::vector<DueReminder>{{1, At(2024, 3, 15), true, false}}));
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

class NextDue : public StoreTest, public ::testing::WithParamInterface<NextDueCase> {};

TEST_P(NextDue, IsTheFirstInstantAfterNowAtWhichTheDueCheckFindsAnEvent) {
    openEmpty();
    week.CheckWeekendEvents = GetParam().weekendRule;
    store.SetWeek(week);
    for (EventRecord e : GetParam().events)
        ASSERT_EQ(store.storeNew(e), LibraryResult::Ok);
    ASSERT_EQ(store.rebuildPending(), LibraryResult::Ok);
    const std::optional<DateTime> next = store.NextDueInstant();
    EXPECT_EQ(next, GetParam().next);
    if (!next) return;
    now = *next - DateTimeSpan::Seconds(1);
    const size_t dueBefore = store.dueReminders().size();
    now = *next;
    EXPECT_EQ(store.dueReminders().size(), dueBefore + 1);
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
        NextDueCase{
            "WithTheWeekEndRule", {OneTime(At(2024, 3, 11, 17, 0))}, At(2024, 3, 11, 17, 0), true}),
    [](const auto& info) { return std::string(info.param.name); });

// --- the scheduler's guards ---

// The store holds itself busy while it converts a library and while it asks about future
// stamps; a reminder window begun while another one is being created is refused.
class BusyWhenAsked final : public StorePrompts {
public:
    explicit BusyWhenAsked(const EventStore& store) : store_(store) {}
    void showFileError(const std::string&) override {}
    bool confirmConversion(const std::string&) override { return note(); }
    bool confirmFutureStampCorrection() override { return note(); }
    std::vector<bool> busy;

private:
    bool note() {
        busy.push_back(store_.busy());
        return true;
    }
    const EventStore& store_;
};

TEST_F(StoreTest, TheGuardsHoldForTheirScope) {
    BusyWhenAsked asked(store);
    store.setPrompts(&asked);
    BlockFileBuilder old(0x00020003);
    old.putChain(1, OldEvent().bytes(0x00020003));
    fs.put(kLibraryPath, old.bytes());
    ASSERT_EQ(store.openDefaultLibrary(), LibraryResult::Ok);
    EventRecord stamped = Recurring(kDaily, 1, At(2024, 3, 1, 9, 0));
    stamped.StampShown(At(2024, 3, 17, 9, 0));
    ASSERT_EQ(store.storeNew(stamped), LibraryResult::Ok);
    ASSERT_EQ(store.startCheck(), LibraryResult::Ok);
    EXPECT_EQ(asked.busy, (std::vector<bool>{true, true}));
    EXPECT_FALSE(store.busy());
    {
        BusyScope outer(store);
        { BusyScope inner(store); }
        EXPECT_TRUE(store.busy());
    }
    EXPECT_FALSE(store.busy());

    ReminderCreationScope first(store);
    EXPECT_FALSE(first.Nested());
    {
        ReminderCreationScope second(store);
        EXPECT_TRUE(second.Nested());
    }
    EXPECT_TRUE(store.CreatingReminder());
}

TEST_F(StoreTest, FutureStampsAreCorrectedInPlaceWhenTheUserAgrees) {
    openEmpty();
    now = At(2024, 3, 14, 8, 0); // Thursday
    // Stamped on Sunday 17 March, 3 days ahead: what the week-end rule leaves; not reported.
    EventRecord monthly = Recurring(kMonthlyDay, MonthlyParam(14, 1), At(2024, 1, 14, 9, 0));
    monthly.StampShown(At(2024, 3, 17, 9, 0));
    put(monthly);
    ASSERT_EQ(store.startCheck(), LibraryResult::Ok);
    EXPECT_TRUE(prompts.questions.empty());

    EventRecord daily = Recurring(kDaily, 1, At(2024, 3, 1, 9, 0));
    daily.StampShown(At(2024, 3, 17, 9, 0));
    const uint16_t key = put(daily);
    prompts.answerFutureStamps = false;
    ASSERT_EQ(store.checkFutureStamps(), LibraryResult::Ok);
    EXPECT_EQ(prompts.questions, (Calls{"future stamps"}));
    EXPECT_EQ(read(key).LastShown, At(2024, 3, 17, 9, 0));

    prompts.answerFutureStamps = true;
    ASSERT_EQ(store.startCheck(), LibraryResult::Ok);
    EXPECT_EQ(read(key).LastShown, now);
    EXPECT_EQ(read(1).LastShown, At(2024, 3, 17, 9, 0));
    EXPECT_EQ(store.library().countEvents(), 2); // rewritten in place: the keys stay
    // Today's reminder of the corrected event comes again, and the list was rebuilt for it.
    EXPECT_EQ(pendingKeys(), std::vector<uint16_t>{key});
}

} // namespace
} // namespace zm::testing
