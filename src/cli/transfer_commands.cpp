// "export" and "import": the import and export wizard on the command line.

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/data_folder_access.h"
#include "cli/hosted_store.h"
#include "model/amount_parse.h"
#include "platform/ascii_text.h"
#include "platform/memory_settings.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "store/import_export.h"
#include "store/io/store_file_system.h"
#include "store/text/oem_code_page.h"
#include "store/transfer/transfer_kinds.h"

#include <array>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace zm {
namespace {

constexpr std::array<OptionSpec, 3> kExportOptions{
    {{"--kind", true}, {"--code-page", true}, {"--keys", true}}};
constexpr std::array<OptionSpec, 10> kImportOptions{{
    {"--kind", true},
    {"--code-page", true},
    {"--no-header", false},
    {"--date-order", true},
    {"--bind", true},
    {"--duplicates", true},
    {"--default-type", true},
    {"--default-advance", true},
    {"--default-duration", true},
    {"--default-repeat", true},
}};

// What a file holds: one of the transfer kinds, or a holiday file (an event file whose events
// join the library only when they are not there yet).
struct FileKind {
    TransferKind kind = TransferKind::CsvWindows;
    bool holidays = false;
};

// Finds `word` in `words`; the position, or -1.
int IndexOf(std::string_view word, std::initializer_list<std::string_view> words) {
    int i = 0;
    for (std::string_view w : words) {
        if (w == word) return i;
        ++i;
    }
    return -1;
}

// The file kind: the --kind option, else the file's extension.
std::optional<FileKind> KindOf(const CliRun& run, const std::string& path, bool holidaysAllowed) {
    if (const std::string* kind = run.args.Value("--kind")) {
        const int i = IndexOf(*kind, {"csv", "csv-dos", "tsv", "tsv-dos", "events", "holidays"});
        if (i < 0 || (i == 5 && !holidaysAllowed))
            return run.Error(FormatText(IDS_CLI_BAD_KIND, {*kind})), std::nullopt;
        constexpr TransferKind kKinds[] = {TransferKind::CsvWindows, TransferKind::CsvDos,
                                           TransferKind::TsvWindows, TransferKind::TsvDos,
                                           TransferKind::EventFile,  TransferKind::EventFile};
        return FileKind{kKinds[i], i == 5};
    }
    const size_t dot = path.find_last_of("./");
    const std::string ext = dot != std::string::npos && path[dot] == '.'
                                ? AsciiLowered(std::string_view(path).substr(dot + 1))
                                : std::string();
    if (ext == "csv") return FileKind{TransferKind::CsvWindows};
    if (ext == "txt") return FileKind{TransferKind::TsvWindows};
    if (ext == "vr0") return FileKind{TransferKind::EventFile};
    if (ext == "vrh" && holidaysAllowed) return FileKind{TransferKind::EventFile, true};
    run.Error(FormatText(IDS_CLI_KIND_UNKNOWN, {path}));
    return std::nullopt;
}

// The user's locale name as the C library's environment gives it.
std::string EnvironmentLocale() {
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"})
        if (const char* value = std::getenv(name); value && *value) return value;
    return "C";
}

std::optional<int> CodePageOf(const CliRun& run) {
    const std::string* given = run.args.Value("--code-page");
    if (!given) return OemCodePageForLocale(EnvironmentLocale());
    const auto page = ParseNumber(*given, 1, 65535);
    if (!page) return run.Error(FormatText(IDS_CLI_BAD_NUMBER, {*given, 1, 65535})), std::nullopt;
    return static_cast<int>(*page);
}

// The message of a file that could not be read or written, or of a library failure.
int Failed(const CliRun& run, LibraryResult code, const TransferProblem& problem) {
    if (problem) return run.FailWith(problem.Message());
    return run.Fail(code);
}

// Reads an amount option; false (after the message) when it is not an amount.
bool ReadAmount(const CliRun& run, std::string_view option, bool zeroAllowed, TimeAmount& out) {
    const std::string* text = run.args.Value(option);
    if (!text) return true;
    const ParsedAmount a = ParseAmount(*text, zeroAllowed);
    if (a.code != kAmountOk) {
        run.Error(LoadString(a.code == kAmountTooLarge ? IDS_DURATION_TOO_LARGE
                                                       : IDS_DURATION_NOT_VALID));
        return false;
    }
    out = a.Amount();
    return true;
}

// "name,date,-,time": the event field of each file field in order, "-" to skip one.
std::optional<FieldBindings> ReadFields(const std::string& list) {
    FieldBindings b = FieldBindings::Unbound();
    size_t pos = 0;
    int position = 0;
    while (true) {
        const size_t comma = list.find(',', pos);
        const std::string word = AsciiLowered(list.substr(pos, comma - pos));
        const int field = IndexOf(word, {"name", "date", "time", "duration", "type", "notes"});
        if (field < 0 && word != "-") return std::nullopt;
        if (field >= 0) {
            if (b.Position(field) >= 0) return std::nullopt; // an event field bound twice
            b.Bind(position, field);
        }
        ++position;
        if (comma == std::string::npos) break;
        pos = comma + 1;
    }
    return b;
}

// The options of a text import; a message, the exit status and nothing when they are wrong or
// the file cannot be read.
std::optional<TextImportOptions> ReadTextImport(const CliRun& run, CliSession& session,
                                                StoreFileSystem& files, const std::string& path,
                                                const TransferKindInfo& kind, int codePage,
                                                int& status) {
    status = kExitUsage;
    TextImportOptions o;
    o.separator = kind.separator;
    o.dos = kind.dos;
    o.oemCodePage = codePage;
    o.headerLine = !run.args.Has("--no-header");
    o.week = run.week;
    o.rules.locale = run.Formats().Locale();
    // Unless the user chose one before, dates are read in the locale's order, as exported.
    const MemorySettings noSettings;
    o.rules.dateOrder =
        DefaultImportDateOrder(run.env.settings ? *run.env.settings : noSettings, o.rules.locale);
    if (const std::string* order = run.args.Value("--date-order")) {
        o.rules.dateOrder = IndexOf(*order, {"mdy", "dmy", "ymd"});
        if (o.rules.dateOrder < 0)
            return run.Error(FormatText(IDS_CLI_BAD_DATE_ORDER, {*order})), std::nullopt;
    }
    if (const std::string* list = run.args.Value("--bind")) {
        const auto bindings = ReadFields(*list);
        if (!bindings) return run.Error(FormatText(IDS_CLI_BAD_FIELDS, {*list})), std::nullopt;
        o.rules.bindings = *bindings;
    } else {
        std::vector<std::vector<std::string>> first;
        TransferProblem problem;
        const LibraryResult rc =
            ReadSampleRecords(files, path, o.separator, o.dos, o.oemCodePage, first, problem);
        if (rc != LibraryResult::Ok) return status = Failed(run, rc, problem), std::nullopt;
        o.rules.bindings =
            InitialBindings(first.empty() ? std::vector<std::string>() : first[0], o.headerLine);
    }
    if (!o.rules.bindings.Ready())
        return run.Error(LoadString(IDS_IE_BIND_NAME_AND_DATE)), std::nullopt;

    TextImportDefaults& d = o.rules.defaults;
    if (const std::string* type = run.args.Value("--default-type")) {
        const int index = session.Types().FindType(*type);
        if (index < 0) return run.Error(FormatText(IDS_CLI_NO_SUCH_TYPE, {*type})), std::nullopt;
        d.typeName = session.Types().TypeAt(index)->name;
    }
    if (!ReadAmount(run, "--default-advance", true, d.advance) ||
        !ReadAmount(run, "--default-duration", false, d.duration))
        return std::nullopt;
    if (const std::string* repeat = run.args.Value("--default-repeat")) {
        const int i = IndexOf(*repeat, {"none", "daily", "weekly", "monthly", "yearly"});
        if (i < 0) return run.Error(FormatText(IDS_CLI_BAD_REPEAT, {*repeat})), std::nullopt;
        d.recurrence = i == 0 ? 0 : 0x100u << (i - 1);
    }
    if (const int problem = ImportDefaultsProblem(d); problem != 0)
        return run.Error(LoadString(problem)), std::nullopt;
    const TypeList& types = session.Types();
    o.rules.findType = [&types](const std::string& name) { return types.FindType(name); };
    return o;
}

std::optional<DuplicateMode> DuplicatesOf(const CliRun& run) {
    const std::string* mode = run.args.Value("--duplicates");
    if (!mode) return DuplicateMode::None;
    const int i = IndexOf(*mode, {"skip", "replace", "allow"});
    if (i < 0) return run.Error(FormatText(IDS_CLI_BAD_DUPLICATES, {*mode})), std::nullopt;
    return static_cast<DuplicateMode>(i);
}

// What an import did: the events it stored, its log and, when it stopped early, the failure.
struct ImportOutcome {
    int imported = 0;
    int replaced = 0;
    ImportLog log;
    std::string error;   // empty when the import ran to its end
    std::string stopped; // what is stored and how to go on, when it stopped early
    int stoppedAt = 0;   // the record it stopped at, 0 when unknown or it did not stop
    int unlogged = 0;    // the log entries left out of `log`
    // The keys of merged events that had to be shortened; null for a text import.
    const std::vector<uint16_t>* shortened = nullptr;
};

// The outcome of an import: the summary counts and every log line (also those of an import
// that stopped early: what it stored stays stored), or the JSON document; then the failure. A
// merged event file also names the events it had to shorten.
int PrintImported(const CliRun& run, const ImportOutcome& o) {
    if (run.WantsJson()) {
        Json lines = Json::array();
        for (const ImportLogEntry& e : o.log)
            lines.push_back(Json{{"record", e.record}, {"reason", ImportReasonText(e.reason)}});
        Json doc{{"imported", o.imported},
                 {"replaced", o.replaced},
                 {"errors", static_cast<int>(o.log.size()) + o.unlogged},
                 {"log", lines}};
        if (o.unlogged > 0) doc["unlogged"] = o.unlogged;
        if (o.shortened) doc["shortened"] = *o.shortened;
        if (!o.error.empty()) {
            doc["error"] = o.error;
            if (o.stoppedAt > 0) doc["stoppedAt"] = o.stoppedAt;
        }
        run.PrintJson(doc);
    } else {
        run.out << FormatText(IDS_CLI_IMPORTED,
                              {o.imported, static_cast<int>(o.log.size()) + o.unlogged, o.replaced})
                << '\n';
        for (const ImportLogEntry& e : o.log)
            run.out << ImportLogLine(e) << '\n';
        if (o.unlogged > 0)
            run.out << ImportLogLeftOut(o.unlogged, static_cast<int>(o.log.size())) << '\n';
        if (o.shortened)
            for (uint16_t key : *o.shortened)
                run.out << FormatText(IDS_CLI_KEY_PREFIX, {key}) << LoadString(IDS_CLI_SHORTENED)
                        << '\n';
        if (!o.stopped.empty()) run.out << o.stopped << '\n';
    }
    if (o.error.empty()) return kExitOk;
    return run.FailWith(o.error);
}

// A failure of reading an event file: the damage is in the file, not in the library.
bool EventFileDamaged(LibraryResult code) {
    return code == LibraryResult::Corrupted || code == LibraryResult::ReadError ||
           code == LibraryResult::EventTooLarge || code == LibraryResult::BadFormat;
}

// Keys or ids "3,id:4249615984,12", in that order.
std::optional<std::vector<EventArgument>> KeyList(const CliRun& run, const std::string& list) {
    std::vector<EventArgument> keys;
    size_t pos = 0;
    while (true) {
        const size_t comma = list.find(',', pos);
        const auto key = EventArgumentOf(run, list.substr(pos, comma - pos));
        if (!key) return std::nullopt;
        keys.push_back(*key);
        if (comma == std::string::npos) return keys;
        pos = comma + 1;
    }
}

} // namespace

