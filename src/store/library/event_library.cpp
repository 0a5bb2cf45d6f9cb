#include "store/library/event_library.h"

#include "platform/byte_order.h"
#include "platform/clock.h"
#include "store/library/event_serializer.h"
#include "store/library/library_format.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <new>

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
    return OpenFile(std::move(file), mode == FileMode::ReadWrite, false);
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
    return CreateFile(std::move(file));
}

LibraryResult EventLibrary::OpenFile(std::unique_ptr<File> file, bool writable, bool acceptOld) {
    Close();
    file_ = std::move(file);
    std::array<unsigned char, libfmt::kHeaderSize> header{};
    LibraryResult rc = SeekCheck(0);
    if (rc == LibraryResult::Ok) rc = file_->ReadAt(0, header.data(), header.size());
    uint32_t version = 0;
    if (rc == LibraryResult::Ok) rc = CheckLibraryHeader(header.data(), acceptOld, version);
    if (rc == LibraryResult::Ok && FamilyOf(version) != VersionFamily::First) {
        std::array<unsigned char, libfmt::kIndexSize> bytes{};
        rc = SeekCheck(libfmt::kIndexOffset);
        if (rc == LibraryResult::Ok)
            rc = file_->ReadAt(libfmt::kIndexOffset, bytes.data(), bytes.size());
        if (rc == LibraryResult::Ok) index_.Load(bytes.data());
    }
    if (rc != LibraryResult::Ok) {
        Close();
        return rc;
    }
    // Only a library of the current version is ever changed.
    writable_ = writable && version == libfmt::kVersionCurrent;
    version_ = version;
    shadow_ = index_;
    return LibraryResult::Ok;
}

LibraryResult EventLibrary::CreateFile(std::unique_ptr<File> file) {
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
    return LibraryResult::Ok;
}

void EventLibrary::Close() {
    file_.reset();
    writable_ = false;
    version_ = 0;
    index_.Clear();
    shadow_.Clear();
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

LibraryResult EventLibrary::Commit() {
    LibraryResult rc = WriteIndex();
    if (rc == LibraryResult::Ok) rc = file_->Flush();
    if (rc != LibraryResult::Ok) Rollback(true);
    return rc;
}

void EventLibrary::Rollback(bool indexWritten) {
    index_ = shadow_;
    // A failed index write or flush may have left part or all of the new index in the file;
    // the old one is written back so that file and memory agree again.
    // The failure that started the rollback is the one reported; this flush is a best effort.
    if (indexWritten && WriteIndex() == LibraryResult::Ok) static_cast<void>(file_->Flush());
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
    if (!index_.PlanChain(BlocksFor(stream.Length()), chain)) return LibraryResult::LibraryFull;
    shadow_ = index_;
    const LibraryResult rc = WriteChain(stream, chain);
    if (rc != LibraryResult::Ok) {
        Rollback(false);
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
    rc = Commit();
    if (rc != LibraryResult::Ok) return rc;
    event.id = id;
    event.key = chain.blocks[0];
    return LibraryResult::Ok;
}

LibraryResult EventLibrary::ModifyEvent(EventRecord& event) {
    if (!IsWritable()) return LibraryResult::InternalError;
    const int oldKey = event.key;
    LibraryResult rc = ValidKey(oldKey);
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
        Rollback(false);
        return rc;
    }
    rc = Commit();
    if (rc != LibraryResult::Ok) return rc;
    event.key = chain.blocks[0];
    return LibraryResult::Ok;
}

LibraryResult EventLibrary::DeleteEvent(uint16_t key) {
    if (!IsWritable()) return LibraryResult::InternalError;
    LibraryResult rc = ValidKey(key);
    if (rc != LibraryResult::Ok) return rc;
    shadow_ = index_;
    rc = index_.FreeChain(key);
    if (rc != LibraryResult::Ok) {
        Rollback(false);
        return rc;
    }
    return Commit();
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
