#pragma once
// The kinds of files the import and export wizard reads and writes, in the order of its list.

#include "store/transfer/text_records.h"

namespace zm {

enum class TransferKind : int {
    CsvDos = 0,
    CsvWindows = 1,
    TsvDos = 2,
    TsvWindows = 3,
    EventFile = 4,
};

inline constexpr int kTransferKindCount = 5;

struct TransferKindInfo {
    int captionId;         // the text of the list entry
    int filterId;          // the file dialog's filter
    const char* extension; // the default extension
    bool text;             // a comma- or tab-separated text file
    char separator;        // ',' or TAB for text files
    bool dos;              // the text is in the DOS (OEM) code page
};

const TransferKindInfo& KindInfo(TransferKind kind);

// The kind of a list position; positions out of range count as the first kind.
TransferKind KindAt(int index);

} // namespace zm
