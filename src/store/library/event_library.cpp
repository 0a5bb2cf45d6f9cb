#include "store/library/event_library.h"

#include "platform/byte_order.h"
#include "platform/clock.h"
#include "store/io/store_file_system.h"
#include "store/library/event_serializer.h"
#include "store/library/library_format.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <new>
#include <vector>

namespace zm {
namespace {

uint32_t SystemTick() {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<uint32_t>(ms.count());
}

LibraryResult OpenFailureCode(const FileFailure& failure, LibraryResult otherwise) {
    return failure.kind == FileFailureKind::InUse ? LibraryResult::LibraryInUse : otherwise;
}

// The operating system's files, for the journal of a library opened by its path.
StoreFileSystem& SystemFiles() {
    static PosixFileSystem files;
    return files;
}

int BlocksFor(size_t length) {
    return static_cast<int>((length + libfmt::kBlockSize - 1) / libfmt::kBlockSize);
}

} // namespace

EventLibrary::EventLibrary() : now_(SystemNow), tick_(SystemTick) {}

EventLibrary::~EventLibrary() {
    Close();
}

// --- opening and closing ---

LibraryResult EventLibrary::Open(const std::string& path, FileMode mode) {
    Close();
    if (mode == FileMode::Create) return Create(path);
    std::unique_ptr<File> file = PosixFile::Open(path, mode, lastFailure_);
    if (!file) return OpenFailureCode(lastFailure_, LibraryResult::OpenFailed);
    return OpenFile(std::move(file), mode == FileMode::ReadWrite, false,
                    std::make_unique<FolderJournal>(SystemFiles(), path));
}

LibraryResult EventLibrary::OpenForConversion(const std::string& path) {
    Close();
    std::unique_ptr<File> file = PosixFile::Open(path, FileMode::ReadOnly, lastFailure_);
    if (!file) return OpenFailureCode(lastFailure_, LibraryResult::OpenFailed);
    return OpenFile(std::move(file), false, true);
}

LibraryResult EventLibrary::Create(const std::string& path) {
    Close();
    std::unique_ptr<File> file = PosixFile::Open(path, FileMode::Create, lastFailure_);
    if (!file) return OpenFailureCode(lastFailure_, LibraryResult::CreateFailed);
    auto journal = std::make_unique<FolderJournal>(SystemFiles(), path);
    // A journal of a library that was there before belongs to no library now.
    bool gone = false;
    static_cast<void>(journal->Remove(gone));
    return CreateFile(std::move(file), std::move(journal));
}

LibraryResult EventLibrary::OpenFile(std::unique_ptr<File> file, bool writable, bool acceptOld,
                                     std::unique_ptr<JournalFile> journal) {
    Close();
    file_ = std::move(file);
    std::array<unsigned char, libfmt::kHeaderSize> header{};
    LibraryResult rc = SeekCheck(0);
    if (rc == LibraryResult::Ok) rc = file_->ReadAt(0, header.data(), header.size());
    uint32_t version = 0;
    if (rc == LibraryResult::Ok) rc = CheckLibraryHeader(header.data(), acceptOld, version);
    // Only a library of the current version is ever changed, or has a journal.
    const bool current = rc == LibraryResult::Ok && version == libfmt::kVersionCurrent;
    if (rc == LibraryResult::Ok && FamilyOf(version) != VersionFamily::First) {
        rc = SeekCheck(libfmt::kIndexOffset);
        if (rc == LibraryResult::Ok)
            rc = LoadIndex(*file_, current ? journal.get() : nullptr, writable && current, index_);
    }
    if (rc != LibraryResult::Ok) {
        Close();
        return rc;
    }
    writable_ = writable && current;
    version_ = version;
    shadow_ = index_;
    committed_ = index_;
    if (current) journal_ = std::move(journal);
    TrimSlack();
    return LibraryResult::Ok;
}

LibraryResult EventLibrary::CreateFile(std::unique_ptr<File> file,
                                       std::unique_ptr<JournalFile> journal) {
    Close();
    file_ = std::move(file);
    std::array<unsigned char, libfmt::kHeaderSize> header{};
    WriteLibraryHeader(header.data());
    LibraryResult rc = file_->WriteAt(0, header.data(), header.size());
    index_.Clear();
    if (rc == LibraryResult::Ok) rc = WriteIndex();
    if (rc == LibraryResult::Ok) rc = file_->Flush();
    if (rc != LibraryResult::Ok) {
        Close();
        return rc;
    }
    writable_ = true;
    version_ = libfmt::kVersionCurrent;
    shadow_ = index_;
    committed_ = index_;
    journal_ = std::move(journal);
    return LibraryResult::Ok;
}

void EventLibrary::Close() {
    file_.reset();
    journal_.reset();
    writable_ = false;
    version_ = 0;
    batchDepth_ = 0;
    index_.Clear();
    shadow_.Clear();
    committed_.Clear();
}

// --- file primitives ---

LibraryResult EventLibrary::SeekCheck(uint64_t position) const {
    uint64_t size = 0;
    if (file_->Size(size) != LibraryResult::Ok) return LibraryResult::SeekError;
    // Seeking exactly to the end is allowed: that is how the file grows by a block.
    return position > size ? LibraryResult::SeekError : LibraryResult::Ok;
}

LibraryResult EventLibrary::ReadBlock(int block, unsigned char* data) const {
    const uint64_t at = libfmt::BlockOffset(block);
    const LibraryResult rc = SeekCheck(at);
    if (rc != LibraryResult::Ok) return rc;
    return file_->ReadAt(at, data, libfmt::kBlockSize);
}

LibraryResult EventLibrary::ReadChainInto(const BlockChain& chain, MemoryStream& out) const {
    out.Reserve(out.Length() + static_cast<size_t>(chain.count) * libfmt::kBlockSize);
    std::array<unsigned char, libfmt::kBlockSize> block{};
    for (int i = 0; i < chain.count; ++i) {
        const LibraryResult rc = ReadBlock(chain.blocks[static_cast<size_t>(i)], block.data());
        if (rc != LibraryResult::Ok) return rc;
        out.Write(block.data(), block.size());
    }
    return LibraryResult::Ok;
}

LibraryResult EventLibrary::WriteChain(const MemoryStream& stored, const BlockChain& chain) {
    // The stream is zero behind its end up to a whole block, so each block is written whole
    // with its unused tail zero.
    for (int i = 0; i < chain.count; ++i) {
        const uint64_t at = libfmt::BlockOffset(chain.blocks[static_cast<size_t>(i)]);
        LibraryResult rc = SeekCheck(at);
        if (rc == LibraryResult::Ok)
            rc = file_->WriteAt(at, stored.Data() + static_cast<size_t>(i) * libfmt::kBlockSize,
                                libfmt::kBlockSize);
        if (rc != LibraryResult::Ok) return rc;
    }
    return LibraryResult::Ok;
}

LibraryResult EventLibrary::WriteIndex() {
    std::array<unsigned char, libfmt::kIndexSize> bytes{};
    index_.Store(bytes.data());
    const LibraryResult rc = SeekCheck(libfmt::kIndexOffset);
    if (rc != LibraryResult::Ok) return rc;
    return file_->WriteAt(libfmt::kIndexOffset, bytes.data(), bytes.size());
}

void EventLibrary::TrimSlack() {
    if (!IsWritable()) return;
    // A journal left by a commit that could not be undone needs the file as long as it was.
    if (journal_) {
        std::vector<unsigned char> bytes;
        bool exists = false;
        if (journal_->Read(bytes, exists) != LibraryResult::Ok || exists) return;
    }
    const uint64_t used =
        libfmt::UsedLength(std::max(index_.HighestUsed(), committed_.HighestUsed()));
    uint64_t size = 0;
    if (file_->Size(size) == LibraryResult::Ok && size > used)
        static_cast<void>(file_->Truncate(used));
}

LibraryResult EventLibrary::Commit() {
    lastWarning_ = LibraryResult::Ok;
    if (index_ == committed_) return LibraryResult::Ok;
    const CommitOutcome outcome = CommitIndex(*file_, journal_.get(), committed_, index_);
    if (!outcome.Stored()) {
        index_ = committed_;
        shadow_ = index_;
        TrimSlack();
        return outcome.code;
    }
    committed_ = index_;
    shadow_ = index_;
    lastWarning_ = outcome.warning;
    return LibraryResult::Ok;
}

LibraryResult EventLibrary::FinishChange() {
    return InBatch() ? LibraryResult::Ok : Commit();
}

void EventLibrary::Rollback() {
    index_ = shadow_;
}

bool EventLibrary::PlanChain(int count, BlockChain& chain) const {
    if (index_ == committed_) return index_.PlanChain(count, chain);
    // Blocks the index on the disk still names stay untouched until the batch commits.
    BlockIndex taken = index_;
    for (int n = 1; n <= libfmt::kLastBlock; ++n)
        if (taken.Entry(n) == 0 && committed_.Entry(n) != 0)
            taken.SetEntry(n, BlockIndex::kEndOfChain);
    return taken.PlanChain(count, chain);
}

void EventLibrary::BeginBatch() {
    ++batchDepth_;
}

LibraryResult EventLibrary::CommitBatch() {
    if (!IsWritable()) return LibraryResult::InternalError;
    return Commit();
}

void EventLibrary::EndBatch() {
    if (batchDepth_ == 0 || --batchDepth_ > 0) return;
    // What was not committed is dropped: its blocks are free space again.
    const bool dropped = index_ != committed_;
    index_ = committed_;
    shadow_ = index_;
    if (dropped) TrimSlack();
}

LibraryResult EventLibrary::Flush() {
    if (!IsOpen()) return LibraryResult::InternalError;
    return file_->Flush();
}

// --- events ---

LibraryResult EventLibrary::ValidKey(int key) const {
    if (!index_.IsHead(key) || index_.ChainLength(key) == 0) return LibraryResult::Corrupted;
    return LibraryResult::Ok;
}

LibraryResult EventLibrary::CheckKey(int key, uint32_t id) const {
    if (!IsOpen()) return LibraryResult::InternalError;
    const LibraryResult rc = ValidKey(key);
    if (rc != LibraryResult::Ok) return rc;
    return CheckId(key, id);
}

LibraryResult EventLibrary::CheckId(int key, uint32_t id) const {
    if (id == 0) return LibraryResult::Ok;
    std::array<unsigned char, libfmt::kBlockSize> block{};
    const LibraryResult rc = ReadBlock(key, block.data());
    if (rc != LibraryResult::Ok) return rc;
    if (GetLe32(block.data()) != eventfmt::kRecordMagic ||
        GetLe32(block.data() + eventfmt::kIdAt) != id)
        return LibraryResult::Corrupted;
    return LibraryResult::Ok;
}

ReadResult<EventRecord> EventLibrary::ReadEvent(uint16_t key) const {
    if (!IsOpen()) return LibraryResult::InternalError;
    BlockChain chain;
    if (!index_.IsHead(key) || !index_.Chain(key, chain)) return LibraryResult::Corrupted;
    try {
        MemoryStream stream;
        const LibraryResult rc = ReadChainInto(chain, stream);
        if (rc != LibraryResult::Ok) return rc;
        return EventFromChain(stream, key, typeLookup_);
    } catch (const std::bad_alloc&) {
        return LibraryResult::OutOfMemory;
    }
}

ReadResult<EventRecord> EventFromChain(MemoryStream& chain, uint16_t key,
                                       const EventLibrary::TypeLookup& lookup) {
    EventRecord event = EventRecord::ForKey(key);
    if (!DeserializeEvent(chain, event)) return LibraryResult::Corrupted;
    event.typeIndex = lookup ? lookup(event.typeName) : -1;
    return event;
}

LibraryResult EventLibrary::Serialize(EventRecord& event, bool assignId, MemoryStream& out,
                                      uint32_t& newId) const {
    newId = event.id;
    // Checked before anything is allocated: a longer chain could not be read back.
    if (SerializedSize(event) > libfmt::kMaxEventBytes) return LibraryResult::EventTooLarge;
    try {
        SerializeEvent(event, out);
    } catch (const std::bad_alloc&) {
        return LibraryResult::OutOfMemory;
    }
    if (out.Length() == 0) return LibraryResult::EmptyEvent;
    if (assignId && event.id == 0) {
        newId = ComputeEventId(out.Data(), out.Length(), now_(), tick_());
        out.PatchU32(eventfmt::kIdAt, newId);
    }
    return LibraryResult::Ok;
}

LibraryResult EventLibrary::WriteNewChain(const MemoryStream& stream, BlockChain& chain) {
    if (!PlanChain(BlocksFor(stream.Length()), chain)) return LibraryResult::LibraryFull;
    shadow_ = index_;
    const LibraryResult rc = WriteChain(stream, chain);
    if (rc != LibraryResult::Ok) {
        // A block cut short by a full disk, and those written before it, go again.
        Rollback();
        TrimSlack();
        return rc;
    }
    index_.LinkChain(chain);
    return LibraryResult::Ok;
}

LibraryResult EventLibrary::AddEvent(EventRecord& event) {
    if (!IsWritable()) return LibraryResult::InternalError;
    MemoryStream stream;
    uint32_t id = 0;
    LibraryResult rc = Serialize(event, true, stream, id);
    if (rc != LibraryResult::Ok) return rc;
    BlockChain chain;
    rc = WriteNewChain(stream, chain);
    if (rc != LibraryResult::Ok) return rc;
    rc = FinishChange();
    if (rc != LibraryResult::Ok) return rc;
    event.id = id;
    event.key = chain.blocks[0];
    return LibraryResult::Ok;
}

LibraryResult EventLibrary::ModifyEvent(EventRecord& event) {
    if (!IsWritable()) return LibraryResult::InternalError;
    const int oldKey = event.key;
    LibraryResult rc = CheckKey(oldKey, event.id);
    if (rc != LibraryResult::Ok) return rc;
    MemoryStream stream;
    uint32_t id = 0;
    rc = Serialize(event, false, stream, id);
    if (rc != LibraryResult::Ok) return rc;
    BlockChain chain;
    rc = WriteNewChain(stream, chain);
    if (rc != LibraryResult::Ok) return rc;
    rc = index_.FreeChain(oldKey);
    if (rc != LibraryResult::Ok) {
        Rollback();
        return rc;
    }
    rc = FinishChange();
    if (rc != LibraryResult::Ok) return rc;
    event.key = chain.blocks[0];
    return LibraryResult::Ok;
}

LibraryResult EventLibrary::DeleteEvent(uint16_t key, uint32_t id) {
    if (!IsWritable()) return LibraryResult::InternalError;
    // An event whose chain is broken can be deleted too: what is damaged can be removed.
    if (!index_.IsHead(key)) return LibraryResult::Corrupted;
    LibraryResult rc = CheckId(key, id);
    if (rc != LibraryResult::Ok) return rc;
    shadow_ = index_;
    rc = index_.FreeEvent(key);
    if (rc != LibraryResult::Ok) {
        Rollback();
        return rc;
    }
    return FinishChange();
}

LibraryResult EventLibrary::RewriteFirstBlock(const EventRecord& event) {
    if (!IsWritable()) return LibraryResult::InternalError;
    LibraryResult rc = ValidKey(event.key);
    if (rc != LibraryResult::Ok) return rc;
    // Only the fixed fields are written: the stored texts, and the length that counts them,
    // stay exactly as they are, so the rest of the chain still fits them (a text read from a
    // Windows file would be longer written back as UTF-8).
    MemoryStream stream;
    EventRecord fixed = event;
    fixed.name.clear();
    fixed.notes.clear();
    fixed.soundFile.clear();
    fixed.typeName.clear();
    try {
        SerializeEvent(fixed, stream);
    } catch (const std::bad_alloc&) {
        return LibraryResult::OutOfMemory;
    }
    constexpr size_t kFixedFrom = 8;
    const uint64_t at = libfmt::BlockOffset(event.key) + kFixedFrom;
    rc = SeekCheck(at);
    if (rc != LibraryResult::Ok) return rc;
    return file_->WriteAt(at, stream.Data() + kFixedFrom, eventfmt::kTextsAt - kFixedFrom);
}

LibraryResult EventLibrary::ForEachEvent(const EventVisitor& visit) const {
    if (!IsOpen()) return LibraryResult::Ok;
    for (int n = 1; n <= libfmt::kLastBlock; ++n) {
        if (!index_.IsHead(n)) continue;
        const LibraryResult rc = visit(static_cast<uint16_t>(n));
        if (rc != LibraryResult::Ok) return rc;
    }
    return LibraryResult::Ok;
}

LibraryResult EventLibrary::ReadVersion(const std::string& path, uint32_t& version) {
    return ReadLibraryVersion(path, version, &lastFailure_);
}

// --- raw access ---

LibraryResult EventLibrary::ReadChain(int first, MemoryStream& out) const {
    if (!IsOpen()) return LibraryResult::InternalError;
    BlockChain chain;
    if (!index_.Chain(first, chain)) return LibraryResult::Corrupted;
    try {
        return ReadChainInto(chain, out);
    } catch (const std::bad_alloc&) {
        return LibraryResult::OutOfMemory;
    }
}

LibraryResult EventLibrary::ReadBytes(uint64_t offset, void* data, size_t size) const {
    if (!IsOpen()) return LibraryResult::InternalError;
    const LibraryResult rc = SeekCheck(offset);
    if (rc != LibraryResult::Ok) return rc;
    return file_->ReadAt(offset, data, size);
}

LibraryResult EventLibrary::FileSize(uint64_t& size) const {
    if (!IsOpen()) return LibraryResult::InternalError;
    return file_->Size(size) == LibraryResult::Ok ? LibraryResult::Ok : LibraryResult::SeekError;
}

// --- versions of other files ---

LibraryResult ReadLibraryVersion(File& file, uint32_t& version) {
    version = 0;
    std::array<unsigned char, libfmt::kHeaderSize> header{};
    const LibraryResult rc = file.ReadAt(0, header.data(), header.size());
    if (rc != LibraryResult::Ok) return rc;
    if (!std::equal(std::begin(libfmt::kMagic), std::end(libfmt::kMagic), header.begin()))
        return LibraryResult::BadFormat;
    const uint32_t v = GetLe32(header.data() + libfmt::kVersionAt);
    if (FamilyOf(v) == VersionFamily::Unknown) return LibraryResult::UnknownVersion;
    version = v;
    return LibraryResult::Ok;
}

LibraryResult ReadLibraryVersion(const std::string& path, uint32_t& version, FileFailure* failure) {
    version = 0;
    FileFailure why;
    std::unique_ptr<PosixFile> file = PosixFile::Open(path, FileMode::ReadOnly, why);
    if (failure) *failure = why;
    if (!file) return LibraryResult::OpenFailed;
    return ReadLibraryVersion(*file, version);
}

} // namespace zm
