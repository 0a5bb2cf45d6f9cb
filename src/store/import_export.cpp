#include "store/import_export.h"

namespace zm {

LibraryResult StoreImportTarget::forEachStored(const StoredVisitor& visit) {
    return store_.forEachStored([&](uint16_t key) {
        const ReadResult<EventRecord> stored = store_.readStored(key);
        return stored.Ok() ? visit(stored.Value()) : stored.Code();
    });
}

TransferResult exportText(const EventStore& store, StoreFileSystem& files, const std::string& path,
                          const std::vector<uint16_t>& keys, const TextExportOptions& options) {
    StoreExportSource source(store);
    return ExportTextFile(files, path, keys, source, options);
}

TextImportResult importText(EventStore& store, StoreFileSystem& files, Settings& settings,
                            const std::string& path, TextImportOptions options) {
    BusyScope busy(store);
    // Replaced events are told one by one (their old keys are gone), the rest with one reset.
    BulkChangeScope bulk(store, ResetCause::Imported);
    const DateTime now = store.Now();
    if (options.lookAheadLimit == DateTime() && store.pending().limitSet() &&
        store.pending().limit() >= now)
        options.lookAheadLimit = store.pending().limit();
    StoreImportTarget target(store);
    TextImportResult result = ImportTextFile(files, path, options, target, now, settings);
    if (result.code == LibraryResult::Ok) result.code = store.reloadPending();
    return result;
}

TransferResult exportEventFile(const EventStore& store, StoreFileSystem& files,
                               const std::string& path, const std::vector<uint16_t>& keys) {
    StoreExportSource source(store);
    return ExportEventFile(files, path, keys, source);
}

LibraryResult importEventFile(EventStore& store, const std::string& path, DuplicateMode mode) {
    BusyScope busy(store);
    return store.mergeLibraryFile(path, true, mode);
}

LibraryResult mergeHolidayFile(EventStore& store, const std::string& path) {
    BusyScope busy(store);
    return store.mergeLibraryFile(path, true, DuplicateMode::Skip);
}

} // namespace zm
