#include "cli/new_event.h"

#include "cli/iso_time.h"
#include "model/amount_parse.h"
#include "model/edit_rules.h"
#include "platform/utf8.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "store/text/text_codec.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace zm {
namespace {

constexpr std::array<OptionSpec, 14> kAddOptions{{
    {"--type", true},
    {"--notes", true},
    {"--advance", true},
    {"--duration", true},
    {"--daily", true},
    {"--weekly", true},
    {"--monthly-day", true},
    {"--monthly-nth", true},
    {"--yearly", false},
    {"--yearly-nth", true},
    {"--ends", true},
    {"--age", false},
    {"--skip-when-over", false},
    {"--disabled", false},
}};

constexpr std::array<std::string_view, 6> kPatternOptions{
    "--daily", "--weekly", "--monthly-day", "--monthly-nth", "--yearly", "--yearly-nth"};

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::vector<std::string_view> Split(std::string_view s, char sep) {
    std::vector<std::string_view> parts;
    size_t from = 0;
    for (;;) {
        const size_t at = s.find(sep, from);
        parts.push_back(s.substr(from, at - from));
        if (at == std::string_view::npos) return parts;
        from = at + 1;
    }
}

// A number as the editor's fields hold them; the editor's own checks judge its range.
std::optional<int64_t> FieldNumber(std::string_view text) {
    return ParseNumber(text, -1000000000, 1000000000);
}

// Fills the pattern of the request from the recurrence option; a usage error text, or empty.
std::string ReadPattern(const std::string& option, const std::string& value, PatternChoice& p) {
    const auto parts = Split(value, ':');
    auto shapeError = [&](const char* shape) {
        return FormatText(IDS_CLI_BAD_PATTERN_VALUE, {value, shape});
    };
    auto number = [&](std::string_view text, int64_t& out) {
        const auto n = FieldNumber(text);
        if (n) out = *n;
        return n.has_value();
    };
    auto ordinal = [&](std::string_view text, std::string& error) {
        p.ordinal = OrdinalPosition(text);
        if (p.ordinal < 0) error = FormatText(IDS_CLI_BAD_ORDINAL, {text});
    };
    auto weekday = [&](std::string_view text, std::string& error) {
        p.weekday = WeekdayPosition(text);
        if (p.weekday < 0 && error.empty()) error = FormatText(IDS_CLI_BAD_WEEKDAY, {text});
    };

    std::string error;
    if (option == "--daily") {
        p.form = RecurrenceForm::EveryNDays;
        if (parts.size() != 1 || !number(parts[0], p.interval)) return shapeError("N");
    } else if (option == "--weekly") {
        p.form = RecurrenceForm::EveryNWeeks;
        if (parts.size() != 2 || !number(parts[0], p.interval)) return shapeError("N:DAYS");
        p.weekdays = 0;
        if (!parts[1].empty()) {
            for (std::string_view day : Split(parts[1], ',')) {
                const int pos = WeekdayPosition(day);
                if (pos < 0) return FormatText(IDS_CLI_BAD_WEEKDAYS, {parts[1]});
                p.weekdays |= WeekdayBitOfListPosition(pos);
            }
        }
    } else if (option == "--monthly-day") {
        p.form = RecurrenceForm::DayOfMonth;
        int64_t day = 0;
        if (parts.size() != 2 || !number(parts[0], day) || !number(parts[1], p.interval))
            return shapeError("D:N");
        p.day = static_cast<int>(std::clamp<int64_t>(day, -1, 1000));
    } else if (option == "--monthly-nth") {
        p.form = RecurrenceForm::NthWeekdayMonthly;
        if (parts.size() != 3 || !number(parts[2], p.interval)) return shapeError("ORD:WEEKDAY:N");
        ordinal(parts[0], error);
        weekday(parts[1], error);
    } else if (option == "--yearly-nth") {
        p.form = RecurrenceForm::YearlyNthWeekday;
        if (parts.size() != 2) return shapeError("ORD:WEEKDAY");
        ordinal(parts[0], error);
        weekday(parts[1], error);
    } else if (option == "--yearly") {
        p.form = RecurrenceForm::YearlyDate;
    }
    return error;
}

NewEventResult Refusal(int status, std::string message) {
    NewEventResult r;
    r.status = status;
    r.message = std::move(message);
    return r;
}

// The messages of ParseAmount's failures.
std::string AmountMessage(AmountParseCode code) {
    return LoadString(code == kAmountTooLarge ? IDS_DURATION_TOO_LARGE : IDS_DURATION_NOT_VALID);
}

} // namespace

