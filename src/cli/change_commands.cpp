#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/event_output.h"
#include "cli/new_event.h"
#include "model/amount_parse.h"
#include "model/snooze_rules.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "store/quick/quick_run.h"

#include <vector>

namespace zm {
namespace {

// A change that is stored although a step after it failed: the failure, as a warning.
void WarnIfAny(const CliRun& run, CliSession& session) {
    if (const LibraryResult warning = session.Store().LastWarning(); warning != LibraryResult::Ok)
        run.Error(ResultText(warning));
}

// The event as the store told its last change: its object, or its line. `unchanged` is shown
// when the store had nothing to change (enabling an enabled event). A new event's object also
// says whether it was stored as accepted.
int PrintChanged(const CliRun& run, CliSession& session, const EventRecord& unchanged,
                 std::optional<bool> storedAccepted = std::nullopt) {
    WarnIfAny(run, session);
    const EventRecord& e = session.ChangedEvent() ? *session.ChangedEvent() : unchanged;
    if (run.WantsJson()) {
        Json j = EventJson(e, run.Names());
        if (storedAccepted) j["accepted"] = *storedAccepted;
        run.PrintJson(j);
    } else {
        run.out << EventSummaryLine(e, run.Formats(), run.Names()) << '\n';
    }
    return kExitOk;
}

// Opens the library to change it and reads the event of the first argument; the exit status
// when that fails.
template <typename Change> int WithStoredEvent(CliRun& run, Change change) {
    const auto event = EventArgumentOf(run, run.args.positional.at(0));
    if (!event) return kExitUsage;
    CliSession session(run);
    if (!session.OpenForWriting()) return session.FailureStatus();
    std::optional<EventRecord> e = session.ReadEvent(*event);
    if (!e) return kExitFailure;
    return change(session, *e);
}

// The list's commands are not offered for a disabled event or an accepted one-time event.
std::optional<int> RefusedState(const EventRecord& e) {
    if (e.Has(kDisabled)) return IDS_CLI_EVENT_DISABLED;
    if (!e.IsRecurring() && e.Has(kAccepted)) return IDS_CLI_ALREADY_ACCEPTED;
    return std::nullopt;
}

} // namespace

int RunAdd(CliRun& run) {
    std::string usage;
    const auto request = ParseAddRequest(run.args, usage);
    if (!request) return run.Error(usage), kExitUsage;
    CliSession session(run);
    if (!session.OpenForWriting()) return session.FailureStatus();
    if (request->type) session.TellUnreadableTypes();
    NewEventResult made = MakeNewEvent(*request, session.Types(), run.now, run.week);
    if (made.status != kExitOk) return run.Error(made.message), made.status;
    for (const auto& note : made.notes)
        run.Error(note);
    const LibraryResult rc = session.Store().StoreNew(made.event);
    if (rc != LibraryResult::Ok) return run.Fail(rc);
    PrintChanged(run, session, made.event, made.storedAccepted);
    // A script learns from the status that no reminder will come for the new event.
    return made.storedAccepted ? kExitStoredAccepted : kExitOk;
}

int RunAccept(CliRun& run) {
    return WithStoredEvent(run, [&](CliSession& s, EventRecord& e) {
        if (auto refused = RefusedState(e)) return run.FailWith(LoadString(*refused));
        const LibraryResult rc = s.Store().AcceptListed(e.key, e.id);
        return rc != LibraryResult::Ok ? run.Fail(rc) : PrintChanged(run, s, e);
    });
}

int RunSnooze(CliRun& run) {
    return WithStoredEvent(run, [&](CliSession& s, EventRecord& e) {
        const ParsedAmount amount = ParseAmount(run.args.positional.at(1), false);
        if (amount.code != kAmountOk)
            return run.FailWith(LoadString(
                amount.code == kAmountTooLarge ? IDS_DURATION_TOO_LARGE : IDS_DURATION_NOT_VALID));
        if (auto refused = RefusedState(e)) return run.FailWith(LoadString(*refused));
        const bool beforeStart = run.args.Has("--before-start");
        // The occurrence a reminder window would show now.
        const DateTime occurrence = e.CurrentOccurrence(run.now, run.week);
        const DateTimeSpan span = amount.Amount().ToSpan();
        if (beforeStart) {
            const Verdict v = CheckBeforeStartSnooze(occurrence, span, run.now);
            if (!v.Ok()) return run.FailWith(LoadString(v.message));
        }
        SnoozeRequest request;
        request.occurrence = occurrence;
        request.span = beforeStart ? -span : span;
        request.unit = amount.unit;
        request.count = amount.count | (beforeStart ? TimeAmount::kBeforeStart : 0);
        Verdict verdict;
        const LibraryResult rc = s.Store().SnoozeStored(e.key, e.id, request, verdict);
        if (rc != LibraryResult::Ok) return run.Fail(rc);
        if (!verdict.Ok()) return run.FailWith(LoadString(verdict.message));
        return PrintChanged(run, s, e);
    });
}

int RunUnsnooze(CliRun& run) {
    return WithStoredEvent(run, [&](CliSession& s, EventRecord& e) {
        if (e.Has(kDisabled)) return run.FailWith(LoadString(IDS_CLI_EVENT_DISABLED));
        if (!e.Has(kSnoozed)) return run.FailWith(LoadString(IDS_CLI_NOT_SNOOZED));
        const LibraryResult rc = s.Store().UnsnoozeStored(e.key, e.id);
        return rc != LibraryResult::Ok ? run.Fail(rc) : PrintChanged(run, s, e);
    });
}

int RunDelete(CliRun& run) {
    const auto event = EventArgumentOf(run, run.args.positional.at(0));
    if (!event) return kExitUsage;
    CliSession s(run);
    if (!s.OpenForWriting()) return s.FailureStatus();
    const std::optional<uint16_t> key = s.FindEvent(*event);
    if (!key) return kExitFailure;
    if (!s.Library().Index().IsHead(*key))
        return run.FailWith(FormatText(IDS_CLI_NO_SUCH_KEY, {*key}));
    // An event that cannot be read is deleted all the same (by its key alone): a damaged
    // library must let the user remove what is broken.
    const ReadResult<EventRecord> e = s.Store().ReadStored(*key);
    const LibraryResult rc = s.Store().RemoveEvent(*key, e.Ok() ? e->id : 0);
    if (rc != LibraryResult::Ok) return run.Fail(rc);
    WarnIfAny(run, s);
    if (run.WantsJson())
        run.PrintJson(Json{{"key", *key}, {"id", e.Ok() ? e->id : 0}, {"deleted", true}});
    return kExitOk;
}

static int SetDisabled(CliRun& run, bool on) {
    return WithStoredEvent(run, [&](CliSession& s, EventRecord& e) {
        const LibraryResult rc = s.Store().SetDisabled(e, on);
        return rc != LibraryResult::Ok ? run.Fail(rc) : PrintChanged(run, s, e);
    });
}

int RunEnable(CliRun& run) {
    return SetDisabled(run, false);
}
int RunDisable(CliRun& run) {
    return SetDisabled(run, true);
}

int RunSetType(CliRun& run) {
    return WithStoredEvent(run, [&](CliSession& s, EventRecord& e) {
        const std::string& name = run.args.positional.at(1);
        s.TellUnreadableTypes();
        const int index = s.Types().FindType(name);
        const EventType* type = s.Types().TypeAt(index);
        if (!type) return run.FailWith(FormatText(IDS_CLI_NO_SUCH_TYPE, {name}));
        const LibraryResult rc = s.Store().ChangeType(e, index, type->name);
        return rc != LibraryResult::Ok ? run.Fail(rc) : PrintChanged(run, s, e);
    });
}

int RunPurge(CliRun& run) {
    CliSession session(run);
    if (!session.OpenForWriting()) return session.FailureStatus();
    const LibraryResult rc = session.Store().DeleteAccepted();
    // The events it deleted, also when it stopped part of the way.
    Json deleted = Json::array();
    Json ids = Json::array();
    for (const EventRecord& e : session.PurgedEvents()) {
        if (run.WantsJson()) {
            deleted.push_back(e.key);
            ids.push_back(e.id);
        } else {
            run.out << EventSummaryLine(e, run.Formats(), run.Names()) << '\n';
        }
    }
    if (run.WantsJson()) run.PrintJson(Json{{"deleted", deleted}, {"ids", ids}});
    return rc != LibraryResult::Ok ? run.Fail(rc) : kExitOk;
}

int RunQuickRun(CliRun& run) {
    const std::string& text = run.args.positional.at(0);
    const auto index = ParseNumber(text, 0, static_cast<int64_t>(kMaxQuickReminders) - 1);
    if (!index)
        return run.Error(FormatText(IDS_CLI_BAD_NUMBER, {text, 0, kMaxQuickReminders - 1})),
               kExitUsage;
    CliSession session(run);
    if (!session.OpenForWriting()) return session.FailureStatus();
    session.TellUnreadableQuickReminders();
    const QuickReminder* quick = session.QuickReminders().At(static_cast<size_t>(*index));
    if (!quick) return run.FailWith(FormatText(IDS_CLI_NO_SUCH_QUICK, {*index}));
    EventRecord e = RunQuickReminder(*quick, session.Types(), run.now);
    const LibraryResult rc = session.Store().StoreNew(e);
    return rc != LibraryResult::Ok ? run.Fail(rc) : PrintChanged(run, session, e);
}

} // namespace zm
