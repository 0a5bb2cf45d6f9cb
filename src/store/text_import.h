#pragma once
// Importing events from a comma- or tab-separated text file.
//
// Every record (counted from 1, the header line included) is made into an event by the field
// bindings and defaults (import_record.h); a record that cannot be imported is logged with its
// reason and the import goes on. Duplicates of stored events (the same content signature) are
// skipped, replaced or allowed by the duplicate mode. Blank lines at the end of the file are not
// errors. A library failure ends the import with its code; the events stored until then stay,
// and the result tells them and the record where it stopped. A file in UTF-16 is read by its
// byte order mark; a file that holds no record, or no text, is refused.

#include "model/event_record.h"
#include "model/week_settings.h"
#include "platform/settings.h"
#include "store/event_store.h"
#include "store/io/library_result.h"
#include "store/io/store_file_system.h"
#include "store/library/event_library.h"
#include "store/transfer/import_log.h"
#include "store/transfer/import_record.h"
#include "store/transfer/text_records.h"
#include "store/transfer/transfer_problem.h"

#include <functional>
#include <string>
#include <vector>

namespace zm {

// Where imported events go: the event store, or a library alone.
class ImportTarget {
public:
    using StoredVisitor = std::function<LibraryResult(const EventRecord&)>;
    virtual ~ImportTarget() = default;
    // Calls `visit` for every stored event (read, with its Key) in block order; stops at and
    // returns the first result other than Ok.
    virtual LibraryResult ForEachStored(const StoredVisitor& visit) = 0;
    // Adds a new event and sets its Key.
    virtual LibraryResult Add(EventRecord& event) = 0;
    // Writes the event over the stored event its Key names, keeping that event's Id when the
    // event has none.
    virtual LibraryResult Replace(EventRecord& event) = 0;
    // The import stores its events in batches: the events added and replaced since the last
    // Commit are stored by CommitBatch; EndBatch drops what was not committed.
    virtual void BeginBatch() {}
    virtual LibraryResult CommitBatch() { return LibraryResult::Ok; }
    virtual void EndBatch() {}
};

// A library file as the target: events are written straight into it.
class LibraryImportTarget final : public ImportTarget {
public:
    explicit LibraryImportTarget(EventLibrary& library) : library_(library) {}
    LibraryResult ForEachStored(const StoredVisitor& visit) override;
    LibraryResult Add(EventRecord& event) override { return library_.AddEvent(event); }
    LibraryResult Replace(EventRecord& event) override;
    void BeginBatch() override { library_.BeginBatch(); }
    LibraryResult CommitBatch() override { return library_.CommitBatch(); }
    void EndBatch() override { library_.EndBatch(); }

private:
    EventLibrary& library_;
};

struct TextImportOptions {
    char separator = kCommaSeparator;
    bool dos = false;      // the file is in the DOS code page
    int oemCodePage = 437; // that code page
    bool headerLine = true;
    ImportRecordRules rules;
    // Skip, Replace, or None (duplicates allowed). A replaced stored event is used up: two equal
    // records replace one stored copy and add the other, as each record stands for one event.
    DuplicateMode duplicateMode = DuplicateMode::None;
    WeekSettings week;
    DateTime lookAheadLimit; // the end of today; zero: the end of the day of "now"
    // A batch is committed after this many events or this long after the last Commit,
    // whichever comes first; only the events of committed batches count as imported.
    int batchEvents = 200;
    int batchMilliseconds = 250;
    // The log keeps the entries of the first this many records it names; the others are only
    // counted, so a file of millions of bad records does not fill the memory.
    int logLimit = kImportLogLimit;
    // Called now and then (about every `breathMilliseconds`) while a long import runs, so that
    // the program's event loop can go on meanwhile; none by default.
    std::function<void()> breathe;
    int breathMilliseconds = 50;
};

struct TextImportResult {
    LibraryResult code = LibraryResult::Ok;
    int imported = 0; // events added
    int replaced = 0; // stored events replaced by duplicates
    int records = 0;  // records of the file, without the blank lines at its end
    ImportLog log;    // up to the record where the import stopped, at most logLimit entries
    int unlogged = 0; // the entries left out of the log: those of the records after its last
    // Every record the import did not add as a new event.
    int LogEntries() const { return static_cast<int>(log.size()) + unlogged; }
    // The record (1-based, the header line counted) whose event a library failure kept from
    // being stored; the import stopped there. 0 when it ran to the end.
    int stoppedAt = 0;
    // Set with TransferFileFailed: the file could not be read, or holds no record or no text.
    TransferProblem problem;
};

// Imports the records of `source` into `target`; `now` is taken once by the caller.
TextImportResult ImportTextRecords(ByteSource& source, const TextImportOptions& options,
                                   ImportTarget& target, DateTime now);

// The date order the wizard starts with: the one of the last text import, clamped to 0 ... 2;
// 0 when none is stored.
int LastImportDateOrder(const Settings& settings);

// The date order an import uses unless told otherwise: the one of the last text import, or,
// when none was ever stored, the order of the locale's short dates, so that a file exported
// with the defaults is read back with the same dates.
int DefaultImportDateOrder(const Settings& settings, const LocaleDescription& locale);

// The text import of a file: stores the date order in the settings, opens the file for reading
// (TransferFileFailed and a problem when it cannot be opened or read) and imports its records.
TextImportResult ImportTextFile(StoreFileSystem& files, const std::string& path,
                                const TextImportOptions& options, ImportTarget& target,
                                DateTime now, Settings& settings);

// --- the fields page ---

// One row of the fields page: the file field's name and the value of the first event record.
struct FieldSample {
    std::string name;  // the header text, or "Field %d" with the 0-based position
    std::string value; // empty when the record has no such field
};

// The rows for the first record of a file: one per field of the first record, named by it when
// `headerLine` is on (the values then come from the second record), else "Field %d" with the
// field as the value. `first` and `second` are already decoded.
std::vector<FieldSample> FieldSamples(const std::vector<std::string>& first,
                                      const std::vector<std::string>* second, bool headerLine);

// Reads the first two records of a text file in the kind's code page (fewer when the file has
// fewer). TransferFileFailed and a problem when the file cannot be opened or read.
LibraryResult ReadSampleRecords(StoreFileSystem& files, const std::string& path, char separator,
                                bool dos, int oemCodePage,
                                std::vector<std::vector<std::string>>& records,
                                TransferProblem& problem);

// The check when leaving the fields page: true when the sample value bound to Date is empty
// or reads as a date in the order (otherwise the user is asked whether that is right).
bool SampleDateMatches(const std::vector<FieldSample>& samples, const FieldBindings& bindings,
                       int dateOrder);

} // namespace zm
