#include "store/transfer/transfer_kinds.h"

#include "res/strings.h"

namespace zm {

namespace {
constexpr TransferKindInfo kKinds[kTransferKindCount] = {
    {IDS_IE_KIND_CSV_DOS, IDS_IE_FILTER_CSV_DOS, "CSV", true, kCommaSeparator, true},
    {IDS_IE_KIND_CSV_WINDOWS, IDS_IE_FILTER_CSV_WINDOWS, "CSV", true, kCommaSeparator, false},
    {IDS_IE_KIND_TSV_DOS, IDS_IE_FILTER_TSV_DOS, "TXT", true, kTabSeparator, true},
    {IDS_IE_KIND_TSV_WINDOWS, IDS_IE_FILTER_TSV_WINDOWS, "TXT", true, kTabSeparator, false},
    {IDS_IE_KIND_EVENT_FILE, IDS_IE_FILTER_EVENT_FILE, "VR0", false, 0, false},
};
} // namespace

const TransferKindInfo& KindInfo(TransferKind kind) {
    return kKinds[static_cast<int>(KindAt(static_cast<int>(kind)))];
}

TransferKind KindAt(int index) {
    return index < 0 || index >= kTransferKindCount ? TransferKind::CsvDos
                                                    : static_cast<TransferKind>(index);
}

} // namespace zm
