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
    close();
}

// --- opening and closing ---

LibraryResult EventLibrary::open(const std::string& path, FileMode mode) {
    close();
    if (mode == FileMode::Create) return create(path);
    std::unique_ptr<File> file = PosixFile::open(path, mode, lastFailure_);
    if (!file) return OpenFailureCode(lastFailure_, LibraryResult::OpenFailed);
    return openFile(std::move(file), mode == FileMode::ReadWrite, false);
}

LibraryResult EventLibrary::openForConversion(const std::string& path) {
    close();
    std::unique_ptr<File> file = PosixFile::open(path, FileMode::ReadOnly, lastFailure_);
    if (!file) return OpenFailureCode(lastFailure_, LibraryResult::OpenFailed);
    return openFile(std::move(file), false, true);
}

LibraryResult EventLibrary::create(const std::string& path) {
    close();
    std::unique_ptr<File> file = PosixFile::open(path, FileMode::Create, lastFailure_);
    if (!file) return OpenFailureCode(lastFailure_, LibraryResult::CreateFailed);
    return createFile(std::move(file));
}

LibraryResult EventLibrary::openFile(std::unique_ptr<File> file, bool writable, bool acceptOld) {
    close();
    file_ = std::move(file);
    std::array<unsigned char, libfmt::kHeaderSize> header{};
    LibraryResult rc = seekCheck(0);
    if (rc == LibraryResult::Ok) rc = file_->readAt(0, header.data(), header.size());
    uint32_t version = 0;
    if (rc == LibraryResult::Ok) rc = CheckLibraryHeader(header.data(), acceptOld, version);
    if (rc == LibraryResult::Ok && FamilyOf(version) != VersionFamily::First) {
        std::array<unsigned char, libfmt::kIndexSize> bytes{};
        rc = seekCheck(libfmt::kIndexOffset);
        if (rc == LibraryResult::Ok)
            rc = file_->readAt(libfmt::kIndexOffset, bytes.data(), bytes.size());
        if (rc == LibraryResult::Ok) index_.load(bytes.data());
    }
    if (rc != LibraryResult::Ok) {
        close();
        return rc;
    }
    // Only a library of the current version is ever changed.
    writable_ = writable && version == libfmt::kVersionCurrent;
    version_ = version;
    shadow_ = index_;
    return LibraryResult::Ok;
}

LibraryResult EventLibrary::createFile(std::unique_ptr<File> file) {
    close();
    file_ = std::move(file);
    std::array<unsigned char, libfmt::kHeaderSize> header{};
    WriteLibraryHeader(header.data());
    LibraryResult rc = file_->writeAt(0, header.data(), header.size());
    index_.clear();
    if (rc == LibraryResult::Ok) rc = writeIndex();
    if (rc == LibraryResult::Ok) rc = file_->flush();
    if (rc != LibraryResult::Ok) {
        close();
        return rc;
    }
    writable_ = true;
    version_ = libfmt::kVersionCurrent;
    shadow_ = index_;
    return LibraryResult::Ok;
}

void EventLibrary::close() {
    file_.reset();
    writable_ = false;
    version_ = 0;
    index_.clear();
    shadow_.clear();
}

// --- file primitives ---

LibraryResult EventLibrary::seekCheck(uint64_t position) const {
    uint64_t size = 0;
    if (file_->size(size) != LibraryResult::Ok) return LibraryResult::SeekError;
    // Seeking exactly to the end is allowed: that is how the file grows by a block.
    return position > size ? LibraryResult::SeekError : LibraryResult::Ok;
}

LibraryResult EventLibrary::readBlock(int block, unsigned char* data) const {
    const uint64_t at = libfmt::BlockOffset(block);
    const LibraryResult rc = seekCheck(at);
    if (rc != LibraryResult::Ok) return rc;
    return file_->readAt(at, data, libfmt::kBlockSize);
}

LibraryResult EventLibrary::readChainInto(const BlockChain& chain, MemoryStream& out) const {
    out.reserve(out.length() + static_cast<size_t>(chain.count) * libfmt::kBlockSize);
    std::array<unsigned char, libfmt::kBlockSize> block{};
    for (int i = 0; i < chain.count; ++i) {
        const LibraryResult rc = readBlock(chain.blocks[static_cast<size_t>(i)], block.data());
        if (rc != LibraryResult::Ok) return rc;
        out.write(block.data(), block.size());
    }
    return LibraryResult::Ok;
}

