// A year of the resident program over a library of every kind of event: the program ends and
// starts again, the machine sleeps, the clock is set back and forward. The user accepts every
// reminder the moment its window opens. Afterwards each event's history is replayed on a copy
// of the event, by the reminder timing alone: every reminder it says is due while the program
// ticks is shown exactly once, none early, none lost, none more than one tick late.

#include "support/event_builders.h"
#include "support/fake_time_change_watch.h"
#include "support/scheduler_fixture.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <random>

namespace zm {
namespace {
using namespace testing;

const WeekSettings kWeek{0x3E, false};
const DateTimeSpan kTolerance = DateTimeSpan::Seconds(20); // one tick

// --- the library ---

class LibraryMaker {
public:
    explicit LibraryMaker(DateTime from) : from_(from) {}

    std::vector<EventRecord> Make() {
        std::vector<EventRecord> events;
        auto add = [&](int count, auto make) {
            for (int i = 0; i < count; ++i)
                events.push_back(Finish(make()));
        };
        add(70, [&] { return OneTime(Instant(360), Advance()); });
        add(25, [&] { return Recurring(kDaily, Pick(1, 4), Instant(30), Advance()); });
        add(35, [&] {
            uint32_t days = 0;
            while (days == 0)
                days = static_cast<uint32_t>(rng_() & kWeekdayMask);
            return Recurring(kWeekly | days, Pick(1, 3), Instant(30), Advance());
        });
        add(40, [&] {
            const DateTime start = Instant(60);
            return Recurring(kMonthlyDay, MonthlyParam(start.Ymd().day, Pick(1, 3)), start,
                             Advance());
        });
        add(40, [&] {
            const uint32_t ordinal = kOrdFirst << Pick(0, 4);
            return Recurring(kMonthlyNth | ordinal | WeekdayBit(Pick(1, 7)),
                             MonthlyParam(1, Pick(1, 2)), Instant(60), Advance());
        });
        add(40, [&] { return Recurring(kYearlyDate, 1, Instant(365), Advance()); });
        add(30, [&] {
            const uint32_t ordinal = kOrdFirst << Pick(0, 4);
            return Recurring(kYearlyNth | ordinal | WeekdayBit(Pick(1, 7)), 12, Instant(365),
                             Advance());
        });
        // Reminders an hour before an occurrence just after midnight.
        add(6, [&] {
            const DateTime day = Instant(30).Date();
            return Recurring(kDaily, 1, day + DateTimeSpan::Minutes(Pick(0, 50)), 60);
        });
        // Snoozed past the end of their time: shown all the same, never skipped.
        add(4, [&] {
            EventRecord e = OneTime(Instant(300), Advance());
            e.flags |= kSkipWhenOver;
            e.StampShown(e.start);
            e.SetSnooze(e.start + DateTimeSpan::Hours(2), AmountUnit::Hour, 2);
            return e;
        });
        return events;
    }

private:
    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    DateTime Instant(int withinDays) {
        return from_ + DateTimeSpan::Days(Pick(0, withinDays - 1)) +
               DateTimeSpan::Minutes(Pick(0, 1439));
    }
    int Advance() {
        static constexpr int kChoices[] = {0, 0, 5, 15, 30, 60, 120};
        return kChoices[Pick(0, 6)];
    }

    EventRecord Finish(EventRecord e) {
        e.name = "event " + std::to_string(++count_);
        if (e.IsRecurring()) {
            // The first occurrence is its start, and none was reminded before.
            e.start = e.OccurrenceOnOrAfter(e.start);
            if (Pick(0, 9) == 0) {
                e.SetFlag(kHasEnd, true);
                e.end = e.start + DateTimeSpan::Days(Pick(30, 200));
            }
        }
        if (Pick(0, 5) == 0) e.flags |= kSkipWhenOver;
        if (Pick(0, 14) == 0) {
            // Snoozed by the user before the year began, to some time ahead.
            e.StampShown(from_ - DateTimeSpan::Minutes(1));
            e.SetSnooze(from_ + DateTimeSpan::Minutes(Pick(60, 60 * 24 * 20)), AmountUnit::Minute,
                        10);
        }
        if (Pick(0, 49) == 0) e.SetDisabled(true);
        return e;
    }