int WeekdayPosition(std::string_view name) {
    static constexpr std::array<std::string_view, 7> kDays{
        "monday", "tuesday", "wednesday", "thursday", "friday", "saturday", "sunday"};
    const std::string n = Lower(name);
    for (size_t i = 0; i < kDays.size(); ++i)
        if (n == kDays[i] || n == kDays[i].substr(0, 3)) return static_cast<int>(i);
    return -1;
}

int OrdinalPosition(std::string_view name) {
    static constexpr std::array<std::string_view, 5> kOrdinals{"first", "second", "third", "fourth",
                                                               "last"};
    const std::string n = Lower(name);
    for (size_t i = 0; i < kOrdinals.size(); ++i)
        if (n == kOrdinals[i]) return static_cast<int>(i);
    return -1;
}

std::span<const OptionSpec> AddOptions() {
    return kAddOptions;
}

std::optional<AddRequest> ParseAddRequest(const CommandArgs& args, std::string& error) {
    AddRequest r;
    // Texts are kept as UTF-8; bytes that are not UTF-8 (a terminal in a single-byte code page)
    // are read as Windows-1252, as the program reads the texts of its files.
    r.name = DecodeFileText(args.positional.at(0));
    const auto start = ParseCliInstant(args.positional.at(1));
    if (!start) {
        error = FormatText(IDS_CLI_BAD_INSTANT, {args.positional[1]});
        return std::nullopt;
    }
    r.start = *start;
    if (auto v = args.Value("--type")) r.type = *v;
    if (auto v = args.Value("--notes")) r.notes = DecodeFileText(*v);
    if (auto v = args.Value("--advance")) r.advance = *v;
    if (auto v = args.Value("--duration")) r.duration = *v;
    if (auto v = args.Value("--ends")) {
        r.ends = ParseCliInstant(*v);
        if (!r.ends) {
            error = FormatText(IDS_CLI_BAD_INSTANT, {*v});
            return std::nullopt;
        }
    }
    r.age = args.Has("--age");
    r.skipWhenOver = args.Has("--skip-when-over");
    r.disabled = args.Has("--disabled");

    for (std::string_view option : kPatternOptions) {
        const std::string* value = args.Value(option);
        if (!value) continue;
        if (r.patternOption) {
            error = LoadString(IDS_CLI_ONE_PATTERN);
            return std::nullopt;
        }
        r.patternOption = std::string(option);
        error = ReadPattern(r.patternOption.value(), *value, r.pattern);
        if (!error.empty()) return std::nullopt;
    }
    return r;
}

