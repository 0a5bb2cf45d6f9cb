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

// The event as the store told its last change: its object, or its line. `unchanged` is shown
// when the store had nothing to change (enabling an enabled event).
int PrintChanged(const CliRun& run, CliSession& session, const EventRecord& unchanged) {
    const EventRecord& e = session.changedEvent() ? *session.changedEvent() : unchanged;
    if (run.json())
        run.printJson(EventJson(e, run.names()));
    else
        run.out << EventSummaryLine(e, run.formats(), run.names()) << '\n';
    return kExitOk;
}

// Opens the library to change it and reads the event of the first argument; the exit status
// when that fails.
template <typename Change> int WithStoredEvent(CliRun& run, Change change) {
    const auto key = KeyArgument(run, run.args.positional.at(0));
    if (!key) return kExitUsage;
    CliSession session(run);
    if (!session.openForWriting()) return kExitFailure;
    std::optional<EventRecord> e = session.readEvent(*key);
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
    if (!request) return run.error(usage), kExitUsage;
    CliSession session(run);
    if (!session.openForWriting()) return kExitFailure;
    NewEventResult made = MakeNewEvent(*request, session.types(), run.now, run.week);
    if (made.status != kExitOk) return run.error(made.message), made.status;
    for (const auto& note : made.notes)
        run.error(note);
    const LibraryResult rc = session.store().storeNew(made.event);
    if (rc != LibraryResult::Ok) return run.fail(rc);
    return PrintChanged(run, session, made.event);
}

int RunAccept(CliRun& run) {
    return WithStoredEvent(run, [&](CliSession& s, EventRecord& e) {
        if (auto refused = RefusedState(e)) return run.failWith(LoadString(*refused));
        const LibraryResult rc = s.store().acceptListed(e.Key);
        return rc != LibraryResult::Ok ? run.fail(rc) : PrintChanged(run, s, e);
    });
}

int RunSnooze(CliRun& run) {
    return WithStoredEvent(run, [&](CliSession& s, EventRecord& e) {
        const ParsedAmount amount = ParseAmount(run.args.positional.at(1), false);
        if (amount.code != kAmountOk)
            return run.failWith(LoadString(
                amount.code == kAmountTooLarge ? IDS_DURATION_TOO_LARGE : IDS_DURATION_NOT_VALID));
        if (auto refused = RefusedState(e)) return run.failWith(LoadString(*refused));
        const bool beforeStart = run.args.has("--before-start");
        // The occurrence a reminder window would show now.
        const DateTime occurrence = e.CurrentOccurrence(run.now, run.week);
        const DateTimeSpan span = amount.Amount().ToSpan();
        if (beforeStart) {
            const Verdict v = CheckBeforeStartSnooze(occurrence, span, run.now);
            if (!v.Ok()) return run.failWith(LoadString(v.message));
        }
        SnoozeRequest request;
        request.occurrence = occurrence;
        request.span = beforeStart ? -span : span;
        request.unit = amount.unit;
        request.count = amount.count | (beforeStart ? TimeAmount::kBeforeStart : 0);
        Verdict verdict;
        const LibraryResult rc = s.store().snoozeStored(e.Key, request, verdict);
        if (rc != LibraryResult::Ok) return run.fail(rc);
        if (!verdict.Ok()) return run.failWith(LoadString(verdict.message));
        return PrintChanged(run, s, e);
    });
}

int RunUnsnooze(CliRun& run) {
    return WithStoredEvent(run, [&](CliSession& s, EventRecord& e) {
        if (e.Has(kDisabled)) return run.failWith(LoadString(IDS_CLI_EVENT_DISABLED));
        if (!e.Has(kSnoozed)) return run.failWith(LoadString(IDS_CLI_NOT_SNOOZED));
        const LibraryResult rc = s.store().unsnoozeStored(e.Key);
        return rc != LibraryResult::Ok ? run.fail(rc) : PrintChanged(run, s, e);
    });
}

int RunDelete(CliRun& run) {
    return WithStoredEvent(run, [&](CliSession& s, EventRecord& e) {
        const LibraryResult rc = s.store().removeEvent(e.Key);
        if (rc != LibraryResult::Ok) return run.fail(rc);
        if (run.json()) run.printJson(Json{{"key", e.Key}, {"deleted", true}});
        return kExitOk;
    });
}

static int SetDisabled(CliRun& run, bool on) {
    return WithStoredEvent(run, [&](CliSession& s, EventRecord& e) {
        const LibraryResult rc = s.store().setDisabled(e, on);
        return rc != LibraryResult::Ok ? run.fail(rc) : PrintChanged(run, s, e);
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
        const int index = s.types().findType(name);
        const EventType* type = s.types().typeAt(index);
        if (!type) return run.failWith(FormatText(IDS_CLI_NO_SUCH_TYPE, {name}));
        const LibraryResult rc = s.store().changeType(e, index, type->Name);
        return rc != LibraryResult::Ok ? run.fail(rc) : PrintChanged(run, s, e);
    });
}

int RunPurge(CliRun& run) {
    CliSession session(run);
    if (!session.openForWriting()) return kExitFailure;
    const LibraryResult rc = session.store().deleteAccepted();
    // The events it deleted, also when it stopped part of the way.
    Json deleted = Json::array();
    for (const EventRecord& e : session.purgedEvents()) {
        if (run.json())
            deleted.push_back(e.Key);
        else
            run.out << EventSummaryLine(e, run.formats(), run.names()) << '\n';
    }
    if (run.json()) run.printJson(Json{{"deleted", deleted}});
    return rc != LibraryResult::Ok ? run.fail(rc) : kExitOk;
}

int RunQuickRun(CliRun& run) {
    const std::string& text = run.args.positional.at(0);
    const auto index = ParseNumber(text, 0, static_cast<int64_t>(kMaxQuickReminders) - 1);
    if (!index)
        return run.error(FormatText(IDS_CLI_BAD_NUMBER, {text, 0, kMaxQuickReminders - 1})),
               kExitUsage;
    CliSession session(run);
    if (!session.openForWriting()) return kExitFailure;
    const QuickReminder* quick = session.quickList().at(static_cast<size_t>(*index));
    if (!quick) return run.failWith(FormatText(IDS_CLI_NO_SUCH_QUICK, {*index}));
    EventRecord e = runQuickReminder(*quick, session.types(), run.now);
    const LibraryResult rc = session.store().storeNew(e);
    return rc != LibraryResult::Ok ? run.fail(rc) : PrintChanged(run, session, e);
}

} // namespace zm
