// The life of a reminder window: when its actions and the store's notices close it.

#include "reminder/reminder_lifecycle.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zm::testing {
namespace {

enum class Step {
    Begin,   // an action starts
    End,     // it ends: closes the window now?
    Call,    // the window calls the store
    Dealt,   // the call dealt with the event
    Failed,  // the call failed, or the store refused it
    Notice,  // the store's notices ask for the close: closes the window now?
    Dismiss, // the set closes the window: the first time?
};

struct Act {
    Step step;
    bool closesNow = false;
};

bool Take(ReminderLifecycle& life, Step step) {
    switch (step) {
    case Step::Begin:
        life.BeginAction();
        return false;
    case Step::End:
        return life.EndAction();
    case Step::Call:
        life.BeginStoreCall();
        return false;
    case Step::Dealt:
    case Step::Failed:
        life.EndStoreCall(step == Step::Dealt);
        return false;
    case Step::Notice:
        return life.AskClose();
    case Step::Dismiss:
        return life.Dismiss();
    }
    return false;
}

TEST(ReminderLifecycle, ActionsAndNoticesCloseTheWindowOnceNothingRuns) {
    using enum Step;
    struct Case {
        std::string name;
        std::vector<Act> acts;
        bool mayActAfter;
        bool pendingAfter;
    };
    const Case cases[] = {
        {"an action that deals with its event closes as it ends",
         {{Begin}, {Call}, {Dealt}, {End, true}},
         true,
         false},
        {"a failed call keeps the window", {{Begin}, {Call}, {Failed}, {End}}, true, false},
        {"a notice between actions closes at once", {{Notice, true}}, true, false},
        {"a notice during an action waits for its end",
         {{Begin}, {Notice}, {End, true}},
         true,
         true},
        {"a notice during a failed action closes at its end",
         {{Begin}, {Call}, {Failed}, {Notice}, {End, true}},
         true,
         true},
        {"nested actions close at the outer end",
         {{Begin}, {Begin}, {Notice}, {End}, {End, true}},
         true,
         true},
        {"no action starts while one runs", {{Begin}}, false, false},
        {"a window dismissed during an action is not closed again at its end",
         {{Begin}, {Call}, {Dealt}, {Dismiss, true}, {End}},
         false,
         false},
        {"the set dismisses a window once", {{Dismiss, true}, {Dismiss}}, false, false},
    };
    for (const Case& c : cases) {
        ReminderLifecycle life;
        for (size_t i = 0; i < c.acts.size(); ++i)
            EXPECT_EQ(Take(life, c.acts[i].step), c.acts[i].closesNow) << c.name << ", step " << i;
        EXPECT_EQ(life.MayAct(), c.mayActAfter) << c.name;
        EXPECT_EQ(life.ClosePending(), c.pendingAfter) << c.name;
    }
}

TEST(ReminderLifecycle, StoreNoticesThatCloseMoveOrRestyleTheWindow) {
    using K = StoreChangeKind;
    using N = ReminderNotice;
    constexpr uint16_t kKey = 7;
    const auto of = [](K kind, uint16_t from, uint16_t to, bool closes = false) {
        return StoreChange::Of(kind, from, to, std::nullopt, closes);
    };
    struct Case {
        std::string name;
        StoreChange change;
        N expected;
        bool inStoreCall = false;
        bool dismissed = false;
    };
    const Case cases[] = {
        {"another library", StoreChange::ResetBy(ResetCause::Opened), N::Close},
        {"a converted library", StoreChange::ResetBy(ResetCause::Converted), N::Close},
        {"no library", StoreChange::ResetBy(ResetCause::Closed), N::Close},
        {"a library change during the window's call", StoreChange::ResetBy(ResetCause::Closed),
         N::Close, true},
        {"new types", StoreChange::ResetBy(ResetCause::TypesChanged), N::Restyle},
        {"a merge", StoreChange::ResetBy(ResetCause::Merged), N::None},
        {"an import", StoreChange::ResetBy(ResetCause::Imported), N::None},
        {"corrected stamps", StoreChange::ResetBy(ResetCause::StampsCorrected), N::None},
        {"accepted elsewhere", of(K::Accepted, kKey, 9), N::Close},
        {"snoozed elsewhere", of(K::Snoozed, kKey, 9), N::Close},
        {"unsnoozed elsewhere", of(K::Unsnoozed, kKey, kKey), N::Close},
        {"deleted elsewhere", of(K::Deleted, kKey, 0), N::Close},
        {"purged", of(K::Purged, kKey, 0), N::Close},
        {"replaced by an import", of(K::Replaced, kKey, 9, true), N::Close},
        {"edited", of(K::Changed, kKey, 9), N::FollowKey},
        {"edited in place", of(K::Changed, kKey, kKey), N::None},
        {"another event", of(K::Accepted, 8, 9), N::None},
        {"a new event", of(K::Added, 0, kKey), N::None},
        {"the window's own accept", of(K::Accepted, kKey, 9), N::None, true},
        {"the window's own move", of(K::Changed, kKey, 9), N::None, true},
        {"a dismissed window", StoreChange::ResetBy(ResetCause::Opened), N::None, false, true},
        {"a dismissed window's event", of(K::Deleted, kKey, 0), N::None, false, true},
    };
    for (const Case& c : cases) {
        ReminderLifecycle life;
        if (c.inStoreCall) life.BeginStoreCall();
        if (c.dismissed) {
            EXPECT_TRUE(life.Dismiss());
        }
        EXPECT_EQ(life.NoticeFor(c.change, kKey), c.expected) << c.name;
    }
}

} // namespace
} // namespace zm::testing
