#include "store/transfer/text_export.h"

#include "model/describe.h"
#include "res/strings.h"
#include "store/transfer/file_bytes.h"
#include "store/transfer/text_field_codec.h"
#include "store/transfer/text_time.h"

#include <new>

namespace zm {

namespace {

// A file whose flushes wait until FlushNow.
class FlushAtEndFile final : public File {
public:
    explicit FlushAtEndFile(std::unique_ptr<File> inner) : inner_(std::move(inner)) {}
    LibraryResult ReadAt(uint64_t offset, void* data, size_t size) override {
        return inner_->ReadAt(offset, data, size);
    }
    LibraryResult WriteAt(uint64_t offset, const void* data, size_t size) override {
        return inner_->WriteAt(offset, data, size);
    }
    LibraryResult Size(uint64_t& size) override { return inner_->Size(size); }
    LibraryResult Flush() override { return LibraryResult::Ok; }
    LibraryResult Truncate(uint64_t size) override { return inner_->Truncate(size); }
    LibraryResult FlushNow() { return inner_->Flush(); }

private:
    std::unique_ptr<File> inner_;
};

std::vector<std::string> Fields(const EventRecord& event, const TextFieldFormats& formats) {
    return {event.name,
            formats.Date(event.start),
            formats.Time(event.start),
            DescribeAmount(event.duration),
            event.typeName,
            event.notes};
}

LibraryResult WriteRecord(FileByteSink& sink, TextFieldCodec& codec,
                          const std::vector<std::string>& fields, char separator) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i)
        AppendTextField(line, codec.Encode(fields[i]), separator, i + 1 == fields.size());
    return sink.Write(line);
}

TransferResult Export(File& file, const std::vector<uint16_t>& keys, ExportSource& source,
                      const TextExportOptions& options) {
    TransferResult result;
    TextFieldCodec codec(options.dos, options.oemCodePage);
    if (!codec.Available()) {
        result.code = LibraryResult::TransferFileFailed;
        result.problem.missingCodePage = options.oemCodePage;
        return result;
    }
    const TextFieldFormats formats(options.locale);
    FileByteSink sink(file);
    const std::vector<std::string> header = {
        LoadString(IDS_IE_FIELD_NAME), LoadString(IDS_IE_FIELD_DATE),
        LoadString(IDS_IE_FIELD_TIME), LoadString(IDS_IE_FIELD_DURATION),
        LoadString(IDS_IE_FIELD_TYPE), LoadString(IDS_IE_FIELD_NOTES)};
    LibraryResult written = WriteRecord(sink, codec, header, options.separator);
    for (size_t i = 0; i < keys.size() && written == LibraryResult::Ok; ++i) {
        const ReadResult<EventRecord> event = source.Read(keys[i]);
        if (!event.Ok()) {
            // What was exported so far still reaches the file; the failed read is what is
            // reported.
            static_cast<void>(sink.Finish());
            result.code = event.Code();
            return result;
        }
        written = WriteRecord(sink, codec, Fields(event.Value(), formats), options.separator);
        if (written == LibraryResult::Ok) ++result.events;
    }
    if (written == LibraryResult::Ok) written = sink.Finish();
    if (written != LibraryResult::Ok) {
        result.code = LibraryResult::TransferFileFailed;
        result.problem.textId = IDS_IE_CANNOT_WRITE;
        result.problem.cause = CauseOfResult(written);
    }
    return result;
}

} // namespace

std::vector<std::string> ExportFields(const EventRecord& event, const LocaleDescription& locale) {
    return Fields(event, TextFieldFormats(locale));
}

TransferResult ExportTextTo(File& file, const std::vector<uint16_t>& keys, ExportSource& source,
                            const TextExportOptions& options) {
    try {
        return Export(file, keys, source, options);
    } catch (const std::bad_alloc&) {
        TransferResult result;
        result.code = LibraryResult::OutOfMemory;
        return result;
    }
}

TransferResult ExportTextFile(StoreFileSystem& files, const std::string& path,
                              const std::vector<uint16_t>& keys, ExportSource& source,
                              const TextExportOptions& options) {
    FileFailure failure;
    const std::unique_ptr<File> file = files.Open(path, FileMode::Create, failure);
    if (!file) {
        TransferResult result;
        result.code = LibraryResult::TransferFileFailed;
        result.problem = {IDS_IE_CANNOT_WRITE, path, CauseOfOpen(failure)};
        return result;
    }
    TransferResult result = ExportTextTo(*file, keys, source, options);
    if (result.problem.textId != 0) result.problem.path = path;
    return result;
}

TransferResult ExportEventsTo(EventLibrary& target, const std::vector<uint16_t>& keys,
                              ExportSource& source) {
    TransferResult result;
    try {
        for (uint16_t key : keys) {
            ReadResult<EventRecord> read = source.Read(key);
            if ((result.code = read.Code()) != LibraryResult::Ok) break;
            EventRecord event = std::move(read).Value();
            event.key = 0;
            if ((result.code = target.AddEvent(event)) != LibraryResult::Ok) break;
            ++result.events;
        }
    } catch (const std::bad_alloc&) {
        result.code = LibraryResult::OutOfMemory;
    }
    return result;
}

TransferResult ExportEventFile(StoreFileSystem& files, const std::string& path,
                               const std::vector<uint16_t>& keys, ExportSource& source) {
    TransferResult result;
    FileFailure failure;
    std::unique_ptr<File> opened = files.Open(path, FileMode::Create, failure);
    if (!opened) {
        result.code = LibraryResult::TransferFileFailed;
        result.problem = {IDS_IE_CANNOT_WRITE, path, CauseOfOpen(failure)};
        return result;
    }
    // The new file is nobody's master copy until the export is done: one flush at the end
    // serves as well as one per event, and takes a fraction of the time.
    auto file = std::make_unique<FlushAtEndFile>(std::move(opened));
    FlushAtEndFile& flusher = *file;
    EventLibrary target;
    result.code = target.CreateFile(std::move(file));
    if (result.code != LibraryResult::Ok) {
        result.problem = {IDS_IE_CANNOT_WRITE, path, CauseOfResult(result.code)};
        result.code = LibraryResult::TransferFileFailed;
        return result;
    }
    result = ExportEventsTo(target, keys, source);
    if (const LibraryResult flushed = flusher.FlushNow(); result.code == LibraryResult::Ok)
        result.code = flushed;
    target.Close();
    return result;
}

} // namespace zm
