#pragma once
// What the user chose on the wizard's pages, kept by the wizard while it is open.

#include "store/event_store.h"
#include "store/transfer/import_record.h"
#include "store/transfer/transfer_kinds.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zm {

// The events the main window offers for an export: its whole list and its selection, in list
// order.
struct TransferEvents {
    std::vector<uint16_t> all;
    std::vector<uint16_t> selected;
};

struct TransferChoices {
    bool import = true;
    int kind = 0; // the position in the kind list
    std::string path;
    bool selectionOnly = false;
    DuplicateMode duplicates = DuplicateMode::None; // duplicates allowed
    bool headerLine = true;
    int dateOrder = 0;
    FieldBindings bindings;
    // The first two records of the text file to import, read when the file page was left.
    std::vector<std::vector<std::string>> sampleRecords;
    TextImportDefaults defaults;
    int oemCodePage = 437;

    const TransferKindInfo& Kind() const { return KindInfo(KindAt(kind)); }
    bool TextImport() const { return import && Kind().text; }
};

} // namespace zm
