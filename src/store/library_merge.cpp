// Merging another library file into the open one: the events of every known version, the
// duplicate check, and the quick reminders that old files hold.

#include "store/io/byte_order.h"
#include "store/duplicate_table.h"
#include "store/event_store.h"
#include "store/library/library_format.h"
#include "store/library/library_walk.h"
#include "store/library/old_library_layouts.h"
#include "store/store_messages.h"

#include <array>
#include <new>

namespace zm {

LibraryResult EventStore::mergeLibraryFile(const std::string& path, bool reloadAfter,
                                           DuplicateMode mode) {
    BusyScope busy(*this);
    // Replaced events are told one by one (their old keys are gone), the rest with one reset.
    BulkChangeScope bulk(*this, ResetCause::Merged);
    mergeCounts_ = MergeCounts{};
    FileFailure why;
    std::unique_ptr<File> file = files_->open(path, FileMode::ReadOnly, why);
    if (!file) {
        showFileError(reportFileError(why, path));
        return lr::kOpenFailed;
    }
    uint32_t version = 0;
    LibraryResult rc = ReadLibraryVersion(*file, version);
    if (rc != lr::kOk) return rc;

    DuplicateTable table;
    if (mode != DuplicateMode::None && library_.countEvents() > 0) {
        rc = buildDuplicateTable(table, version == libfmt::kVersionCurrent);
        if (rc != lr::kOk) return rc;
    }

    EventLibrary other;
    other.setTypeLookup(typeLookup_);
    rc = other.openFile(std::move(file), false, true);
    if (rc != lr::kOk) return rc;

    std::vector<OldQuickReminder> quick;
    switch (FamilyOf(version)) {
    case VersionFamily::Current:
    case VersionFamily::SameLayout: {
        const bool keepIds = version == libfmt::kVersionCurrent;
        rc = other.forEachEvent([&](uint16_t key) {
            EventRecord event = EventRecord::ForKey(key);
            const LibraryResult read = other.readEvent(event);
            if (read != lr::kOk) return read;
            // Ids of these versions were not kept unique: the event is matched by its content
            // and gets a new id.
            if (!keepIds) event.Id = 0;
            return mergeEvent(event, mode, table);
        });
        break;
    }
    case VersionFamily::OldEvents: {
        // Index entry 0 names the chain of the quick reminders; it is never an event, whatever
        // the index says about its first block.
        const int quickChain = other.index().entry(0) & BlockIndex::kLinkMask;
        rc = other.forEachEvent([&](uint16_t key) {
            if (key == quickChain) return lr::kOk;
            MemoryStream bytes;
            const LibraryResult read = other.readChain(key, bytes);
            if (read != lr::kOk) return read;
            EventRecord event;
            if (!ReadOldLayoutEvent(bytes, version, event)) return lr::kCorrupted;
            return mergeEvent(event, mode, table);
        });
        if (rc == lr::kOk && quickChain != 0) {
            MemoryStream bytes;
            if (other.readChain(quickChain, bytes) == lr::kOk) quick = ReadOldQuickRecord(bytes);
        }
        break;
    }
    case VersionFamily::First:
        rc = mergeFirstFormat(other, mode, table, quick);
        break;
    case VersionFamily::Unknown:
        rc = lr::kUnknownVersion;
        break;
    }
    other.close();
    if (rc != lr::kOk) return rc;
    if (reloadAfter) return reloadPending();
    takeOverQuickReminders(std::move(quick));
    return lr::kOk;
}

LibraryResult EventStore::buildDuplicateTable(DuplicateTable& table, bool byId) const {
    try {
        return ReadEachEvent(library_, typeLookup_, [&](EventRecord& event) {
            table.add(event.Key, byId ? event.Id : event.ContentSignature());
            return lr::kOk;
        });
    } catch (const std::bad_alloc&) {
        return lr::kOutOfMemory;
    }
}

LibraryResult EventStore::mergeEvent(EventRecord& event, DuplicateMode mode,
                                     DuplicateTable& table) {
    if (!table.empty()) {
        const uint32_t matchKey = event.Id != 0 ? event.Id : event.ContentSignature();
        if (mode == DuplicateMode::Skip && table.contains(matchKey)) {
            ++mergeCounts_.skipped;
            return lr::kOk;
        }
        if (mode == DuplicateMode::Replace) {
            if (const std::optional<uint16_t> key = table.consume(matchKey)) {
                event.Key = *key;
                const LibraryResult rc = storeReplaced(event);
                if (rc == lr::kOk) ++mergeCounts_.replaced;
                return rc;
            }
        }
    }
    event.Key = 0;
    // Texts read from a file written on Windows grow when they are kept as UTF-8; an event
    // that no longer fits a chain is shortened rather than stopping the merge.
    FitEventToChain(event);
    const LibraryResult rc = library_.addEvent(event);
    if (rc != lr::kOk) return rc;
    ++mergeCounts_.added;
    notify(StoreChange::Of(StoreChangeKind::Added, 0, event.Key, event));
    return lr::kOk;
}

LibraryResult EventStore::mergeFirstFormat(const EventLibrary& other, DuplicateMode mode,
                                           DuplicateTable& table,
                                           std::vector<OldQuickReminder>& quick) {
    uint64_t size = 0;
    LibraryResult rc = other.fileSize(size);
    if (rc != lr::kOk) return rc;
    if (size < oldfmt::kQuickTableAt + oldfmt::kQuickTableSize) return lr::kCorrupted;
    std::array<unsigned char, oldfmt::kBitmapSize> bitmap{};
    rc = other.readBytes(oldfmt::kBitmapAt, bitmap.data(), bitmap.size());
    if (rc != lr::kOk) return rc;
    std::array<unsigned char, oldfmt::kFirstFormatBlockSize> block{};
    for (int n = 1; n < oldfmt::kFirstFormatBlocks; ++n) {
        const uint32_t word = GetLe32(bitmap.data() + 4 * (n / 32));
        if ((word & (1u << (n % 32))) == 0) continue;
        const uint64_t at = oldfmt::FirstFormatBlockOffset(n);
        // A block marked in use that the file does not hold.
        if (at + block.size() > size) return lr::kCorrupted;
        rc = other.readBytes(at, block.data(), block.size());
        if (rc != lr::kOk) return rc;
        if (!IsFirstFormatEvent(block.data())) continue;
        EventRecord event = ReadFirstFormatEvent(block.data());
        rc = mergeEvent(event, mode, table);
        if (rc != lr::kOk) return rc;
    }
    std::array<unsigned char, oldfmt::kQuickTableSize> quickTable{};
    if (other.readBytes(oldfmt::kQuickTableAt, quickTable.data(), quickTable.size()) == lr::kOk)
        quick = ReadFirstFormatQuickTable(quickTable.data());
    return lr::kOk;
}

void EventStore::takeOverQuickReminders(std::vector<OldQuickReminder> quick) {
    // A menu item needs a text: entries without a menu name cannot be offered.
    std::erase_if(quick, [](const OldQuickReminder& q) { return q.menuName.empty(); });
    if (quick.empty() || !quickTakeOver_) return;
    quickTakeOver_->takeOver(quick);
}

} // namespace zm
