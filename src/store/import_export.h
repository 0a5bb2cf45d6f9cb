#pragma once
// The actions of the import and export wizard and the holiday command, over the event store.
// Each holds the store busy while it runs, so that the reminder tick leaves the library
// alone, and returns a LibraryResult for the common error reporter (with the message for a file
// that could not be read or written, to show first).

#include "platform/settings.h"
#include "store/event_store.h"
#include "store/io/store_file_system.h"
#include "store/text_import.h"
#include "store/transfer/text_export.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zm {

// The stored events as the import sees them: duplicates are looked up among them, new events
// are stored and replaced ones rewritten through the store.
class StoreImportTarget final : public ImportTarget {
public:
    explicit StoreImportTarget(EventStore& store) : store_(store) {}
    LibraryResult ForEachStored(const StoredVisitor& visit) override;
    LibraryResult Add(EventRecord& event) override { return Counted(store_.StoreNew(event)); }
    LibraryResult Replace(EventRecord& event) override {
        return Counted(store_.StoreReplaced(event));
    }
    void BeginBatch() override { store_.BeginBatch(); }
    LibraryResult CommitBatch() override { return store_.CommitBatch(); }
    void EndBatch() override { store_.EndBatch(); }
    // Whether any event was added or replaced, committed or not.
    bool Touched() const { return touched_; }

private:
    LibraryResult Counted(LibraryResult rc) {
        touched_ = touched_ || rc == LibraryResult::Ok;
        return rc;
    }
    EventStore& store_;
    bool touched_ = false;
};

class StoreExportSource final : public ExportSource {
public:
    explicit StoreExportSource(const EventStore& store) : store_(store) {}
    ReadResult<EventRecord> Read(uint16_t key) override { return store_.ReadStored(key); }

private:
    const EventStore& store_;
};

// Writes the events of `keys` (the main window's list or its selection, in list order) to a
// comma- or tab-separated text file.
TransferResult ExportText(const EventStore& store, StoreFileSystem& files, const std::string& path,
                          const std::vector<uint16_t>& keys, const TextExportOptions& options);

// Imports a text file; the store's "now" is taken once for the whole import. The date order is
// kept in the settings. Unless a failure occurred the pending list is rebuilt afterwards. When
// `options.lookAheadLimit` is zero, the store's limit is used (the end of today).
TextImportResult ImportText(EventStore& store, StoreFileSystem& files, Settings& settings,
                            const std::string& path, TextImportOptions options);

// Creates an event file holding copies of the events of `keys`, with their ids.
TransferResult ExportEventFile(const EventStore& store, StoreFileSystem& files,
                               const std::string& path, const std::vector<uint16_t>& keys);

// Merges an event file of any known version with the chosen duplicate mode.
LibraryResult ImportEventFile(EventStore& store, const std::string& path, DuplicateMode mode);

// Merges a holiday file; events the library already holds are not imported again.
LibraryResult MergeHolidayFile(EventStore& store, const std::string& path);

} // namespace zm
