#include "store/text_import.h"

#include "platform/setting_table.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "store/duplicate_table.h"
#include "store/transfer/file_bytes.h"
#include "store/transfer/import_date.h"
#include "store/transfer/text_field_codec.h"

#include <new>

namespace zm {

LibraryResult LibraryImportTarget::forEachStored(const StoredVisitor& visit) {
    return library_.forEachEvent([&](uint16_t key) {
        EventRecord stored = EventRecord::ForKey(key);
        if (const LibraryResult r = library_.readEvent(stored); r != lr::kOk) return r;
        return visit(stored);
    });
}

LibraryResult LibraryImportTarget::replace(EventRecord& event) {
    if (event.Id == 0) {
        EventRecord stored = EventRecord::ForKey(event.Key);
        if (const LibraryResult r = library_.readEvent(stored); r != lr::kOk) return r;
        event.Id = stored.Id;
    }
    return library_.modifyEvent(event);
}

namespace {

TextImportResult Import(ByteSource& source, const TextImportOptions& options, ImportTarget& target,
                        DateTime now) {
    TextImportResult result;
    TextFieldCodec codec(options.dos, options.oemCodePage);
    if (!codec.available()) {
        result.code = lr::kTransferFileFailed;
        result.problem.missingCodePage = options.oemCodePage;
        return result;
    }

    DuplicateTable table;
    const bool checkDuplicates = options.duplicateMode != DuplicateMode::None;
    if (checkDuplicates) {
        result.code = target.forEachStored([&](const EventRecord& stored) {
            table.add(stored.Key, stored.ContentSignature());
            return lr::kOk;
        });
        if (result.code != lr::kOk) return result;
    }

    TextRecordReader reader(source, options.separator);
    std::vector<std::string> fields;
    int trailingEmpty = 0;
    TextRecordReader::Status status;
    while ((status = reader.next(fields)) == TextRecordReader::Status::Record) {
        const int number = reader.recordNumber();
        if (options.headerLine && number == 1) continue;
        codec.decodeRecord(fields, number == 1);

        EventRecord event;
        const int reason = ReadImportRecord(fields, options.rules, now, event);
        trailingEmpty = reason == kReasonEmptyRecord ? trailingEmpty + 1 : 0;
        if (reason != kRecordImported) {
            result.log.push_back({number, reason});
            continue;
        }
        ApplyImportRecurrence(event, options.rules.defaults.recurrence);
        ApplyImportReminderState(event, now, options.lookAheadLimit, options.week);

        if (checkDuplicates) {
            const uint32_t match = event.ContentSignature();
            if (options.duplicateMode == DuplicateMode::Skip && table.contains(match)) {
                result.log.push_back({number, kReasonDuplicateSkipped});
                continue;
            }
            if (const auto key = options.duplicateMode == DuplicateMode::Replace
                                     ? table.consume(match)
                                     : std::nullopt) {
                event.Key = *key;
                result.code = target.replace(event);
                if (result.code != lr::kOk) break;
                result.log.push_back({number, kReasonDuplicateReplaced});
                ++result.replaced;
                continue;
            }
        }
        event.Key = 0;
        result.code = target.add(event);
        if (result.code != lr::kOk) break;
        ++result.imported;
    }
    result.records = reader.recordNumber() - trailingEmpty;
    // Blank lines at the end of the file are not errors.
    if (result.code == lr::kOk)
        result.log.resize(result.log.size() - static_cast<size_t>(trailingEmpty));
    if (result.code == lr::kOk && status == TextRecordReader::Status::Failed) {
        result.code = lr::kTransferFileFailed;
        result.problem.textId = IDS_IE_CANNOT_READ;
        result.problem.cause = FileCause::HardIO;
    }
    return result;
}

} // namespace

TextImportResult ImportTextRecords(ByteSource& source, const TextImportOptions& options,
                                   ImportTarget& target, DateTime now) {
    try {
        return Import(source, options, target, now);
    } catch (const std::bad_alloc&) {
        TextImportResult result;
        result.code = lr::kOutOfMemory;
        return result;
    }
}

int LastImportDateOrder(const Settings& settings) {
    return static_cast<int>(ReadInt(settings, SettingId::ImportDateOrder));
}

TextImportResult ImportTextFile(StoreFileSystem& files, const std::string& path,
                                const TextImportOptions& options, ImportTarget& target,
                                DateTime now, Settings& settings) {
    WriteInt(settings, SettingId::ImportDateOrder, options.rules.dateOrder);
    FileFailure failure;
    const std::unique_ptr<File> file = files.open(path, FileMode::ReadOnly, failure);
    if (!file) {
        TextImportResult result;
        result.code = lr::kTransferFileFailed;
        result.problem = {IDS_IE_CANNOT_READ, path, CauseOfOpen(failure)};
        return result;
    }
    FileByteSource source(*file);
    TextImportResult result = ImportTextRecords(source, options, target, now);
    if (result.problem.textId != 0) {
        result.problem.path = path;
        result.problem.cause = CauseOfResult(source.failure());
    }
    return result;
}

std::vector<FieldSample> FieldSamples(const std::vector<std::string>& first,
                                      const std::vector<std::string>* second, bool headerLine) {
    std::vector<FieldSample> rows;
    for (size_t i = 0; i < first.size(); ++i) {
        FieldSample row;
        if (headerLine) {
            row.name = first[i];
            if (second && i < second->size()) row.value = (*second)[i];
        } else {
            row.name = FormatText(IDS_IE_FIELD_N, {static_cast<int>(i)});
            row.value = first[i];
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

LibraryResult ReadSampleRecords(StoreFileSystem& files, const std::string& path, char separator,
                                bool dos, int oemCodePage,
                                std::vector<std::vector<std::string>>& records,
                                TransferProblem& problem) {
    records.clear();
    problem = {};
    TextFieldCodec codec(dos, oemCodePage);
    if (!codec.available()) {
        problem.missingCodePage = oemCodePage;
        return lr::kTransferFileFailed;
    }
    FileFailure failure;
    const std::unique_ptr<File> file = files.open(path, FileMode::ReadOnly, failure);
    if (!file) {
        problem = {IDS_IE_CANNOT_READ, path, CauseOfOpen(failure)};
        return lr::kTransferFileFailed;
    }
    try {
        FileByteSource source(*file);
        TextRecordReader reader(source, separator);
        std::vector<std::string> fields;
        while (records.size() < 2) {
            const TextRecordReader::Status status = reader.next(fields);
            if (status == TextRecordReader::Status::End) break;
            if (status == TextRecordReader::Status::Failed) {
                problem = {IDS_IE_CANNOT_READ, path, CauseOfResult(source.failure())};
                return lr::kTransferFileFailed;
            }
            codec.decodeRecord(fields, records.empty());
            records.push_back(fields);
        }
    } catch (const std::bad_alloc&) {
        return lr::kOutOfMemory;
    }
    return lr::kOk;
}

bool SampleDateMatches(const std::vector<FieldSample>& samples, const FieldBindings& bindings,
                       int dateOrder) {
    const int pos = bindings.position(kFieldDate);
    if (pos < 0 || pos >= static_cast<int>(samples.size())) return true;
    const std::string& value = samples[pos].value;
    return value.empty() || ParseImportDate(value, dateOrder).IsValid();
}

} // namespace zm
