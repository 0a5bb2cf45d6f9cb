// Merging another library file into the open one: the events of every known version, the
// duplicate check, and the quick reminders that old files hold.

#include "platform/byte_order.h"
#include "store/duplicate_table.h"
#include "store/event_store.h"
#include "store/library/library_format.h"
#include "store/library/library_walk.h"
#include "store/library/old_library_layouts.h"
#include "store/store_messages.h"

#include <array>
#include <new>

namespace zm {

LibraryResult EventStore::MergeLibraryFile(const std::string& path, bool reloadAfter,
                                           DuplicateMode mode) {
    BusyScope busy(*this);
    // Replaced events are told one by one (their old keys are gone), the rest with one reset.
    BulkChangeScope bulk(*this, ResetCause::Merged);
    mergeCounts_ = MergeCounts{};
    FileFailure why;
    std::unique_ptr<File> file = files_->Open(path, FileMode::ReadOnly, why);
    if (!file) {
        ShowFileError(ReportFileError(why, path));
        return LibraryResult::OpenFailed;
    }
    uint32_t version = 0;
    LibraryResult rc = ReadLibraryVersion(*file, version);
    if (rc != LibraryResult::Ok) return rc;

    DuplicateTable table;
    if (mode != DuplicateMode::None && library_.CountEvents() > 0) {
        rc = BuildDuplicateTable(table, version == libfmt::kVersionCurrent);
        if (rc != LibraryResult::Ok) return rc;
    }

    EventLibrary other;
    other.SetTypeLookup(typeLookup_);
    rc = other.OpenFile(std::move(file), false, true);
    if (rc != LibraryResult::Ok) return rc;

    std::vector<OldQuickReminder> quick;
    switch (FamilyOf(version)) {
    case VersionFamily::Current:
    case VersionFamily::SameLayout: {
        const bool keepIds = version == libfmt::kVersionCurrent;
        rc = other.ForEachEvent([&](uint16_t key) {
            ReadResult<EventRecord> read = other.ReadEvent(key);
            if (!read.Ok()) return read.Code();
            EventRecord event = std::move(read).Value();
            // Ids of these versions were not kept unique: the event is matched by its content
            // and gets a new id.
            if (!keepIds) event.id = 0;
            return MergeEvent(event, mode, table);
        });
        break;
    }
    case VersionFamily::OldEvents: {
        // Index entry 0 names the chain of the quick reminders; it is never an event, whatever
        // the index says about its first block.
        const int quickChain = other.Index().Entry(0) & BlockIndex::kLinkMask;
        rc = other.ForEachEvent([&](uint16_t key) {
            if (key == quickChain) return LibraryResult::Ok;
            MemoryStream bytes;
            const LibraryResult read = other.ReadChain(key, bytes);
            if (read != LibraryResult::Ok) return read;
            EventRecord event;
            if (!ReadOldLayoutEvent(bytes, version, event)) return LibraryResult::Corrupted;
            return MergeEvent(event, mode, table);
        });
        if (rc == LibraryResult::Ok && quickChain != 0) {
            MemoryStream bytes;
            if (other.ReadChain(quickChain, bytes) == LibraryResult::Ok)
                quick = ReadOldQuickRecord(bytes);
        }
        break;
    }
    case VersionFamily::First:
        rc = MergeFirstFormat(other, mode, table, quick);
        break;
    case VersionFamily::Unknown:
        rc = LibraryResult::UnknownVersion;
        break;
    }
    other.Close();
    if (rc != LibraryResult::Ok) return rc;
    if (reloadAfter) return ReloadPending();
    TakeOverQuickReminders(std::move(quick));
    return LibraryResult::Ok;
}

LibraryResult EventStore::BuildDuplicateTable(DuplicateTable& table, bool byId) const {
    try {
        return ReadEachEvent(library_, typeLookup_, [&](EventRecord& event) {
            table.Add(event.key, byId ? event.id : event.ContentSignature());
            return LibraryResult::Ok;
        });
    } catch (const std::bad_alloc&) {
        return LibraryResult::OutOfMemory;
    }
}

LibraryResult EventStore::MergeEvent(EventRecord& event, DuplicateMode mode,
                                     DuplicateTable& table) {
    std::optional<uint16_t> replaces;
    if (!table.Empty()) {
        const uint32_t matchKey = event.id != 0 ? event.id : event.ContentSignature();
        if (mode == DuplicateMode::Skip && table.Contains(matchKey)) {
            ++mergeCounts_.skipped;
            return LibraryResult::Ok;
        }
        if (mode == DuplicateMode::Replace) replaces = table.Consume(matchKey);
    }
    // Texts read from a file written on Windows grow when they are kept as UTF-8; an event
    // that no longer fits a chain is shortened rather than stopping the merge, and the counts
    // say so.
    const bool shortened = FitEventToChain(event);
    LibraryResult rc;
    if (replaces) {
        event.key = *replaces;
        rc = StoreReplaced(event);
        if (rc != LibraryResult::Ok) return rc;
        ++mergeCounts_.replaced;
    } else {
        event.key = 0;
        rc = library_.AddEvent(event);
        if (rc != LibraryResult::Ok) return rc;
        ++mergeCounts_.added;
        Notify(StoreChange::Of(StoreChangeKind::Added, 0, event.key, event));
    }
    if (shortened) {
        ++mergeCounts_.shortened;
        mergeCounts_.shortenedKeys.push_back(event.key);
    }
    return LibraryResult::Ok;
}

LibraryResult EventStore::MergeFirstFormat(const EventLibrary& other, DuplicateMode mode,
                                           DuplicateTable& table,
                                           std::vector<OldQuickReminder>& quick) {
    uint64_t size = 0;
    LibraryResult rc = other.FileSize(size);
    if (rc != LibraryResult::Ok) return rc;
    if (size < oldfmt::kQuickTableAt + oldfmt::kQuickTableSize) return LibraryResult::Corrupted;
    std::array<unsigned char, oldfmt::kBitmapSize> bitmap{};
    rc = other.ReadBytes(oldfmt::kBitmapAt, bitmap.data(), bitmap.size());
    if (rc != LibraryResult::Ok) return rc;
    std::array<unsigned char, oldfmt::kFirstFormatBlockSize> block{};
    for (int n = 1; n < oldfmt::kFirstFormatBlocks; ++n) {
        const uint32_t word = GetLe32(bitmap.data() + 4 * (n / 32));
        if ((word & (1u << (n % 32))) == 0) continue;
        const uint64_t at = oldfmt::FirstFormatBlockOffset(n);
        // A block marked in use that the file does not hold.
        if (at + block.size() > size) return LibraryResult::Corrupted;
        rc = other.ReadBytes(at, block.data(), block.size());
        if (rc != LibraryResult::Ok) return rc;
        if (!IsFirstFormatEvent(block.data())) continue;
        EventRecord event = ReadFirstFormatEvent(block.data());
        rc = MergeEvent(event, mode, table);
        if (rc != LibraryResult::Ok) return rc;
    }
    std::array<unsigned char, oldfmt::kQuickTableSize> quickTable{};
    if (other.ReadBytes(oldfmt::kQuickTableAt, quickTable.data(), quickTable.size()) ==
        LibraryResult::Ok)
        quick = ReadFirstFormatQuickTable(quickTable.data());
    return LibraryResult::Ok;
}

void EventStore::TakeOverQuickReminders(std::vector<OldQuickReminder> quick) {
    // A menu item needs a text: entries without a menu name cannot be offered.
    std::erase_if(quick, [](const OldQuickReminder& q) { return q.menuName.empty(); });
    if (quick.empty() || !quickTakeOver_) return;
    quickTakeOver_->TakeOver(quick);
}

} // namespace zm
