#pragma once
// One record of a text import made into an event: the binding of file fields to event fields,
// the defaults for what the file does not give, and the reminder state of an imported event.

#include "format/locale_description.h"
#include "model/event_record.h"
#include "model/week_settings.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zm {

enum ImportField : int {
    kFieldName = 0,
    kFieldDate,
    kFieldTime,
    kFieldDuration,
    kFieldType,
    kFieldNotes,
    kImportFieldCount,
};

// Which file field (by 0-based position) each event field is read from, -1 for none. A file
// field is bound to at most one event field.
class FieldBindings {
public:
    // File field 0 to Name, 1 to Date, ... 5 to Notes.
    FieldBindings() = default;
    // The initial bindings for a file whose first record has `fieldCount` fields: those beyond
    // it are dropped.
    static FieldBindings ForFieldCount(size_t fieldCount);
    // No file field bound.
    static FieldBindings Unbound();

    int Position(int field) const { return position_[field]; }
    // The event field bound to the file field at `position`, or -1.
    int FieldAt(int position) const;
    // The bind menu of a file field: binds `field` to it (moving that event field's binding
    // away from any other file field and dropping what the file field was bound to before), or
    // with -1 ("<<skip field>>") unbinds it.
    void Bind(int position, int field);
    // The bindings by the names of a header line: each file field whose text (blanks around it
    // dropped, letter case aside) is one of the words of an event field in `words` is bound to
    // that field, the first such file field when several name it; the others are skipped.
    // Nothing when no file field names one.
    static std::optional<FieldBindings>
    ForHeader(const std::vector<std::string>& header,
              const std::array<std::vector<std::string>, kImportFieldCount>& words);
    // Name and Date are bound, as the import needs.
    bool Ready() const { return position_[kFieldName] >= 0 && position_[kFieldDate] >= 0; }

private:
    std::array<int, kImportFieldCount> position_{0, 1, 2, 3, 4, 5};
};

// The words that name each event field in a header line: the program's own (its field names,
// as an export writes them) and the English ones.
std::array<std::vector<std::string>, kImportFieldCount> ImportFieldWords();

// The first bindings of a text import: by the names of the header line when there is one and it
// names at least one event field, else by position.
FieldBindings InitialBindings(const std::vector<std::string>& firstRecord, bool headerLine);

// What the defaults page gives the records of a text import.
struct TextImportDefaults {
    std::string typeName;
    TimeAmount advance{0};
    TimeAmount duration{30};
    // The recurring type: 0 none, 0x100 daily, 0x200 weekly, 0x400 monthly, 0x800 yearly.
    uint32_t recurrence = 0;
};

// The check of the defaults page when a recurring type is chosen: 0, or the message of a
// reminder that would reach the previous occurrence or of a duration longer than the period.
int ImportDefaultsProblem(const TextImportDefaults& defaults);

// Resolves a type name to its index in the type list (-1 = no such type).
using TypeIndexLookup = std::function<int32_t(const std::string&)>;

struct ImportRecordRules {
    FieldBindings bindings;
    int dateOrder = 0;
    LocaleDescription locale;
    TextImportDefaults defaults;
    TypeIndexLookup findType; // may be empty: every type counts as undefined
};

// The longest stored form an event may have: a longer chain of blocks cannot be read back.
inline constexpr uint32_t kMaxStoredEventSize = 20 * 256;

// The longest name, in characters, an event type may have (as the type editor allows): a longer
// type name in a file can name no type.
inline constexpr size_t kMaxImportTypeNameLength = 64;

inline constexpr int kRecordImported = -1;

// Makes an event of the fields of one record (already converted to UTF-8). Returns
// kRecordImported, or the reason of the log why the record cannot be imported: an empty record
// (a single empty field), an empty name, an invalid date, time or duration, a type name longer
// than a type's, or a name and notes too long for one stored event. `today` is the date the event
// starts on when the file gives none.
int ReadImportRecord(const std::vector<std::string>& fields, const ImportRecordRules& rules,
                     DateTime today, EventRecord& event);

// Sets the default recurrence: daily, weekly on the weekday of Start, monthly on the day of
// Start, or yearly, each every 1; 0 removes it.
void ApplyImportRecurrence(EventRecord& event, uint32_t kind);

// The reminder state of an imported event: a recurring one counts its past occurrences as shown
// (as an edited event whose timing changed), a one-time one whose start has passed is accepted.
// `lookAheadLimit` is the end of today (zero: the end of the day of `now`).
void ApplyImportReminderState(EventRecord& event, DateTime now, DateTime lookAheadLimit,
                              const WeekSettings& week);

} // namespace zm
