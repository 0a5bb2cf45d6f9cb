#pragma once
// Exporting events to a comma- or tab-separated text file, and to an event file.
//
// A text export writes the header record "Name", "Date", "Time", "Duration", "Type", "Notes"
// and then one record per event, in the order given: the name, the date and time of Start in
// the locale's compact formats (with a four-digit year, text_time.h), the duration as text
// ("30 minutes"), the type name and the notes.

#include "format/locale_description.h"
#include "model/event_record.h"
#include "store/io/file.h"
#include "store/io/library_result.h"
#include "store/io/store_file_system.h"
#include "store/library/event_library.h"
#include "store/transfer/text_records.h"
#include "store/transfer/transfer_problem.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zm {

// Where exported events come from: the event store, or a library alone.
class ExportSource {
public:
    virtual ~ExportSource() = default;
    // The stored event of a key.
    virtual ReadResult<EventRecord> Read(uint16_t key) = 0;
};

class LibraryExportSource final : public ExportSource {
public:
    explicit LibraryExportSource(const EventLibrary& library) : library_(library) {}
    ReadResult<EventRecord> Read(uint16_t key) override { return library_.ReadEvent(key); }

private:
    const EventLibrary& library_;
};

struct TextExportOptions {
    char separator = kCommaSeparator;
    bool dos = false;      // the file is written in the DOS code page
    int oemCodePage = 437; // that code page
    LocaleDescription locale;
};

struct TransferResult {
    LibraryResult code = LibraryResult::Ok;
    int events = 0;          // events written
    TransferProblem problem; // set with TransferFileFailed: the file could not be written
};

// The record of one event as the export writes it (before the code page and the quoting).
std::vector<std::string> ExportFields(const EventRecord& event, const LocaleDescription& locale);

// Writes the header and the events of `keys` into an empty file.
TransferResult ExportTextTo(File& file, const std::vector<uint16_t>& keys, ExportSource& source,
                            const TextExportOptions& options);

// Creates the file (replacing it, held exclusively while it is written) and exports into it.
TransferResult ExportTextFile(StoreFileSystem& files, const std::string& path,
                              const std::vector<uint16_t>& keys, ExportSource& source,
                              const TextExportOptions& options);

// Creates a new event library at `path` and adds the events of `keys` to it; the events keep
// their ids.
TransferResult ExportEventFile(StoreFileSystem& files, const std::string& path,
                               const std::vector<uint16_t>& keys, ExportSource& source);
// The same into a library the caller has created (a file in memory for the tests).
TransferResult ExportEventsTo(EventLibrary& target, const std::vector<uint16_t>& keys,
                              ExportSource& source);

} // namespace zm
