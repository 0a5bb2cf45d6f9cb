#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/event_output.h"
#include "cli/iso_time.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "store/library/library_check.h"
#include "store/library/library_image.h"

#include <sstream>
#include <vector>

namespace zm {
namespace {

// The most occurrences one call lists.
constexpr int64_t kMaxOccurrences = 10000;

std::string KeyPrefix(uint16_t key) {
    return FormatText(IDS_CLI_KEY_PREFIX, {key});
}

// A line about one problem of the library, starting with "key N: " when an event is concerned.
std::string ProblemLine(const LibraryProblem& p) {
    switch (p.kind) {
    case LibraryProblemKind::BrokenChain:
        return KeyPrefix(p.key) + (p.block != 0 ? FormatText(IDS_CLI_CHAIN_BROKEN_AT, {p.block})
                                                : std::string(LoadString(IDS_CLI_CHAIN_BROKEN)));
    case LibraryProblemKind::UnreadableEvent:
        return KeyPrefix(p.key) + ResultText(p.code);
    case LibraryProblemKind::BlockUsedTwice:
        return KeyPrefix(p.key) + FormatText(IDS_CLI_BLOCK_SHARED, {p.block});
    case LibraryProblemKind::BlockPastEnd:
        if (p.key == 0) return FormatText(IDS_CHECK_BLOCK_PAST_END, {p.block});
        return KeyPrefix(p.key) + FormatText(IDS_CLI_BLOCK_PAST_END, {p.block});
    case LibraryProblemKind::LostBlock:
        return FormatText(IDS_CHECK_LOST_BLOCK, {p.block});
    }
    return {};
}

} // namespace

std::optional<EventArgument> EventArgumentOf(const CliRun& run, const std::string& text) {
    constexpr std::string_view kIdPrefix = "id:";
    if (text.starts_with(kIdPrefix)) {
        if (const auto id =
                ParseNumber(std::string_view(text).substr(kIdPrefix.size()), 1, UINT32_MAX))
            return EventArgument{0, static_cast<uint32_t>(*id)};
    } else if (const auto key = ParseNumber(text, 1, 3999)) {
        return EventArgument{static_cast<uint16_t>(*key), 0};
    }
    run.Error(FormatText(IDS_CLI_BAD_KEY, {text}));
    return std::nullopt;
}

int RunList(CliRun& run) {
    CliSession session(run);
    if (!session.OpenForReading()) return kExitFailure;
    Json events = Json::array();
    bool unreadable = false;
    const EventLibrary::TypeLookup lookup = session.TypeLookup();
    const LibraryResult walked =
        VisitEachEvent(session.Library(), lookup, [&](uint16_t key, ReadResult<EventRecord>& e) {
            if (!e.Ok()) {
                run.Error(KeyPrefix(key) + ResultText(e.Code()));
                unreadable = true;
            } else if (run.WantsJson()) {
                events.push_back(EventJson(e.Value(), run.Names()));
            } else {
                run.out << EventSummaryLine(e.Value(), run.Formats(), run.Names()) << '\n';
            }
            return LibraryResult::Ok;
        });
    if (walked != LibraryResult::Ok) return run.Fail(walked);
    if (run.WantsJson()) run.PrintJson(Json{{"events", events}});
    return unreadable ? kExitFailure : kExitOk;
}

int RunShow(CliRun& run) {
    const auto event = EventArgumentOf(run, run.args.positional[0]);
    if (!event) return kExitUsage;
    CliSession session(run);
    if (!session.OpenForReading()) return kExitFailure;
    const std::optional<EventRecord> e = session.ReadEvent(*event);
    if (!e) return kExitFailure;
    if (run.WantsJson())
        run.PrintJson(EventJson(*e, run.Names()));
    else
        WriteEventDetails(run.out, *e, run.now, run.Formats(), run.Names());
    return kExitOk;
}

int RunOccurrences(CliRun& run) {
    const auto& a = run.args.positional;
    const auto event = EventArgumentOf(run, a[0]);
    if (!event) return kExitUsage;
    const auto from = ParseCliInstant(a[1]);
    if (!from) return run.Error(FormatText(IDS_CLI_BAD_INSTANT, {a[1]})), kExitUsage;
    const auto count = ParseNumber(a[2], 1, kMaxOccurrences);
    if (!count)
        return run.Error(FormatText(IDS_CLI_BAD_NUMBER, {a[2], 1, kMaxOccurrences})), kExitUsage;

    CliSession session(run);
    if (!session.OpenForReading()) return kExitFailure;
    const std::optional<EventRecord> e = session.ReadEvent(*event);
    if (!e) return kExitFailure;
    std::vector<DateTime> list{e->OccurrenceOnOrAfter(*from)};
    while (static_cast<int64_t>(list.size()) < *count) {
        const DateTime next = e->NextOccurrence(list.back());
        // A one-time event has one occurrence; a step that cannot be made ends the list too.
        if (next <= list.back()) break;
        list.push_back(next);
    }
    if (run.WantsJson()) {
        Json items = Json::array();
        for (DateTime t : list)
            items.push_back(IsoInstant(t));
        run.PrintJson(Json{{"key", e->key}, {"id", e->id}, {"occurrences", items}});
    } else {
        for (DateTime t : list)
            run.out << DisplayInstant(t, run.Formats()) << '\n';
    }
    return kExitOk;
}

int RunCheck(CliRun& run) {
    std::vector<std::string> problems;
    std::vector<std::string> notes;
    int events = 0;
    std::ostringstream openErrors;
    CliRun quiet{run.env,    run.global,     run.args, run.out,
                 openErrors, run.dataFolder, run.now,  run.week};
    CliSession probe(quiet);
    if (probe.OpenForReading()) {
        events = probe.Library().CountEvents();
        for (const LibraryProblem& p : VerifyLibrary(probe.Library()))
            problems.push_back(ProblemLine(p));
        if (const uint64_t slack = LibrarySlack(probe.Library()); slack > 0)
            notes.push_back(DescribeSlack(slack));
    } else {
        // A library that cannot be opened at all is the first problem.
        std::string text = openErrors.str();
        while (!text.empty() && text.back() == '\n')
            text.pop_back();
        problems.push_back(text);
    }
    if (run.WantsJson()) {
        Json json{{"events", events}, {"problems", problems}};
        if (!notes.empty()) json["notes"] = notes;
        run.PrintJson(json);
    } else {
        for (const auto& p : problems)
            run.out << p << '\n';
        for (const auto& n : notes)
            run.out << n << '\n';
        if (problems.empty()) run.out << FormatText(IDS_CLI_CHECK_SOUND, {events}) << '\n';
    }
    return problems.empty() ? kExitOk : kExitFailure;
}

} // namespace zm
