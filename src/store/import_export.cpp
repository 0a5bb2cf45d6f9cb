#include "store/import_export.h"

namespace zm {

LibraryResult StoreImportTarget::ForEachStored(const StoredVisitor& visit) {
    return store_.ForEachStored([&](uint16_t key) {
        const ReadResult<EventRecord> stored = store_.ReadStored(key);
        return stored.Ok() ? visit(stored.Value()) : stored.Code();
    });
}

TransferResult ExportText(const EventStore& store, StoreFileSystem& files, const std::string& path,
                          const std::vector<uint16_t>& keys, const TextExportOptions& options) {
    StoreExportSource source(store);
    return ExportTextFile(files, path, keys, source, options);
}

TextImportResult ImportText(EventStore& store, StoreFileSystem& files, Settings& settings,
                            const std::string& path, TextImportOptions options) {
    BusyScope busy(store);
    // Replaced events are told one by one (their old keys are gone), the rest with one reset.
    BulkChangeScope bulk(store, ResetCause::Imported);
    const DateTime now = store.Now();
    if (options.lookAheadLimit == DateTime() && store.Pending().LimitSet() &&
        store.Pending().Limit() >= now)
        options.lookAheadLimit = store.Pending().Limit();
    StoreImportTarget target(store);
    TextImportResult result = ImportTextFile(files, path, options, target, now, settings);
    // The pending list is rebuilt from what was stored, also after a failure: the events of a
    // batch that could not be committed joined it before.
    if (result.code == LibraryResult::Ok || target.Touched()) {
        const LibraryResult reloaded = store.ReloadPending();
        if (result.code == LibraryResult::Ok) result.code = reloaded;
    }
    return result;
}

TransferResult ExportEventFile(const EventStore& store, StoreFileSystem& files,
                               const std::string& path, const std::vector<uint16_t>& keys) {
    StoreExportSource source(store);
    return ExportEventFile(files, path, keys, source);
}

LibraryResult ImportEventFile(EventStore& store, const std::string& path, DuplicateMode mode) {
    BusyScope busy(store);
    return store.MergeLibraryFile(path, true, mode);
}

LibraryResult MergeHolidayFile(EventStore& store, const std::string& path) {
    BusyScope busy(store);
    return store.MergeLibraryFile(path, true, DuplicateMode::Skip);
}

} // namespace zm
