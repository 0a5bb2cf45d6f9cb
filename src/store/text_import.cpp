#include "store/text_import.h"

#include "platform/setting_table.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "store/duplicate_table.h"
#include "store/transfer/file_bytes.h"
#include "store/transfer/import_date.h"
#include "store/transfer/text_encoding.h"
#include "store/transfer/text_field_codec.h"
#include "store/transfer/text_time.h"

#include <algorithm>
#include <chrono>
#include <new>

namespace zm {

LibraryResult LibraryImportTarget::ForEachStored(const StoredVisitor& visit) {
    return library_.ForEachEvent([&](uint16_t key) {
        const ReadResult<EventRecord> stored = library_.ReadEvent(key);
        return stored.Ok() ? visit(stored.Value()) : stored.Code();
    });
}

LibraryResult LibraryImportTarget::Replace(EventRecord& event) {
    if (event.id == 0) {
        const ReadResult<EventRecord> stored = library_.ReadEvent(event.key);
        if (!stored.Ok()) return stored.Code();
        event.id = stored->id;
    }
    return library_.ModifyEvent(event);
}

namespace {

// The events of the batch under way, counted as imported once it is committed.
class ImportBatch {
public:
    ImportBatch(ImportTarget& target, const TextImportOptions& options, TextImportResult& result)
        : target_(target), options_(options), result_(result) {
        target_.BeginBatch();
    }
    ~ImportBatch() { target_.EndBatch(); }