std::span<const OptionSpec> ExportOptions() {
    return kExportOptions;
}
std::span<const OptionSpec> ImportOptions() {
    return kImportOptions;
}

int RunExport(CliRun& run) {
    const std::string& path = run.args.positional.at(0);
    const auto kind = KindOf(run, path, false);
    const auto codePage = CodePageOf(run);
    if (!kind || !codePage) return kExitUsage;
    std::vector<EventArgument> given;
    if (const std::string* list = run.args.Value("--keys")) {
        auto read = KeyList(run, *list);
        if (!read) return kExitUsage;
        given = std::move(*read);
    }
    // No file written on the user's say replaces the library or another file of the program.
    if (RefusedAsOwnFile(run, path)) return kExitFailure;
    CliSession session(run);
    if (!session.OpenForReading()) return kExitFailure;
    std::vector<uint16_t> keys;
    if (given.empty()) {
        // What a damaged library still holds readable is exported; the rest is told.
        int damaged = 0;
        const LibraryResult walked = session.Library().ForEachEvent([&](uint16_t key) {
            if (session.Store().ReadStored(key).Ok())
                keys.push_back(key);
            else
                ++damaged;
            return LibraryResult::Ok;
        });
        if (walked != LibraryResult::Ok && keys.empty() && damaged == 0) return run.Fail(walked);
        if (damaged > 0) run.Error(FormatText(IDS_CLI_DAMAGED_LEFT_OUT, {damaged}));
    } else {
        for (const EventArgument& event : given) {
            const std::optional<EventRecord> e = session.ReadEvent(event);
            if (!e) return kExitFailure;
            keys.push_back(e->key);
        }
    }
    PosixFileSystem files;
    const TransferKindInfo& info = KindInfo(kind->kind);
    TransferResult r;
    if (info.text) {
        TextExportOptions o;
        o.separator = info.separator;
        o.dos = info.dos;
        o.oemCodePage = *codePage;
        o.locale = run.Formats().Locale();
        r = ExportText(session.Store(), files, path, keys, o);
    } else {
        r = ExportEventFile(session.Store(), files, path, keys);
    }
    if (r.code != LibraryResult::Ok) return Failed(run, r.code, r.problem);
    if (run.WantsJson())
        run.PrintJson(Json{{"exported", r.events}});
    else
        run.out << FormatText(IDS_CLI_EXPORTED, {r.events}) << '\n';
    return kExitOk;
}