NewEventResult MakeNewEvent(const AddRequest& request, const TypeList& types, DateTime now,
                            const WeekSettings& week) {
    NewEventResult result;
    EventRecord& e = result.event;
    e = EventRecord::NewEvent(now);
    e.start = request.start;
    e.name = request.name;
    e.notes = request.notes;

    // A type brings its defaults, as choosing it in the editor does for a new event; the time
    // given on the command line is kept.
    PatternChoice pattern = request.pattern;
    if (request.type) {
        const int index = types.FindType(*request.type);
        const EventType* type = types.TypeAt(index);
        if (!type) return Refusal(1, FormatText(IDS_CLI_NO_SUCH_TYPE, {*request.type}));
        e.typeName = type->name;
        e.SetTypeIndex(index);
        e.SetFlag(kSkipWhenOver, type->Has(kTypeSkipWhenOver));
        e.duration = type->duration;
        e.advance = type->advance;
        e.sound = type->sound;
        e.soundFile = type->soundFile;
        if (type->Has(kTypeYearly) && pattern.form == RecurrenceForm::None)
            pattern.form = RecurrenceForm::YearlyDate;
    }

    const bool skipWhenOver = request.skipWhenOver || e.Has(kSkipWhenOver);
    if (pattern.form == RecurrenceForm::None) {
        if (request.ends || request.age)
            return Refusal(
                2, FormatText(IDS_CLI_ENDS_NEEDS_PATTERN, {request.ends ? "--ends" : "--age"}));
        e.SetFlag(kSkipWhenOver, skipWhenOver);
    } else {
        pattern.start = request.start;
        if (pattern.form == RecurrenceForm::YearlyDate) {
            pattern.month = request.start.Month();
            pattern.day = request.start.Day();
        }
        if (pattern.form == RecurrenceForm::YearlyNthWeekday) pattern.month = request.start.Month();
        pattern.endsOn = request.ends.has_value();
        if (request.ends) pattern.end = *request.ends;
        pattern.age = request.age;
        pattern.skipWhenOver = skipWhenOver;
        const PatternConfirmation c = ConfirmPattern(pattern);
        if (!c.verdict.Ok()) return Refusal(1, LoadString(c.verdict.message));
        // The editor asks whether the last day of shorter months will do; here it is told.
        if (NeedsShortMonthWarning(pattern))
            result.notes.push_back(FormatText(IDS_DAY_BEYOND_SHORT_MONTHS, {pattern.day}));
        ApplyPattern(e, c);
    }

    if (request.duration) {
        const ParsedAmount d = ParseAmount(*request.duration, false);
        if (d.code != kAmountOk) return Refusal(1, AmountMessage(d.code));
        e.duration = d.Amount();
    }
    const Verdict fits = CheckRecurringDuration(e);
    if (!fits.Ok()) return Refusal(1, LoadString(fits.message));
    if (request.advance) {
        // An empty amount is no amount: it would stand for no notice at all.
        if (request.advance->find_first_not_of(" \t") == std::string::npos)
            return Refusal(1, LoadString(IDS_DURATION_NOT_VALID));
        const ParsedAmount a = ParseAmount(*request.advance, true);
        if (a.code != kAmountOk) return Refusal(1, AmountMessage(a.code));
        e.advance = a.Amount();
    }

    // An event without a name is not read back by an import.
    if (e.name.find_first_not_of(" \t") == std::string::npos)
        return Refusal(1, LoadString(IDS_CLI_EMPTY_NAME));
    if (Utf8Length(e.name) > kMaxNameLength)
        return Refusal(1, FormatText(IDS_CLI_NAME_TOO_LONG, {kMaxNameLength}));
    if (Utf8Length(e.notes) > kMaxNotesLength)
        return Refusal(1, FormatText(IDS_CLI_NOTES_TOO_LONG, {kMaxNotesLength}));
    e.SetFlag(kDisabled, request.disabled);

    // The saving rule; a reminder whose time has passed is stored as accepted, the answer the
    // editor's question offers for it.
    Verdict saved = ApplySavingRule(e, nullptr, now, DateTime(), week);
    if (saved.kind == Verdict::Kind::Ask) {
        saved = ApplySavingRule(e, nullptr, now, DateTime(), week, AcceptAnswer::Yes);
        result.notes.push_back(LoadString(IDS_CLI_STORED_ACCEPTED));
        result.storedAccepted = true;
    }
    if (!saved.Ok()) return Refusal(1, LoadString(saved.message));
    return result;
}

} // namespace zm
