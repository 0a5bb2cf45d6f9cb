#include "cli/agenda.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/event_output.h"
#include "cli/iso_time.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "store/library/library_image.h"

#include <vector>

namespace zm {
namespace {

// Reads every event in key order and hands each readable one to `use`; an unreadable one is
// told on the error stream. Returns false when one could not be read.
template <typename Use> bool ForEachReadable(CliRun& run, CliSession& session, Use use) {
    bool allRead = true;
    const EventLibrary::TypeLookup lookup = session.TypeLookup();
    const LibraryResult walked =
        VisitEachEvent(session.Library(), lookup, [&](uint16_t key, ReadResult<EventRecord>& e) {
            if (!e.Ok()) {
                run.Error(FormatText(IDS_CLI_KEY_PREFIX, {key}) + ResultText(e.Code()));
                allRead = false;
            } else {
                use(e.Value());
            }
            return LibraryResult::Ok;
        });
    if (walked != LibraryResult::Ok) {
        run.Error(ResultText(walked));
        return false;
    }
    return allRead;
}

} // namespace

int RunDue(CliRun& run) {
    CliSession session(run);
    if (!session.OpenForReading()) return kExitFailure;
    Json due = Json::array();
    const bool allRead = ForEachReadable(run, session, [&](const EventRecord& e) {
        const DueCheck d = e.IsDue(run.now, run.week);
        if (!d.due) return;
        if (run.WantsJson()) {
            due.push_back(Json{{"key", e.key},
                               {"id", e.id},
                               {"name", e.name},
                               {"instant", IsoInstant(d.instant)},
                               {"shifted", d.shifted}});
        } else {
            run.out << e.key << "  " << IdArgument(e.id) << "  "
                    << DisplayInstant(d.instant, run.Formats()) << "  " << e.name
                    << (d.shifted ? std::string("  (") + LoadString(IDS_CLI_SHIFTED) + ")" : "")
                    << '\n';
        }
    });
    if (run.WantsJson()) run.PrintJson(Json{{"at", IsoInstant(run.now)}, {"due", due}});
    return allRead ? kExitOk : kExitFailure;
}

int RunAgenda(CliRun& run) {
    DateTime day = run.now.Date();
    if (!run.args.positional.empty()) {
        const auto d = ParseCliDate(run.args.positional[0]);
        if (!d)
            return run.Error(FormatText(IDS_CLI_BAD_DATE, {run.args.positional[0]})), kExitUsage;
        day = *d;
    }
    CliSession session(run);
    if (!session.OpenForReading()) return kExitFailure;
    std::vector<AgendaItem> items;
    const bool allRead = ForEachReadable(run, session, [&](const EventRecord& e) {
        if (auto item = AgendaItemOf(e, day, run.now, run.week)) items.push_back(*item);
    });
    SortAgenda(items);
    if (run.WantsJson()) {
        Json reminders = Json::array();
        for (const auto& i : items)
            reminders.push_back(Json{{"key", i.key},
                                     {"id", i.id},
                                     {"name", i.name},
                                     {"instant", IsoInstant(i.instant)},
                                     {"kind", AgendaKindName(i.kind)}});
        run.PrintJson(Json{{"date", IsoDate(day)}, {"reminders", reminders}});
    } else {
        for (const auto& i : items) {
            run.out << i.key << "  " << IdArgument(i.id) << "  "
                    << DisplayInstant(i.instant, run.Formats()) << "  " << i.name;
            if (i.kind != AgendaKind::Normal)
                run.out << "  ("
                        << LoadString(i.kind == AgendaKind::Due ? IDS_CLI_KIND_DUE
                                                                : IDS_CLI_STATE_SNOOZED)
                        << ")";
            run.out << '\n';
        }
    }
    return allRead ? kExitOk : kExitFailure;
}

} // namespace zm
