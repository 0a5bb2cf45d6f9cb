#pragma once
// Text files in memory, and helpers to export into them and import from them.

#include "store/io/memory_file.h"
#include "store/text_import.h"
#include "store/transfer/text_export.h"
#include "support/import_locales.h"
#include "support/library_fixture.h"

#include <string>
#include <vector>

namespace zm::testing {

inline std::vector<uint16_t> StoredKeys(const EventLibrary& library) {
    std::vector<uint16_t> keys;
    EXPECT_EQ(library.ForEachEvent([&](uint16_t key) {
        keys.push_back(key);
        return LibraryResult::Ok;
    }),
              LibraryResult::Ok);
    return keys;
}

inline std::string Text(const FileBytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// Exports the given events (all stored events when none are given) and returns the bytes.
inline std::string ExportText(const EventLibrary& library, const TextExportOptions& options,
                              std::vector<uint16_t> keys = {}) {
    if (keys.empty()) keys = StoredKeys(library);
    auto bytes = std::make_shared<FileBytes>();
    MemoryFile file(bytes);
    LibraryExportSource source(library);
    const TransferResult r = ExportTextTo(file, keys, source, options);
    EXPECT_EQ(r.code, LibraryResult::Ok);
    return Text(*bytes);
}

inline TextImportOptions ImportOptions(char separator = ',', bool header = false) {
    TextImportOptions o;
    o.separator = separator;
    o.headerLine = header;
    o.rules.locale = test::EnglishUs();
    return o;
}

inline const DateTime kImportNow = DateTime::FromParts(2024, 3, 5, 10, 0, 0);

inline TextImportResult ImportText(EventLibrary& library, const std::string& bytes,
                                   const TextImportOptions& options) {
    StringByteSource source(bytes);
    LibraryImportTarget target(library);
    return ImportTextRecords(source, options, target, kImportNow);
}

inline std::vector<EventRecord> StoredEvents(const EventLibrary& library) {
    std::vector<EventRecord> events;
    for (uint16_t key : StoredKeys(library)) {
        ReadResult<EventRecord> e = library.ReadEvent(key);
        EXPECT_EQ(e.Code(), LibraryResult::Ok) << "key " << key;
        if (e.Ok()) events.push_back(std::move(e).Value());
    }
    return events;
}

} // namespace zm::testing