    DateTime from_;
    std::mt19937 rng_{20260101};
    int count_ = 0;
};

// --- what happened, in order ---

struct Happening {
    enum Kind { Started, Stopped, Shown, Silent } kind;
    DateTime at;
    uint32_t id = 0;
};

// Accepts every reminder as its window opens and writes down every window and every silent
// accept.
class User final : public StoreListener {
public:
    User(SchedulerRig& rig, std::vector<Happening>& log) : rig_(rig), log_(log) {
        rig_.presenter.onShown = [this](const EventRecord& e) {
            log_.push_back({Happening::Shown, rig_.timeline.Now(), e.id});
            answering_ = true;
            EXPECT_EQ(rig_.Store().AcceptStored(e.key, e.id), LibraryResult::Ok);
            answering_ = false;
            rig_.presenter.open.erase(e.key);
        };
    }
    void OnStoreChange(const StoreChange& c) override {
        if (c.kind == StoreChangeKind::Accepted && !answering_ && c.event)
            log_.push_back({Happening::Silent, rig_.timeline.Now(), c.event->id});
    }

private:
    SchedulerRig& rig_;
    std::vector<Happening>& log_;
    bool answering_ = false;
};

// --- the year ---

struct Disturbance {
    enum Kind { End, Sleep, SetBack, SetForward } kind;
    DateTime at;
    DateTimeSpan length;
};

class Year {
public:
    Year(DateTime from, DateTime to) : rig_(from, kWeek), user_(rig_, log_), to_(to) {}

    std::vector<EventRecord> Store(std::vector<EventRecord> events) {
        for (EventRecord& e : events)
            EXPECT_EQ(rig_.Store().StoreNew(e), LibraryResult::Ok);
        return events;
    }

    void Run(std::vector<Disturbance> plan) {
        Start();
        for (const Disturbance& d : plan) {
            RunUntil(std::max(d.at, rig_.timeline.Now()));
            Disturb(d);
        }
        RunUntil(to_);
        log_.push_back({Happening::Stopped, rig_.timeline.Now()});
    }