    void Added() { ++added_; }
    void Replaced(int number) { replacedLog_.push_back({number, kReasonDuplicateReplaced}); }
    // Commits when the batch is full or old enough.
    LibraryResult MaybeCommit() {
        const int size = added_ + static_cast<int>(replacedLog_.size());
        if (size < options_.batchEvents &&
            Clock::now() - started_ < std::chrono::milliseconds(options_.batchMilliseconds))
            return LibraryResult::Ok;
        return Commit();
    }
    LibraryResult Commit() {
        const LibraryResult rc = target_.CommitBatch();
        if (rc == LibraryResult::Ok) {
            result_.imported += added_;
            result_.replaced += static_cast<int>(replacedLog_.size());
            for (const ImportLogEntry& e : replacedLog_)
                AddToImportLog(result_.log, result_.unlogged, e, options_.logLimit);
        }
        added_ = 0;
        replacedLog_.clear();
        started_ = Clock::now();
        return rc;
    }

private:
    using Clock = std::chrono::steady_clock;
    ImportTarget& target_;
    const TextImportOptions& options_;
    TextImportResult& result_;
    int added_ = 0;
    ImportLog replacedLog_;
    Clock::time_point started_ = Clock::now();
};

// Lets the caller's event loop go on about every breathMilliseconds of a long import.
class Breather {
public:
    explicit Breather(const TextImportOptions& options) : options_(options) {}
    void Now() {
        if (!options_.breathe || ++records_ % 64 != 0) return;
        const auto now = Clock::now();
        if (now - last_ < std::chrono::milliseconds(options_.breathMilliseconds)) return;
        options_.breathe();
        last_ = Clock::now();
    }

private:
    using Clock = std::chrono::steady_clock;
    const TextImportOptions& options_;
    unsigned records_ = 0;
    Clock::time_point last_ = Clock::now();
};

// Marks a file that could not be read, or whose content cannot be imported (`detailId`).
void FileRefused(TextImportResult& result, int detailId) {
    result.code = LibraryResult::TransferFileFailed;
    result.problem.textId = IDS_IE_CANNOT_READ;
    result.problem.cause = FileCause::HardIO;
    result.problem.detailId = detailId;
}

TextImportResult Import(ByteSource& raw, const TextImportOptions& options, ImportTarget& target,
                        DateTime now) {
    TextImportResult result;
    EncodedTextSource source(raw);
    if (!source.Detect()) {
        FileRefused(result, 0);
        return result;
    }
    if (source.Encoding() == TextEncoding::Unreadable) {
        FileRefused(result, IDS_IE_NOT_TEXT);
        return result;
    }
    // Text read from UTF-16 is UTF-8 whatever the kind's code page.
    TextFieldCodec codec(options.dos && !source.IsUnicode(), options.oemCodePage);
    if (!codec.Available()) {
        result.code = LibraryResult::TransferFileFailed;
        result.problem.missingCodePage = options.oemCodePage;
        return result;
    }

    DuplicateTable table;
    const bool checkDuplicates = options.duplicateMode != DuplicateMode::None;
    if (checkDuplicates) {
        result.code = target.ForEachStored([&](const EventRecord& stored) {
            table.Add(stored.key, stored.ContentSignature());
            return LibraryResult::Ok;
        });
        if (result.code != LibraryResult::Ok) return result;
    }

    ImportBatch batch(target, options, result);
    TextRecordReader reader(source, options.separator);
    std::vector<std::string> fields;
    int trailingEmpty = 0;
    TextRecordReader::Status status;
    Breather breather(options);
    while ((status = reader.Next(fields)) == TextRecordReader::Status::Record) {
        breather.Now();
        const int number = reader.RecordNumber();
        if (options.headerLine && number == 1) continue;
        codec.DecodeRecord(fields, number == 1);

        EventRecord event;
        const int reason = ReadImportRecord(fields, options.rules, now, event);
        trailingEmpty = reason == kReasonEmptyRecord ? trailingEmpty + 1 : 0;
        if (reason != kRecordImported) {
            AddToImportLog(result.log, result.unlogged, {number, reason}, options.logLimit);
            continue;
        }
        ApplyImportRecurrence(event, options.rules.defaults.recurrence);
        ApplyImportReminderState(event, now, options.lookAheadLimit, options.week);

        if (checkDuplicates) {
            const uint32_t match = event.ContentSignature();
            if (options.duplicateMode == DuplicateMode::Skip && table.Contains(match)) {
                AddToImportLog(result.log, result.unlogged, {number, kReasonDuplicateSkipped},
                               options.logLimit);
                continue;
            }
            if (const auto key = options.duplicateMode == DuplicateMode::Replace
                                     ? table.Consume(match)
                                     : std::nullopt) {
                event.key = *key;
                result.code = target.Replace(event);
                if (result.code == LibraryResult::Ok) {
                    batch.Replaced(number);
                    result.code = batch.MaybeCommit();
                }
                if (result.code != LibraryResult::Ok) {
                    result.stoppedAt = number;
                    break;
                }
                continue;
            }
        }
        event.key = 0;
        result.code = target.Add(event);
        if (result.code == LibraryResult::Ok) {
            batch.Added();
            result.code = batch.MaybeCommit();
        }
        if (result.code != LibraryResult::Ok) {
            result.stoppedAt = number;
            break;
        }
    }
    // What was stored before a failure is kept and counted; the first failure is the result.
    if (const LibraryResult committed = batch.Commit(); result.code == LibraryResult::Ok)
        result.code = committed;
    // Replaced records are logged as their batch commits: the log is put in record order.
    TrimImportLog(result.log, result.unlogged, options.logLimit);
    result.records = reader.RecordNumber() - trailingEmpty;
    // Blank lines at the end of the file are not errors. They are the last entries: those the
    // log left out first.
    if (result.code == LibraryResult::Ok) {
        const int leftOut = std::min(result.unlogged, trailingEmpty);
        result.unlogged -= leftOut;
        result.log.resize(result.log.size() - static_cast<size_t>(trailingEmpty - leftOut));
    }
    if (result.code == LibraryResult::Ok && status == TextRecordReader::Status::Failed) {
        FileRefused(result, 0);
    } else if (result.code == LibraryResult::Ok && result.records <= (options.headerLine ? 1 : 0)) {
        // Nothing but a header line or blank lines: no event can have come from the file.
        FileRefused(result, IDS_IE_NO_RECORDS);
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
        result.code = LibraryResult::OutOfMemory;
        return result;
    }
}

int LastImportDateOrder(const Settings& settings) {
    return static_cast<int>(ReadInt(settings, SettingId::ImportDateOrder));
}

int DefaultImportDateOrder(const Settings& settings, const LocaleDescription& locale) {
    if (settings.Read(DefinitionOf(SettingId::ImportDateOrder).key))
        return LastImportDateOrder(settings);
    return TextFieldFormats(locale).DateOrder();
}

TextImportResult ImportTextFile(StoreFileSystem& files, const std::string& path,
                                const TextImportOptions& options, ImportTarget& target,
                                DateTime now, Settings& settings) {
    WriteInt(settings, SettingId::ImportDateOrder, options.rules.dateOrder);
    FileFailure failure;
    const std::unique_ptr<File> file = files.Open(path, FileMode::ReadOnly, failure);
    if (!file) {
        TextImportResult result;
        result.code = LibraryResult::TransferFileFailed;
        result.problem = {IDS_IE_CANNOT_READ, path, CauseOfOpen(failure)};
        return result;
    }
    FileByteSource source(*file);
    TextImportResult result = ImportTextRecords(source, options, target, now);
    if (result.problem.textId != 0) {
        result.problem.path = path;
        if (result.problem.detailId == 0) result.problem.cause = CauseOfResult(source.Failure());
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
    FileFailure failure;
    const std::unique_ptr<File> file = files.Open(path, FileMode::ReadOnly, failure);
    if (!file) {
        problem = {IDS_IE_CANNOT_READ, path, CauseOfOpen(failure)};
        return LibraryResult::TransferFileFailed;
    }
    try {
        FileByteSource Raw(*file);
        EncodedTextSource source(Raw);
        if (!source.Detect()) {
            problem = {IDS_IE_CANNOT_READ, path, CauseOfResult(Raw.Failure())};
            return LibraryResult::TransferFileFailed;
        }
        if (source.Encoding() == TextEncoding::Unreadable) {
            problem = {IDS_IE_CANNOT_READ, path, FileCause::Generic};
            problem.detailId = IDS_IE_NOT_TEXT;
            return LibraryResult::TransferFileFailed;
        }
        TextFieldCodec codec(dos && !source.IsUnicode(), oemCodePage);
        if (!codec.Available()) {
            problem.missingCodePage = oemCodePage;
            return LibraryResult::TransferFileFailed;
        }
        TextRecordReader reader(source, separator);
        std::vector<std::string> fields;
        while (records.size() < 2) {
            const TextRecordReader::Status status = reader.Next(fields);
            if (status == TextRecordReader::Status::End) break;
            if (status == TextRecordReader::Status::Failed) {
                problem = {IDS_IE_CANNOT_READ, path, CauseOfResult(Raw.Failure())};
                return LibraryResult::TransferFileFailed;
            }
            codec.DecodeRecord(fields, records.empty());
            records.push_back(fields);
        }
    } catch (const std::bad_alloc&) {
        return LibraryResult::OutOfMemory;
    }
    return LibraryResult::Ok;
}

bool SampleDateMatches(const std::vector<FieldSample>& samples, const FieldBindings& bindings,
                       int dateOrder) {
    const int pos = bindings.Position(kFieldDate);
    if (pos < 0 || pos >= static_cast<int>(samples.size())) return true;
    const std::string& value = samples[pos].value;
    return value.empty() || ParseImportDate(value, dateOrder).IsValid();
}

} // namespace zm