LibraryResult EventLibrary::writeChain(const MemoryStream& stored, const BlockChain& chain) {
    // The stream is zero behind its end up to a whole block, so each block is written whole
    // with its unused tail zero.
    for (int i = 0; i < chain.count; ++i) {
        const uint64_t at = libfmt::BlockOffset(chain.blocks[static_cast<size_t>(i)]);
        LibraryResult rc = seekCheck(at);
        if (rc == LibraryResult::Ok)
            rc = file_->writeAt(at, stored.data() + static_cast<size_t>(i) * libfmt::kBlockSize,
                                libfmt::kBlockSize);
        if (rc != LibraryResult::Ok) return rc;
    }
    return LibraryResult::Ok;
}

LibraryResult EventLibrary::writeIndex() {
    std::array<unsigned char, libfmt::kIndexSize> bytes{};
    index_.store(bytes.data());
    const LibraryResult rc = seekCheck(libfmt::kIndexOffset);
    if (rc != LibraryResult::Ok) return rc;
    return file_->writeAt(libfmt::kIndexOffset, bytes.data(), bytes.size());
}

LibraryResult EventLibrary::commit() {
    LibraryResult rc = writeIndex();
    if (rc == LibraryResult::Ok) rc = file_->flush();
    if (rc != LibraryResult::Ok) rollback(true);
    return rc;
}

void EventLibrary::rollback(bool indexWritten) {
    index_ = shadow_;
    // A failed index write or flush may have left part or all of the new index in the file;
    // the old one is written back so that file and memory agree again.
    // The failure that started the rollback is the one reported; this flush is a best effort.
    if (indexWritten && writeIndex() == LibraryResult::Ok) static_cast<void>(file_->flush());
}

LibraryResult EventLibrary::flush() {
    if (!isOpen()) return LibraryResult::InternalError;
    return file_->flush();
}

// --- events ---

LibraryResult EventLibrary::validKey(int key) const {
    if (!index_.isHead(key) || index_.chainLength(key) == 0) return LibraryResult::Corrupted;
    return LibraryResult::Ok;
}

