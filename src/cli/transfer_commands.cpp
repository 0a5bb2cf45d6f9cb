// "export", "import" and "merge-holidays": the import and export wizard and the holiday command
// on the command line.

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "model/amount_parse.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "store/import_export.h"
#include "store/oem_code_page.h"
#include "store/store_file_system.h"
#include "store/transfer_kinds.h"

#include <array>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace zm {
namespace {

constexpr std::array<OptionSpec, 2> kExportOptions{{{"--kind", true}, {"--code-page", true}}};
constexpr std::array<OptionSpec, 10> kImportOptions{{
    {"--kind", true},
    {"--code-page", true},
    {"--no-header", false},
    {"--date-order", true},
    {"--fields", true},
    {"--duplicates", true},
    {"--type", true},
    {"--reminder", true},
    {"--duration", true},
    {"--repeat", true},
}};

// Finds `word` in `words`; the position, or -1.
int IndexOf(std::string_view word, std::initializer_list<std::string_view> words) {
    int i = 0;
    for (std::string_view w : words) {
        if (w == word) return i;
        ++i;
    }
    return -1;
}

std::string Lower(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

// The file kind: the --kind option, else the file's extension.
std::optional<TransferKind> KindOf(const CliRun& run, const std::string& path) {
    if (const std::string* kind = run.args.value("--kind")) {
        const int i = IndexOf(*kind, {"csv-dos", "csv", "tsv-dos", "tsv", "event"});
        if (i < 0) return run.error(FormatText(IDS_CLI_BAD_KIND, {*kind})), std::nullopt;
        return KindAt(i);
    }
    const size_t dot = path.find_last_of("./");
    const std::string ext = dot != std::string::npos && path[dot] == '.'
                                ? Lower(std::string_view(path).substr(dot + 1))
                                : std::string();
    if (ext == "csv") return TransferKind::CsvWindows;
    if (ext == "txt") return TransferKind::TsvWindows;
    if (ext == "vr0" || ext == "vrh") return TransferKind::EventFile;
    run.error(FormatText(IDS_CLI_KIND_UNKNOWN, {path}));
    return std::nullopt;
}

// The user's locale name as the C library's environment gives it.
std::string EnvironmentLocale() {
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"})
        if (const char* value = std::getenv(name); value && *value) return value;
    return "C";
}

std::optional<int> CodePageOf(const CliRun& run) {
    const std::string* given = run.args.value("--code-page");
    if (!given) return OemCodePageForLocale(EnvironmentLocale());
    const auto page = ParseNumber(*given, 1, 65535);
    if (!page) return run.error(FormatText(IDS_CLI_BAD_NUMBER, {*given, 1, 65535})), std::nullopt;
    return static_cast<int>(*page);
}

// The message of a file that could not be read or written, or of a library failure.
int Failed(const CliRun& run, LibraryResult code, const TransferProblem& problem) {
    if (problem) return run.failWith(problem.message());
    return run.fail(code);
}

// Reads an amount option; false (after the message) when it is not an amount.
bool ReadAmount(const CliRun& run, std::string_view option, bool zeroAllowed, TimeAmount& out) {
    const std::string* text = run.args.value(option);
    if (!text) return true;
    const ParsedAmount a = ParseAmount(*text, zeroAllowed);
    if (a.code != kAmountOk) {
        run.error(LoadString(a.code == kAmountTooLarge ? IDS_DURATION_TOO_LARGE
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
        const std::string word = Lower(list.substr(pos, comma - pos));
        const int field = IndexOf(word, {"name", "date", "time", "duration", "type", "notes"});
        if (field < 0 && word != "-") return std::nullopt;
        if (field >= 0) {
            if (b.position(field) >= 0) return std::nullopt; // an event field bound twice
            b.bind(position, field);
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
    o.headerLine = !run.args.has("--no-header");
    o.week = run.week;
    o.rules.locale = run.formats().Locale();
    o.rules.dateOrder = run.env.settings ? LastImportDateOrder(*run.env.settings) : 0;
    if (const std::string* order = run.args.value("--date-order")) {
        o.rules.dateOrder = IndexOf(*order, {"mdy", "dmy", "ymd"});
        if (o.rules.dateOrder < 0)
            return run.error(FormatText(IDS_CLI_BAD_DATE_ORDER, {*order})), std::nullopt;
    }
    if (const std::string* list = run.args.value("--fields")) {
        const auto bindings = ReadFields(*list);
        if (!bindings) return run.error(FormatText(IDS_CLI_BAD_FIELDS, {*list})), std::nullopt;
        o.rules.bindings = *bindings;
    } else {
        std::vector<std::vector<std::string>> first;
        TransferProblem problem;
        const LibraryResult rc =
            ReadSampleRecords(files, path, o.separator, o.dos, o.oemCodePage, first, problem);
        if (rc != lr::kOk) return status = Failed(run, rc, problem), std::nullopt;
        o.rules.bindings = FieldBindings::ForFieldCount(first.empty() ? 0 : first[0].size());
    }
    if (!o.rules.bindings.ready())
        return run.error(LoadString(IDS_IE_BIND_NAME_AND_DATE)), std::nullopt;

    TextImportDefaults& d = o.rules.defaults;
    if (const std::string* type = run.args.value("--type")) {
        const int index = session.types().findType(*type);
        if (index < 0) return run.error(FormatText(IDS_CLI_NO_SUCH_TYPE, {*type})), std::nullopt;
        d.typeName = session.types().typeAt(index)->Name;
    }
    if (!ReadAmount(run, "--reminder", true, d.advance) ||
        !ReadAmount(run, "--duration", false, d.duration))
        return std::nullopt;
    if (const std::string* repeat = run.args.value("--repeat")) {
        const int i = IndexOf(*repeat, {"none", "daily", "weekly", "monthly", "yearly"});
        if (i < 0) return run.error(FormatText(IDS_CLI_BAD_REPEAT, {*repeat})), std::nullopt;
        d.recurrence = i == 0 ? 0 : 0x100u << (i - 1);
    }
    if (const int problem = ImportDefaultsProblem(d); problem != 0)
        return run.error(LoadString(problem)), std::nullopt;
    const TypeList& types = session.types();
    o.rules.findType = [&types](const std::string& name) { return types.findType(name); };
    return o;
}

std::optional<DuplicateMode> DuplicatesOf(const CliRun& run) {
    const std::string* mode = run.args.value("--duplicates");
    if (!mode) return DuplicateMode::None;
    const int i = IndexOf(*mode, {"skip", "replace", "allow"});
    if (i < 0) return run.error(FormatText(IDS_CLI_BAD_DUPLICATES, {*mode})), std::nullopt;
    return static_cast<DuplicateMode>(i);
}

// The count of added events of a merge, printed.
int PrintMerged(const CliRun& run, int added) {
    if (run.json())
        run.printJson(Json{{"added", added}});
    else
        run.out << FormatText(IDS_CLI_MERGED, {added}) << '\n';
    return kExitOk;
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
    const auto kind = KindOf(run, path);
    const auto codePage = CodePageOf(run);
    if (!kind || !codePage) return kExitUsage;
    std::vector<uint16_t> keys;
    for (size_t i = 1; i < run.args.positional.size(); ++i) {
        const auto key = KeyArgument(run, run.args.positional[i]);
        if (!key) return kExitUsage;
        keys.push_back(*key);
    }
    CliSession session(run);
    if (!session.openForReading()) return kExitFailure;
    if (keys.empty()) {
        session.library().forEachEvent([&](uint16_t key) {
            keys.push_back(key);
            return lr::kOk;
        });
    } else {
        for (uint16_t key : keys) {
            EventRecord e;
            if (!session.readEvent(key, e)) return kExitFailure;
        }
    }
    PosixFileSystem files;
    const TransferKindInfo& info = KindInfo(*kind);
    TransferResult r;
    if (info.text) {
        TextExportOptions o;
        o.separator = info.separator;
        o.dos = info.dos;
        o.oemCodePage = *codePage;
        o.locale = run.formats().Locale();
        r = exportText(session.store(), files, path, keys, o);
    } else {
        r = exportEventFile(session.store(), files, path, keys);
    }
    if (r.code != lr::kOk) return Failed(run, r.code, r.problem);
    if (run.json())
        run.printJson(Json{{"exported", r.events}});
    else
        run.out << FormatText(IDS_CLI_EXPORTED, {r.events}) << '\n';
    return kExitOk;
}

int RunImport(CliRun& run) {
    const std::string& path = run.args.positional.at(0);
    const auto kind = KindOf(run, path);
    const auto codePage = CodePageOf(run);
    const auto duplicates = DuplicatesOf(run);
    if (!kind || !codePage || !duplicates) return kExitUsage;
    const TransferKindInfo& info = KindInfo(*kind);
    if (!info.text) {
        for (std::string_view option : {"--no-header", "--date-order", "--fields", "--type",
                                        "--reminder", "--duration", "--repeat", "--code-page"})
            if (run.args.has(option))
                return run.error(FormatText(IDS_CLI_TEXT_ONLY, {option})), kExitUsage;
    }
    CliSession session(run);
    if (!session.openForWriting()) return kExitFailure;
    PosixFileSystem files;
    if (!info.text) {
        const int before = session.library().countEvents();
        const LibraryResult rc = importEventFile(session.store(), path, *duplicates);
        if (rc != lr::kOk) return run.fail(rc);
        return PrintMerged(run, session.library().countEvents() - before);
    }
    int status = kExitOk;
    auto options = ReadTextImport(run, session, files, path, info, *codePage, status);
    if (!options) return status;
    options->duplicateMode = *duplicates;
    // The command line keeps the remembered date order for the program's own wizard.
    FakeSettings scratch;
    const TextImportResult r = importText(session.store(), files, scratch, path, *options, run.now);
    if (r.code != lr::kOk) return Failed(run, r.code, r.problem);
    if (run.json()) {
        Json log = Json::array();
        for (const ImportLogEntry& e : r.log)
            log.push_back(Json{
                {"record", e.record}, {"reason", e.reason}, {"text", ImportReasonText(e.reason)}});
        run.printJson(Json{{"imported", r.imported},
                           {"replaced", r.replaced},
                           {"records", r.records},
                           {"log", log}});
    } else {
        run.out << FormatText(IDS_CLI_IMPORTED, {r.imported, r.replaced}) << '\n';
        for (const ImportLogEntry& e : r.log)
            run.out << ImportLogLine(e) << '\n';
    }
    return kExitOk;
}

int RunMergeHolidays(CliRun& run) {
    CliSession session(run);
    if (!session.openForWriting()) return kExitFailure;
    const int before = session.library().countEvents();
    const LibraryResult rc = mergeHolidayFile(session.store(), run.args.positional.at(0));
    if (rc != lr::kOk) return run.fail(rc);
    return PrintMerged(run, session.library().countEvents() - before);
}

} // namespace zm
