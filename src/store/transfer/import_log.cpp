#include "store/transfer/import_log.h"

#include "res/format_text.h"
#include "res/strings.h"

#include <algorithm>

namespace zm {

std::string ImportReasonText(int reason) {
    switch (reason) {
    case kReasonEmptyName:
        return LoadString(IDS_IMPORT_REASON_EMPTY_NAME);
    case kReasonInvalidDate:
        return LoadString(IDS_IMPORT_REASON_INVALID_DATE);
    case kReasonInvalidTime:
        return LoadString(IDS_IMPORT_REASON_INVALID_TIME);
    case kReasonDuplicateSkipped:
        return LoadString(IDS_IMPORT_REASON_DUPLICATE_SKIPPED);
    case kReasonDuplicateReplaced:
        return LoadString(IDS_IMPORT_REASON_DUPLICATE_REPLACED);
    case kReasonTooLong:
        return LoadString(IDS_IMPORT_REASON_TOO_LONG);
    case kReasonInvalidDuration:
        return LoadString(IDS_IMPORT_REASON_INVALID_DURATION);
    case kReasonTypeTooLong:
        return LoadString(IDS_IMPORT_REASON_TYPE_TOO_LONG);
    case kReasonEmptyRecord:
        return LoadString(IDS_IMPORT_REASON_EMPTY_RECORD);
    default:
        return LoadString(IDS_IMPORT_REASON_UNKNOWN);
    }
}

std::string ImportLogLine(const ImportLogEntry& entry) {
    return FormatText(IDS_IMPORT_LOG_LINE, {entry.record, ImportReasonText(entry.reason)});
}

std::string ImportSummary(int imported, int logEntries) {
    return FormatText(ImportOffersLog(logEntries) ? IDS_IMPORT_RESULTS : IDS_IMPORT_RESULTS_NO_LOG,
                      {imported, logEntries});
}

std::string ImportLogLeftOut(int unlogged, int shown) {
    return FormatText(IDS_IMPORT_LOG_LEFT_OUT, {unlogged, shown});
}

void TrimImportLog(ImportLog& log, int& unlogged, int limit) {
    std::stable_sort(log.begin(), log.end(),
                     [](const auto& a, const auto& b) { return a.record < b.record; });
    const auto keep = static_cast<size_t>(std::max(limit, 0));
    if (log.size() <= keep) return;
    unlogged += static_cast<int>(log.size() - keep);
    log.resize(keep);
}

void AddToImportLog(ImportLog& log, int& unlogged, const ImportLogEntry& entry, int limit) {
    // Entries come nearly in record order (a replaced record is logged when its batch is
    // stored), so the log is trimmed once it holds twice what it keeps.
    log.push_back(entry);
    if (log.size() >= 2 * static_cast<size_t>(std::max(limit, 1)))
        TrimImportLog(log, unlogged, limit);
}

} // namespace zm