ReadResult<EventRecord> EventLibrary::readEvent(uint16_t key) const {
    if (!isOpen()) return LibraryResult::InternalError;
    BlockChain chain;
    if (!index_.isHead(key) || !index_.chain(key, chain)) return LibraryResult::Corrupted;
    try {
        MemoryStream stream;
        const LibraryResult rc = readChainInto(chain, stream);
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
    event.TypeIndex = lookup ? lookup(event.TypeName) : -1;
    return event;
}

LibraryResult EventLibrary::serialize(EventRecord& event, bool assignId, MemoryStream& out,
                                      uint32_t& newId) const {
    newId = event.Id;
    // Checked before anything is allocated: a longer chain could not be read back.
    if (SerializedSize(event) > libfmt::kMaxEventBytes) return LibraryResult::EventTooLarge;
    try {
        SerializeEvent(event, out);
    } catch (const std::bad_alloc&) {
        return LibraryResult::OutOfMemory;
    }
    if (out.length() == 0) return LibraryResult::EmptyEvent;
    if (assignId && event.Id == 0) {
        newId = ComputeEventId(out.data(), out.length(), now_(), tick_());
        out.patchU32(eventfmt::kIdAt, newId);
    }
    return LibraryResult::Ok;
}

LibraryResult EventLibrary::writeNewChain(const MemoryStream& stream, BlockChain& chain) {
    if (!index_.planChain(BlocksFor(stream.length()), chain)) return LibraryResult::LibraryFull;
    shadow_ = index_;
    const LibraryResult rc = writeChain(stream, chain);
    if (rc != LibraryResult::Ok) {
        rollback(false);
        return rc;
    }
    index_.linkChain(chain);
    return LibraryResult::Ok;
}

LibraryResult EventLibrary::addEvent(EventRecord& event) {
    if (!isWritable()) return LibraryResult::InternalError;
    MemoryStream stream;
    uint32_t id = 0;
    LibraryResult rc = serialize(event, true, stream, id);
    if (rc != LibraryResult::Ok) return rc;
    BlockChain chain;
    rc = writeNewChain(stream, chain);
    if (rc != LibraryResult::Ok) return rc;
    rc = commit();
    if (rc != LibraryResult::Ok) return rc;
    event.Id = id;
    event.Key = chain.blocks[0];
    return LibraryResult::Ok;
}

LibraryResult EventLibrary::modifyEvent(EventRecord& event) {
    if (!isWritable()) return LibraryResult::InternalError;
    const int oldKey = event.Key;
    LibraryResult rc = validKey(oldKey);
    if (rc != LibraryResult::Ok) return rc;
    MemoryStream stream;
    uint32_t id = 0;
    rc = serialize(event, false, stream, id);
    if (rc != LibraryResult::Ok) return rc;
    BlockChain chain;
    rc = writeNewChain(stream, chain);
    if (rc != LibraryResult::Ok) return rc;
    rc = index_.freeChain(oldKey);
    if (rc != LibraryResult::Ok) {
        rollback(false);
        return rc;
    }
    rc = commit();
    if (rc != LibraryResult::Ok) return rc;
    event.Key = chain.blocks[0];
    return LibraryResult::Ok;
}

LibraryResult EventLibrary::deleteEvent(uint16_t key) {
    if (!isWritable()) return LibraryResult::InternalError;
    LibraryResult rc = validKey(key);
    if (rc != LibraryResult::Ok) return rc;
    shadow_ = index_;
    rc = index_.freeChain(key);
    if (rc != LibraryResult::Ok) {
        rollback(false);
        return rc;
    }
    return commit();
}

LibraryResult EventLibrary::rewriteFirstBlock(const EventRecord& event) {
    if (!isWritable()) return LibraryResult::InternalError;
    LibraryResult rc = validKey(event.Key);
    if (rc != LibraryResult::Ok) return rc;
    // Only the fixed fields are written: the stored texts, and the length that counts them,
    // stay exactly as they are, so the rest of the chain still fits them (a text read from a
    // Windows file would be longer written back as UTF-8).
    MemoryStream stream;
    EventRecord fixed = event;
    fixed.Name.clear();
    fixed.Notes.clear();
    fixed.SoundFile.clear();
    fixed.TypeName.clear();
    try {
        SerializeEvent(fixed, stream);
    } catch (const std::bad_alloc&) {
        return LibraryResult::OutOfMemory;
    }
    constexpr size_t kFixedFrom = 8;
    const uint64_t at = libfmt::BlockOffset(event.Key) + kFixedFrom;
    rc = seekCheck(at);
    if (rc != LibraryResult::Ok) return rc;
    return file_->writeAt(at, stream.data() + kFixedFrom, eventfmt::kTextsAt - kFixedFrom);
}

LibraryResult EventLibrary::forEachEvent(const EventVisitor& visit) const {
    if (!isOpen()) return LibraryResult::Ok;
    for (int n = 1; n <= libfmt::kLastBlock; ++n) {
        if (!index_.isHead(n)) continue;
        const LibraryResult rc = visit(static_cast<uint16_t>(n));
        if (rc != LibraryResult::Ok) return rc;
    }
    return LibraryResult::Ok;
}

LibraryResult EventLibrary::readVersion(const std::string& path, uint32_t& version) {
    return ReadLibraryVersion(path, version, &lastFailure_);
}

// --- raw access ---

LibraryResult EventLibrary::readChain(int first, MemoryStream& out) const {
    if (!isOpen()) return LibraryResult::InternalError;
    BlockChain chain;
    if (!index_.chain(first, chain)) return LibraryResult::Corrupted;
    try {
        return readChainInto(chain, out);
    } catch (const std::bad_alloc&) {
        return LibraryResult::OutOfMemory;
    }
}

LibraryResult EventLibrary::readBytes(uint64_t offset, void* data, size_t size) const {
    if (!isOpen()) return LibraryResult::InternalError;
    const LibraryResult rc = seekCheck(offset);
    if (rc != LibraryResult::Ok) return rc;
    return file_->readAt(offset, data, size);
}

LibraryResult EventLibrary::fileSize(uint64_t& size) const {
    if (!isOpen()) return LibraryResult::InternalError;
    return file_->size(size) == LibraryResult::Ok ? LibraryResult::Ok : LibraryResult::SeekError;
}

// --- versions of other files ---

LibraryResult ReadLibraryVersion(File& file, uint32_t& version) {
    version = 0;
    std::array<unsigned char, libfmt::kHeaderSize> header{};
    const LibraryResult rc = file.readAt(0, header.data(), header.size());
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
    std::unique_ptr<PosixFile> file = PosixFile::open(path, FileMode::ReadOnly, why);
    if (failure) *failure = why;
    if (!file) return LibraryResult::OpenFailed;
    return ReadLibraryVersion(*file, version);
}

} // namespace zm
