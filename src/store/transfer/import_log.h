#pragma once
// The log of a text import: one entry for every record that was not imported as a new event.

#include <string>
#include <vector>

namespace zm {

enum ImportReason : int {
    kReasonEmptyName = 0,
    kReasonInvalidDate = 1,
    kReasonInvalidTime = 2,
    // A Duration field that is not an amount (an empty one gives the default).
    kReasonInvalidDuration = 3,
    kReasonDuplicateSkipped = 6,
    kReasonDuplicateReplaced = 7,
    // The name and the notes together are longer than one stored event can hold.
    kReasonTooLong = 8,
    // A type name longer than any type may have.
    kReasonTypeTooLong = 9,
    kReasonEmptyRecord = 256,
};

struct ImportLogEntry {
    int record = 0; // 1-based, the header line counted
    int reason = 0;
    friend bool operator==(const ImportLogEntry&, const ImportLogEntry&) = default;
};

using ImportLog = std::vector<ImportLogEntry>;

// How many entries an import log keeps at most; the rest are counted.
inline constexpr int kImportLogLimit = 5000;

// Adds the entry to a log that keeps the `limit` entries of the lowest records and counts the
// others in `unlogged`. The log is in record order once TrimImportLog has run.
void AddToImportLog(ImportLog& log, int& unlogged, const ImportLogEntry& entry, int limit);
void TrimImportLog(ImportLog& log, int& unlogged, int limit);

// The text of a reason ("empty name", "invalid date", ...); "unknown" for any other number.
std::string ImportReasonText(int reason);

// "The record %d is not imported. Reason: %s."
std::string ImportLogLine(const ImportLogEntry& entry);

// "Import Results: ..." with the number of events added and of log entries; it asks whether to
// view the log only when the log holds something (ImportOffersLog).
std::string ImportSummary(int imported, int logEntries);
inline bool ImportOffersLog(int logEntries) {
    return logEntries > 0;
}

// The line that ends a log that left entries out: how many, and how many it shows.
std::string ImportLogLeftOut(int unlogged, int shown);

} // namespace zm
