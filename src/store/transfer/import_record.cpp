#include "store/transfer/import_record.h"

#include "model/amount_parse.h"
#include "platform/utf8.h"
#include "res/strings.h"
#include "store/text/no_case.h"
#include "store/transfer/import_date.h"
#include "store/transfer/import_log.h"
#include "store/transfer/text_time.h"

#include <algorithm>

namespace zm {

FieldBindings FieldBindings::ForFieldCount(size_t fieldCount) {
    FieldBindings b;
    for (int& p : b.position_)
        if (p >= static_cast<int>(fieldCount)) p = -1;
    return b;
}

FieldBindings FieldBindings::Unbound() {
    FieldBindings b;
    b.position_.fill(-1);
    return b;
}

std::optional<FieldBindings>
FieldBindings::ForHeader(const std::vector<std::string>& header,
                         const std::array<std::vector<std::string>, kImportFieldCount>& words) {
    FieldBindings b = Unbound();
    bool any = false;
    for (size_t i = 0; i < header.size(); ++i) {
        const std::string name = TrimBlanks(header[i]);
        if (name.empty()) continue;
        for (int field = 0; field < kImportFieldCount; ++field) {
            if (b.position_[field] >= 0) continue;
            const auto& names = words[field];
            if (std::any_of(names.begin(), names.end(),
                            [&](const std::string& w) { return NoCaseEqual(name, w); })) {
                b.position_[field] = static_cast<int>(i);
                any = true;
                break;
            }
        }
    }
    if (!any) return std::nullopt;
    return b;
}

std::array<std::vector<std::string>, kImportFieldCount> ImportFieldWords() {
    constexpr int kOwnWords[kImportFieldCount] = {IDS_IE_FIELD_NAME, IDS_IE_FIELD_DATE,
                                                  IDS_IE_FIELD_TIME, IDS_IE_FIELD_DURATION,
                                                  IDS_IE_FIELD_TYPE, IDS_IE_FIELD_NOTES};
    constexpr const char* kEnglishWords[kImportFieldCount] = {"Name",     "Date", "Time",
                                                              "Duration", "Type", "Notes"};
    std::array<std::vector<std::string>, kImportFieldCount> words;
    for (int field = 0; field < kImportFieldCount; ++field) {
        words[field].push_back(LoadString(kOwnWords[field]));
        if (!NoCaseEqual(words[field].front(), kEnglishWords[field]))
            words[field].push_back(kEnglishWords[field]);
    }
    return words;
}

FieldBindings InitialBindings(const std::vector<std::string>& firstRecord, bool headerLine) {
    if (headerLine) {
        if (auto named = FieldBindings::ForHeader(firstRecord, ImportFieldWords())) return *named;
    }
    return FieldBindings::ForFieldCount(firstRecord.size());
}

int FieldBindings::FieldAt(int position) const {
    if (position < 0) return -1;
    for (int f = 0; f < kImportFieldCount; ++f)
        if (position_[f] == position) return f;
    return -1;
}

void FieldBindings::Bind(int position, int field) {
    if (position < 0) return;
    if (const int old = FieldAt(position); old >= 0) position_[old] = -1;
    if (field >= 0 && field < kImportFieldCount) position_[field] = position;
}

int ReadImportRecord(const std::vector<std::string>& fields, const ImportRecordRules& rules,
                     DateTime today, EventRecord& event) {
    if (fields.empty() || (fields.size() == 1 && fields[0].empty())) return kReasonEmptyRecord;

    event = EventRecord();
    event.typeName = rules.defaults.typeName;
    event.typeIndex = rules.findType ? rules.findType(event.typeName) : -1;
    event.advance = rules.defaults.advance;
    event.duration = rules.defaults.duration;
    event.start = today.Date();

    bool haveName = false;
    bool haveDate = false;
    for (size_t pos = 0; pos < fields.size(); ++pos) {
        const std::string& value = fields[pos];
        switch (rules.bindings.FieldAt(static_cast<int>(pos))) {
        case kFieldName:
            if (value.empty()) return kReasonEmptyName;
            event.name = value;
            haveName = true;
            break;
        case kFieldDate: {
            const DateTime date = ParseImportDate(value, rules.dateOrder);
            if (!date.IsValid()) return kReasonInvalidDate;
            event.start = date.WithTimeOf(event.start);
            haveDate = true;
            break;
        }
        case kFieldTime: {
            // An empty Time field leaves the event at the start of its day.
            if (value.find_first_not_of(" \t") == std::string::npos) break;
            const auto seconds = ParseImportTime(value, rules.locale);
            if (!seconds) return kReasonInvalidTime;
            event.start =
                DateTime::FromSeconds(event.start.DayNumber() * kSecondsPerDay + *seconds);
            break;
        }
        case kFieldDuration: {
            // An empty Duration field leaves the default duration.
            if (value.find_first_not_of(" \t") == std::string::npos) break;
            const ParsedAmount amount = ParseAmount(value, false);
            if (amount.code != kAmountOk) return kReasonInvalidDuration;
            event.duration = amount.Amount();
            break;
        }
        case kFieldType:
            if (Utf8Length(value) > kMaxImportTypeNameLength) return kReasonTypeTooLong;
            event.typeName = value;
            event.typeIndex = rules.findType ? rules.findType(value) : -1;
            break;
        case kFieldNotes:
            if (!value.empty()) event.notes = value;
            break;
        default:
            break;
        }
    }
    if (!haveName) return kReasonEmptyName;
    if (!haveDate) return kReasonInvalidDate;
    if (event.StoredSize() > kMaxStoredEventSize) return kReasonTooLong;
    return kRecordImported;
}

int ImportDefaultsProblem(const TextImportDefaults& defaults) {
    if (defaults.recurrence == 0) return 0;
    EventRecord sample;
    sample.start = DateTime::FromParts(2001, 1, 1);
    ApplyImportRecurrence(sample, defaults.recurrence);
    if (!sample.IsRecurring()) return 0;
    const DateTimeSpan period = sample.PeriodLength();
    if (defaults.advance.ToSpan() >= period) return IDS_ADVANCE_BEFORE_PREVIOUS;
    if (defaults.duration.ToSpan() >= period) return IDS_DURATION_TOO_LONG_FOR_PATTERN;
    return 0;
}

void ApplyImportRecurrence(EventRecord& event, uint32_t kind) {
    switch (kind) {
    case kKindDaily:
        event.SetPattern(kFormByDate | kKindDaily, 1);
        break;
    case kKindWeekly:
        event.SetPattern(kFormByDate | kKindWeekly | WeekdayBit(event.start.DayOfWeek()), 1);
        break;
    case kKindMonthly:
        // On the day of Start; day 0 would be no day of any month.
        event.SetPattern(kFormByDate | kKindMonthly,
                         PatternParamOf(static_cast<uint32_t>(event.start.Day()), 1));
        break;
    case kKindYearly:
        event.SetPattern(kFormByDate | kKindYearly, 1);
        break;
    default:
        event.SetPattern(0, 0);
        break;
    }
}

void ApplyImportReminderState(EventRecord& event, DateTime now, DateTime lookAheadLimit,
                              const WeekSettings& week) {
    event.SetFlag(kSnoozed, false);
    if (event.IsRecurring()) {
        event.StampPastOccurrences(now, lookAheadLimit);
    } else {
        event.SetFlag(kShown, false);
        if (event.start < now) event.Accept(now, week);
    }
}

} // namespace zm
