#include "store/transfer/import_log.h"

#include "res/format_text.h"
#include "res/strings.h"

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

} // namespace zm
