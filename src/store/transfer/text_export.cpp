#include "store/transfer/text_export.h"

#include "model/describe.h"
#include "res/strings.h"
#include "store/transfer/file_bytes.h"
#include "store/transfer/text_field_codec.h"
#include "store/transfer/text_time.h"

#include <new>

namespace zm {

namespace {

// A file whose flushes wait until flushNow.
class FlushAtEndFile final : public File {
public:
    explicit FlushAtEndFile(std::unique_ptr<File> inner) : inner_(std::move(inner)) {}
    LibraryResult readAt(uint64_t offset, void* data, size_t size) override {
        return inner_->readAt(offset, data, size);
    }
    LibraryResult writeAt(uint64_t offset, const void* data, size_t size) override {
        return inner_->writeAt(offset, data, size);
    }
    LibraryResult size(uint64_t& size) override { return inner_->size(size); }
    LibraryResult flush() override { return lr::kOk; }
    LibraryResult flushNow() { return inner_->flush(); }

private:
    std::unique_ptr<File> inner_;
};

std::vector<std::string> Fields(const EventRecord& event, const TextFieldFormats& formats) {
    return {event.Name,
            formats.date(event.Start),
            formats.time(event.Start),
            DescribeAmount(event.Duration),
            event.TypeName,
            event.Notes};
}

LibraryResult WriteRecord(FileByteSink& sink, TextFieldCodec& codec,
                          const std::vector<std::string>& fields, char separator) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i)
        AppendTextField(line, codec.encode(fields[i]), separator, i + 1 == fields.size());
    return sink.write(line);
}

TransferResult Export(File& file, const std::vector<uint16_t>& keys, ExportSource& source,
                      const TextExportOptions& options) {
    TransferResult result;
    TextFieldCodec codec(options.dos, options.oemCodePage);
    if (!codec.available()) {
        result.code = lr::kTransferFileFailed;
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
    for (size_t i = 0; i < keys.size() && written == lr::kOk; ++i) {
        EventRecord event = EventRecord::ForKey(keys[i]);
        if (const LibraryResult r = source.read(event); r != lr::kOk) {
            // What was exported so far still reaches the file.
            sink.finish();
            result.code = r;
            return result;
        }
        written = WriteRecord(sink, codec, Fields(event, formats), options.separator);
        if (written == lr::kOk) ++result.events;
    }
    if (written == lr::kOk) written = sink.finish();
    if (written != lr::kOk) {
        result.code = lr::kTransferFileFailed;
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
        result.code = lr::kOutOfMemory;
        return result;
    }
}

TransferResult ExportTextFile(StoreFileSystem& files, const std::string& path,
                              const std::vector<uint16_t>& keys, ExportSource& source,
                              const TextExportOptions& options) {
    FileFailure failure;
    const std::unique_ptr<File> file = files.open(path, FileMode::Create, failure);
    if (!file) {
        TransferResult result;
        result.code = lr::kTransferFileFailed;
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
            EventRecord event = EventRecord::ForKey(key);
            if ((result.code = source.read(event)) != lr::kOk) break;
            event.Key = 0;
            if ((result.code = target.addEvent(event)) != lr::kOk) break;
            ++result.events;
        }
    } catch (const std::bad_alloc&) {
        result.code = lr::kOutOfMemory;
    }
    return result;
}

TransferResult ExportEventFile(StoreFileSystem& files, const std::string& path,
                               const std::vector<uint16_t>& keys, ExportSource& source) {
    TransferResult result;
    FileFailure failure;
    std::unique_ptr<File> opened = files.open(path, FileMode::Create, failure);
    if (!opened) {
        result.code = lr::kTransferFileFailed;
        result.problem = {IDS_IE_CANNOT_WRITE, path, CauseOfOpen(failure)};
        return result;
    }
    // The new file is nobody's master copy until the export is done: one flush at the end
    // serves as well as one per event, and takes a fraction of the time.
    auto file = std::make_unique<FlushAtEndFile>(std::move(opened));
    FlushAtEndFile& flusher = *file;
    EventLibrary target;
    result.code = target.createFile(std::move(file));
    if (result.code != lr::kOk) {
        result.problem = {IDS_IE_CANNOT_WRITE, path, CauseOfResult(result.code)};
        result.code = lr::kTransferFileFailed;
        return result;
    }
    result = ExportEventsTo(target, keys, source);
    if (const LibraryResult flushed = flusher.flushNow(); result.code == lr::kOk)
        result.code = flushed;
    target.close();
    return result;
}

} // namespace zm
