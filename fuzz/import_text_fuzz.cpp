// Arbitrary bytes as a text file to import, in each of the four text kinds: the import must not
// crash, must leave only readable events behind, and must account for every record it read
// (those of the text as the import decodes it: a file with a UTF-16 byte order mark is read as
// UTF-8). What the reader makes of the bytes must also survive being written and read again.

#include "store/io/memory_file.h"
#include "store/library/event_library.h"
#include "store/text_import.h"
#include "store/transfer/text_encoding.h"
#include "store/transfer/text_records.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace zm;

using Records = std::vector<std::vector<std::string>>;

Records ReadAll(ByteSource& source, char sep) {
    TextRecordReader reader(source, sep);
    Records records;
    std::vector<std::string> fields;
    while (reader.Next(fields) == TextRecordReader::Status::Record)
        records.push_back(fields);
    return records;
}

Records ReadAll(std::string_view bytes, char sep) {
    StringByteSource source(bytes);
    return ReadAll(source, sep);
}

// The records as the import reads them.
Records ReadDecoded(std::string_view bytes, char sep) {
    StringByteSource raw(bytes);
    EncodedTextSource source(raw);
    if (!source.Detect()) return {};
    return ReadAll(source, sep);
}

void Check(bool ok) {
    if (!ok) std::abort();
}

// Events kept in memory, for the runs that need no library file: every event must fit one
// stored chain.
class VectorTarget final : public ImportTarget {
public:
    LibraryResult ForEachStored(const StoredVisitor& visit) override {
        for (const EventRecord& e : events)
            if (const LibraryResult r = visit(e); r != LibraryResult::Ok) return r;
        return LibraryResult::Ok;
    }
    LibraryResult Add(EventRecord& event) override {
        Check(event.StoredSize() <= kMaxStoredEventSize);
        event.key = static_cast<uint16_t>(events.size() + 1);
        events.push_back(event);
        return LibraryResult::Ok;
    }
    LibraryResult Replace(EventRecord& event) override {
        Check(event.key >= 1 && event.key <= events.size());
        Check(event.StoredSize() <= kMaxStoredEventSize);
        events[event.key - 1] = event;
        return LibraryResult::Ok;
    }
    std::vector<EventRecord> events;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const uint8_t choice = data[0];
    const uint8_t more = data[1];
    const std::string_view file(reinterpret_cast<const char*>(data + 2), size - 2);

    const char sep = (choice & 1) ? '\t' : ',';
    const auto records = ReadAll(file, sep);
    std::string rewritten;
    for (const auto& r : records)
        rewritten += TextRecordLine(r, sep);
    Check(ReadAll(rewritten, sep) == records);
    const Records decoded = ReadDecoded(file, sep);

    TextImportOptions o;
    o.separator = sep;
    o.dos = (choice & 2) != 0;
    static const int kPages[] = {437, 850, 866, 720, 932, 1258, 737, 862};
    o.oemCodePage = kPages[(choice >> 2) & 7];
    o.headerLine = (choice & 0x20) != 0;
    o.rules.dateOrder = more % 3;
    o.duplicateMode = static_cast<DuplicateMode>((more >> 2) % 3);
    o.rules.defaults.recurrence = (more & 0x10) ? 0x100u << ((more >> 5) & 3) : 0;
    if (more & 0x80)
        o.rules.bindings = FieldBindings::ForFieldCount(decoded.empty() ? 0 : decoded[0].size());

    // A library file for some inputs; its index scans would slow every run down.
    const bool onFile = (choice & 0x40) != 0;
    EventLibrary library;
    if (onFile && library.CreateFile(std::make_unique<MemoryFile>()) != LibraryResult::Ok) return 0;
    LibraryImportTarget fileTarget(library);
    VectorTarget memoryTarget;
    ImportTarget& target = onFile ? static_cast<ImportTarget&>(fileTarget) : memoryTarget;
    const DateTime now = DateTime::FromParts(2024, 3, 5, 10, 0, 0);
    for (int run = 0; run < 2; ++run) {
        StringByteSource source(file);
        const TextImportResult r = ImportTextRecords(source, o, target, now);
        if (r.code != LibraryResult::Ok) continue;
        Check(r.records <= static_cast<int>(decoded.size()));
        Check(r.imported + static_cast<int>(r.log.size()) <= r.records);
        int last = 0;
        for (const ImportLogEntry& e : r.log) {
            Check(e.record > last && e.record <= r.records);
            last = e.record;
        }
    }
    if (onFile)
        Check(library.ForEachEvent([&](uint16_t key) { return library.ReadEvent(key).Code(); }) ==
              LibraryResult::Ok);
    return 0;
}