int RunImport(CliRun& run) {
    const std::string& path = run.args.positional.at(0);
    const auto kind = KindOf(run, path, true);
    const auto codePage = CodePageOf(run);
    const auto duplicates = DuplicatesOf(run);
    if (!kind || !codePage || !duplicates) return kExitUsage;
    const TransferKindInfo& info = KindInfo(kind->kind);
    if (!info.text) {
        for (std::string_view option :
             {"--no-header", "--date-order", "--bind", "--default-type", "--default-advance",
              "--default-duration", "--default-repeat", "--code-page"})
            if (run.args.Has(option))
                return run.Error(FormatText(IDS_CLI_TEXT_ONLY, {option})), kExitUsage;
    }
    CliSession session(run);
    if (!session.OpenForWriting()) return session.FailureStatus();
    PosixFileSystem files;
    if (!info.text) {
        // A holiday file never brings in an event that is there already.
        const LibraryResult rc = kind->holidays
                                     ? MergeHolidayFile(session.Store(), path)
                                     : ImportEventFile(session.Store(), path, *duplicates);
        const MergeCounts& counts = session.Store().LastMergeCounts();
        ImportOutcome o{counts.added, counts.replaced, {}, {}, {}, 0, 0, &counts.shortenedKeys};
        if (rc != LibraryResult::Ok) {
            o.error = EventFileDamaged(rc) ? LoadString(IDS_CLI_EVENT_FILE_DAMAGED) + path
                                           : ResultText(rc);
            if (counts.added + counts.replaced > 0) o.stopped = LoadString(IDS_CLI_MERGE_STOPPED);
        }
        return PrintImported(run, o);
    }
    int status = kExitOk;
    auto options = ReadTextImport(run, session, files, path, info, *codePage, status);
    if (!options) return status;
    options->duplicateMode = *duplicates;
    // Carried out by the running program: its event loop goes on while a long import runs.
    if (run.env.host) options->breathe = run.env.host->keepAlive;
    // The command line keeps the remembered date order for the program's own wizard.
    MemorySettings scratch;
    const TextImportResult r = ImportText(session.Store(), files, scratch, path, *options);
    // A failure before any record was dealt with is only the failure.
    if (r.code != LibraryResult::Ok && r.imported + r.replaced == 0 && r.LogEntries() == 0)
        return Failed(run, r.code, r.problem);
    ImportOutcome o{r.imported, r.replaced, r.log, {}, {}, r.stoppedAt, r.unlogged};
    if (r.code != LibraryResult::Ok) {
        o.error = r.problem ? r.problem.Message() : ResultText(r.code);
        o.stopped = r.stoppedAt > 0 ? FormatText(IDS_CLI_IMPORT_STOPPED, {r.stoppedAt})
                                    : LoadString(IDS_CLI_MERGE_STOPPED);
    }
    return PrintImported(run, o);
}

} // namespace zm