    const std::vector<Happening>& Log() const { return log_; }
    int Ticks() const { return ticks_; }

private:
    void Start() {
        rig_.Open();
        rig_.Sched().SetTimeChangeWatch(&timeWatch_);
        ASSERT_EQ(rig_.Start(), LibraryResult::Ok);
        rig_.Store().AddListener(user_);
        // No reminder comes within the start-up delay: the program ticks from its end.
        rig_.timeline.RunFor(60'000);
        ASSERT_TRUE(rig_.Sched().Ticking());
        log_.push_back({Happening::Started, rig_.timeline.Now()});
    }

    void Disturb(const Disturbance& d) {
        const DateTime now = rig_.timeline.Now();
        switch (d.kind) {
        case Disturbance::End:
            log_.push_back({Happening::Stopped, now});
            rig_.End();
            rig_.timeline.RunUntil(now + d.length);
            Start();
            return;
        case Disturbance::Sleep:
            // The timers stand still while the machine sleeps; the first tick after it
            // notices the gap between the clocks.
            log_.push_back({Happening::Stopped, now});
            rig_.timeline.SetWall(now + d.length);
            log_.push_back({Happening::Started, now + d.length});
            timeWatch_.Resume();
            rig_.timeline.RunFor(20'000);
            return;
        case Disturbance::SetForward:
            return Jump(now + d.length);
        case Disturbance::SetBack:
            return Jump(now - d.length);
        }
    }

    // The wall clock jumps; the scheduler is told as the watch on the system time tells it.
    void Jump(DateTime to) {
        log_.push_back({Happening::Stopped, rig_.timeline.Now()});
        rig_.timeline.SetWall(to);
        log_.push_back({Happening::Started, to});
        rig_.Sched().TimeChanged();
    }

    // Runs to `until`, skipping the ticks that find nothing: straight to the next-due shot,
    // with plain ticks across every midnight.
    void RunUntil(DateTime until) {
        FakeTimeline& timeline = rig_.timeline;
        while (timeline.Now() < until) {
            const DateTime now = timeline.Now();
            const DateTime midnight = now.Date() + DateTimeSpan::Days(1);
            const DateTime plainFrom = midnight - DateTimeSpan::Seconds(45);
            const DateTime lastMidnight = now.Date();
            if (now >= plainFrom || now < lastMidnight + DateTimeSpan::Seconds(45)) {
                ++ticks_;
                timeline.RunFor(20'000);
                continue;
            }
            // What is due already is the next tick's.
            if (!rig_.Store().DueReminders().empty()) {
                ++ticks_;
                timeline.RunFor(20'000);
                continue;
            }
            DateTime next = std::min(until, plainFrom);
            if (rig_.Program().nextDue.Active())
                next = std::min(next, rig_.Program().nextDue.FiresAt());
            timeline.SkipRepeatingUntil(next);
            timeline.RunUntil(next);
            ++ticks_;
        }
    }

    SchedulerRig rig_;
    FakeTimeChangeWatch timeWatch_;
    std::vector<Happening> log_;
    User user_;
    DateTime to_;
    int ticks_ = 0;
};

// --- the reckoning ---

struct Figures {
    int expected = 0; // reminders due while the program ticked (shown or accepted silently)
    int shown = 0;    // reminder windows
    int silent = 0;   // accepted without a window (time over, skipped)
    int doubled = 0;  // shown again for a reminder already dealt with
    int early = 0;    // shown before the reminder was due
    int late = 0;     // shown more than a tick after it was due
    int missed = 0;   // due while the program ticked, and never shown
    int wrongWay = 0; // shown where it should have been accepted silently, or the other way
    // By the calendar: reminder instants while the program ticked, and those not met in time.
    int calendarExpected = 0;
    int calendarMissed = 0;
};

// The first instant in [from, to] at which the reminder of `e` is due. Whether it is due
// changes only at a reminder instant of the event, at its snooze, or at midnight.
std::optional<DateTime> FirstDue(const EventRecord& e, DateTime from, DateTime to) {
    if (to < from) return std::nullopt;
    std::vector<DateTime> candidates{from};
    const DateTimeSpan advance = e.AdvanceSpan();
    if (e.Has(kSnoozed)) candidates.push_back(e.snoozeUntil);
    if (!e.IsRecurring()) {
        candidates.push_back(e.start - advance);
    } else {
        DateTime o = e.OccurrenceOnOrAfter(from);
        candidates.push_back(e.PreviousOccurrence(o) - advance);
        for (int i = 0; i < 800 && o - advance <= to; ++i) {
            candidates.push_back(o - advance);
            const DateTime next = e.NextOccurrence(o);
            if (next <= o) break;
            o = next;
        }
    }
    for (DateTime day = from.Date() + DateTimeSpan::Days(1); day <= to;
         day = day + DateTimeSpan::Days(1))
        candidates.push_back(day);
    std::sort(candidates.begin(), candidates.end());
    for (DateTime t : candidates)
        if (t >= from && t <= to && e.IsDue(t, kWeek).due) return t;
    return std::nullopt;
}

// Replays what happened to one event on its own copy.
void Reckon(EventRecord e, const std::vector<Happening>& log, Figures& f) {
    bool ticking = false;
    DateTime since; // from here on a due reminder would have been seen
    for (const Happening& h : log) {
        if (h.kind == Happening::Started) {
            ticking = true;
            since = h.at;
            continue;
        }
        if (h.kind == Happening::Stopped) {
            // A reminder due a tick or more before the end should have come.
            if (ticking)
                if (const auto due = FirstDue(e, since, h.at - kTolerance)) {
                    ++f.expected;
                    ++f.missed;
                    ADD_FAILURE() << e.name << " due at " << ::testing::PrintToString(*due)
                                  << " was not shown before " << ::testing::PrintToString(h.at);
                }
            ticking = false;
            continue;
        }
        if (h.id != e.id) continue;
        (h.kind == Happening::Shown ? f.shown : f.silent)++;
        const DueCheck check = e.IsDue(h.at, kWeek);
        if (!check.due) {
            const bool again = e.Has(kShown) && e.NextReminder(h.at).instant > h.at;
            ++(again ? f.doubled : f.early);
            ADD_FAILURE() << e.name << " came at " << ::testing::PrintToString(h.at)
                          << " when it was not due";
        } else {
            ++f.expected;
            const std::optional<DateTime> due = FirstDue(e, since, h.at);
            if (due && h.at - *due > kTolerance) {
                ++f.late;
                ADD_FAILURE() << e.name << " due at " << ::testing::PrintToString(*due)
                              << " came at " << ::testing::PrintToString(h.at);
            }
            const bool silently = e.Has(kSkipWhenOver) && !e.Has(kSnoozed) && e.IsTimeOver(h.at);
            if (silently != (h.kind == Happening::Silent)) {
                ++f.wrongWay;
                ADD_FAILURE() << e.name << " at " << ::testing::PrintToString(h.at)
                              << (silently ? " was shown, not skipped" : " was skipped");
            }
        }
        e.Accept(h.at, kWeek);
        since = h.at;
    }
}

// The same by the calendar alone: every reminder instant of the event (an occurrence minus the
// advance, or the snooze) that falls well inside a stretch in which the program ticked is met
// by a window or a silent accept within a tick.
void CheckCalendar(const EventRecord& e, const std::vector<Happening>& log, Figures& f) {
    if (e.Has(kDisabled)) return;
    std::vector<DateTime> answered;
    std::vector<std::pair<DateTime, DateTime>> ticking;
    for (const Happening& h : log) {
        if (h.kind == Happening::Started) ticking.push_back({h.at, h.at});
        if (h.kind == Happening::Stopped) ticking.back().second = h.at;
        if ((h.kind == Happening::Shown || h.kind == Happening::Silent) && h.id == e.id)
            answered.push_back(h.at);
    }
    std::vector<DateTime> instants;
    const DateTimeSpan advance = e.AdvanceSpan();
    DateTime after = DateTime(); // a snooze holds back the reminders before it
    if (e.Has(kSnoozed)) {
        instants.push_back(e.snoozeUntil);
        after = e.snoozeUntil;
    }
    if (!e.IsRecurring() && !e.Has(kSnoozed)) instants.push_back(e.start - advance);
    if (e.IsRecurring())
        for (DateTime o = e.start; o.Year() < 2027; o = e.NextOccurrence(o)) {
            if (o - advance > after && !(e.Has(kHasEnd) && o - advance > e.end))
                instants.push_back(o - advance);
            if (e.NextOccurrence(o) <= o) break;
        }
    for (DateTime r : instants) {
        const bool inside = std::any_of(ticking.begin(), ticking.end(), [&](const auto& t) {
            return r > t.first && r + kTolerance < t.second;
        });
        if (!inside) continue;
        ++f.calendarExpected;
        const bool met = std::any_of(answered.begin(), answered.end(),
                                     [&](DateTime a) { return a >= r && a - r <= kTolerance; });
        if (!met) {
            ++f.calendarMissed;
            ADD_FAILURE() << e.name << ": nothing came for its reminder at "
                          << ::testing::PrintToString(r);
        }
    }
}

TEST(SimulatedYear, EveryDueReminderComesExactlyOnce) {
    const DateTime from = At(2025, 1, 1, 8, 0);
    const DateTime to = At(2026, 1, 1, 8, 0);
    Year year(from, to);
    const std::vector<EventRecord> events = year.Store(LibraryMaker(from).Make());

    // The program is not running for some hours and some days, the machine sleeps once, and
    // the clock is set back and forward once.
    std::mt19937 rng(7);
    std::vector<int> days(350);
    for (int d = 0; d < 350; ++d)
        days[d] = d + 5;
    std::shuffle(days.begin(), days.end(), rng);
    auto at = [&](int i) {
        return from.Date() + DateTimeSpan::Days(days[i]) +
               DateTimeSpan::Minutes(std::uniform_int_distribution<int>(0, 1439)(rng));
    };
    auto hours = [&](int lo, int hi) {
        return DateTimeSpan::Minutes(std::uniform_int_distribution<int>(lo * 60, hi * 60)(rng));
    };
    std::vector<Disturbance> plan;
    int i = 0;
    for (; i < 8; ++i)
        plan.push_back({Disturbance::End, at(i), hours(1, 10)});
    for (; i < 11; ++i)
        plan.push_back({Disturbance::End, at(i), hours(24, 96)});
    plan.push_back({Disturbance::Sleep, at(i++), hours(3, 5)});
    plan.push_back({Disturbance::SetBack, at(i++), DateTimeSpan::Hours(2)});
    plan.push_back({Disturbance::SetForward, at(i++), DateTimeSpan::Hours(3)});
    std::sort(plan.begin(), plan.end(),
              [](const Disturbance& a, const Disturbance& b) { return a.at < b.at; });

    year.Run(plan);

    Figures f;
    for (const EventRecord& e : events) {
        Reckon(e, year.Log(), f);
        CheckCalendar(e, year.Log(), f);
    }
    std::printf("simulated year: %zu events, %d steps; expected %d, shown %d, silently accepted "
                "%d, doubled %d, early %d, late %d, missed %d, shown or skipped wrongly %d; by the "
                "calendar %d reminder instants while running, %d not met\n",
                events.size(), year.Ticks(), f.expected, f.shown, f.silent, f.doubled, f.early,
                f.late, f.missed, f.wrongWay, f.calendarExpected, f.calendarMissed);
    EXPECT_EQ(f.shown + f.silent, f.expected);
    EXPECT_EQ(f.doubled + f.early + f.late + f.missed + f.wrongWay + f.calendarMissed, 0);
    EXPECT_GT(f.shown, 3000);
    EXPECT_GT(f.silent, 0);
}

} // namespace
} // namespace zm
