#include "store/library/event_library.h"

#include "store/io/byte_order.h"
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
    return failure.kind == FileFailureKind::InUse ? lr::kLibraryInUse : otherwise;
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
    if (!file) return OpenFailureCode(lastFailure_, lr::kOpenFailed);
    return openFile(std::move(file), mode == FileMode::ReadWrite, false);
}

LibraryResult EventLibrary::openForConversion(const std::string& path) {
    close();
    std::unique_ptr<File> file = PosixFile::open(path, FileMode::ReadOnly, lastFailure_);
    if (!file) return OpenFailureCode(lastFailure_, lr::kOpenFailed);
    return openFile(std::move(file), false, true);
}

LibraryResult EventLibrary::create(const std::string& path) {
    close();
    std::unique_ptr<File> file = PosixFile::open(path, FileMode::Create, lastFailure_);
    if (!file) return OpenFailureCode(lastFailure_, lr::kCreateFailed);
    return createFile(std::move(file));
}

LibraryResult EventLibrary::openFile(std::unique_ptr<File> file, bool writable, bool acceptOld) {
    close();
    file_ = std::move(file);
    std::array<unsigned char, libfmt::kHeaderSize> header{};
    LibraryResult rc = seekCheck(0);
    if (rc == lr::kOk) rc = file_->readAt(0, header.data(), header.size());
    uint32_t version = 0;
    if (rc == lr::kOk) rc = CheckLibraryHeader(header.data(), acceptOld, version);
    if (rc == lr::kOk && FamilyOf(version) != VersionFamily::First) {
        std::array<unsigned char, libfmt::kIndexSize> bytes{};
        rc = seekCheck(libfmt::kIndexOffset);
        if (rc == lr::kOk) rc = file_->readAt(libfmt::kIndexOffset, bytes.data(), bytes.size());
        if (rc == lr::kOk) index_.load(bytes.data());
    }
    if (rc != lr::kOk) {
        close();
        return rc;
    }
    // Only a library of the current version is ever changed.
    writable_ = writable && version == libfmt::kVersionCurrent;
    version_ = version;
    shadow_ = index_;
    return lr::kOk;
}

LibraryResult EventLibrary::createFile(std::unique_ptr<File> file) {
    close();
    file_ = std::move(file);
    std::array<unsigned char, libfmt::kHeaderSize> header{};
    WriteLibraryHeader(header.data());
    LibraryResult rc = file_->writeAt(0, header.data(), header.size());
    index_.clear();
    if (rc == lr::kOk) rc = writeIndex();
    if (rc == lr::kOk) rc = file_->flush();
    if (rc != lr::kOk) {
        close();
        return rc;
    }
    writable_ = true;
    version_ = libfmt::kVersionCurrent;
    shadow_ = index_;
    return lr::kOk;
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
    if (file_->size(size) != lr::kOk) return lr::kSeekError;
    // Seeking exactly to the end is allowed: that is how the file grows by a block.
    return position > size ? lr::kSeekError : lr::kOk;
}

LibraryResult EventLibrary::readBlock(int block, unsigned char* data) const {
    const uint64_t at = libfmt::BlockOffset(block);
    const LibraryResult rc = seekCheck(at);
    if (rc != lr::kOk) return rc;
    return file_->readAt(at, data, libfmt::kBlockSize);
}

LibraryResult EventLibrary::readChainInto(const BlockChain& chain, MemoryStream& out) const {
    out.reserve(out.length() + static_cast<size_t>(chain.count) * libfmt::kBlockSize);
    std::array<unsigned char, libfmt::kBlockSize> block{};
    for (int i = 0; i < chain.count; ++i) {
        const LibraryResult rc = readBlock(chain.blocks[static_cast<size_t>(i)], block.data());
        if (rc != lr::kOk) return rc;
        out.write(block.data(), block.size());
    }
    return lr::kOk;
}

LibraryResult EventLibrary::writeChain(const MemoryStream& stored, const BlockChain& chain) {
    // The stream is zero behind its end up to a whole block, so each block is written whole
    // with its unused tail zero.
    for (int i = 0; i < chain.count; ++i) {
        const uint64_t at = libfmt::BlockOffset(chain.blocks[static_cast<size_t>(i)]);
        LibraryResult rc = seekCheck(at);
        if (rc == lr::kOk)
            rc = file_->writeAt(at, stored.data() + static_cast<size_t>(i) * libfmt::kBlockSize,
                                libfmt::kBlockSize);
        if (rc != lr::kOk) return rc;
    }
    return lr::kOk;
}

LibraryResult EventLibrary::writeIndex() {
    std::array<unsigned char, libfmt::kIndexSize> bytes{};
    index_.store(bytes.data());
    const LibraryResult rc = seekCheck(libfmt::kIndexOffset);
    if (rc != lr::kOk) return rc;
    return file_->writeAt(libfmt::kIndexOffset, bytes.data(), bytes.size());
}

LibraryResult EventLibrary::commit() {
    LibraryResult rc = writeIndex();
    if (rc == lr::kOk) rc = file_->flush();
    if (rc != lr::kOk) rollback(true);
    return rc;
}

void EventLibrary::rollback(bool indexWritten) {
    index_ = shadow_;
    // A failed index write or flush may have left part or all of the new index in the file;
    // the old one is written back so that file and memory agree again.
    if (indexWritten && writeIndex() == lr::kOk) file_->flush();
}

LibraryResult EventLibrary::flush() {
    if (!isOpen()) return lr::kInternalError;
    return file_->flush();
}

// --- events ---

LibraryResult EventLibrary::validKey(int key) const {
    if (!index_.isHead(key) || index_.chainLength(key) == 0) return lr::kCorrupted;
    return lr::kOk;
}

LibraryResult EventLibrary::readEvent(EventRecord& event) const {
    if (!isOpen()) return lr::kInternalError;
    BlockChain chain;
    if (!index_.isHead(event.Key) || !index_.chain(event.Key, chain)) return lr::kCorrupted;
    try {
        MemoryStream stream;
        const LibraryResult rc = readChainInto(chain, stream);
        if (rc != lr::kOk) return rc;
        EventRecord read = event;
        if (!DeserializeEvent(stream, read)) return lr::kCorrupted;
        read.TypeIndex = typeLookup_ ? typeLookup_(read.TypeName) : -1;
        event = std::move(read);
    } catch (const std::bad_alloc&) {
        return lr::kOutOfMemory;
    }
    return lr::kOk;
}

LibraryResult EventLibrary::serialize(EventRecord& event, bool assignId, MemoryStream& out,
                                      uint32_t& newId) const {
    newId = event.Id;
    // Checked before anything is allocated: a longer chain could not be read back.
    if (SerializedSize(event) > libfmt::kMaxEventBytes) return lr::kEventTooLarge;
    try {
        SerializeEvent(event, out);
    } catch (const std::bad_alloc&) {
        return lr::kOutOfMemory;
    }
    if (out.length() == 0) return lr::kEmptyEvent;
    if (assignId && event.Id == 0) {
        newId = ComputeEventId(out.data(), out.length(), now_(), tick_());
        out.patchU32(eventfmt::kIdAt, newId);
    }
    return lr::kOk;
}

LibraryResult EventLibrary::writeNewChain(const MemoryStream& stream, BlockChain& chain) {
    if (!index_.planChain(BlocksFor(stream.length()), chain)) return lr::kLibraryFull;
    shadow_ = index_;
    const LibraryResult rc = writeChain(stream, chain);
    if (rc != lr::kOk) {
        rollback(false);
        return rc;
    }
    index_.linkChain(chain);
    return lr::kOk;
}

LibraryResult EventLibrary::addEvent(EventRecord& event) {
    if (!isWritable()) return lr::kInternalError;
    MemoryStream stream;
    uint32_t id = 0;
    LibraryResult rc = serialize(event, true, stream, id);
    if (rc != lr::kOk) return rc;
    BlockChain chain;
    rc = writeNewChain(stream, chain);
    if (rc != lr::kOk) return rc;
    rc = commit();
    if (rc != lr::kOk) return rc;
    event.Id = id;
    event.Key = chain.blocks[0];
    return lr::kOk;
}

LibraryResult EventLibrary::modifyEvent(EventRecord& event) {
    if (!isWritable()) return lr::kInternalError;
    const int oldKey = event.Key;
    LibraryResult rc = validKey(oldKey);
    if (rc != lr::kOk) return rc;
    MemoryStream stream;
    uint32_t id = 0;
    rc = serialize(event, false, stream, id);
    if (rc != lr::kOk) return rc;
    BlockChain chain;
    rc = writeNewChain(stream, chain);
    if (rc != lr::kOk) return rc;
    rc = index_.freeChain(oldKey);
    if (rc != lr::kOk) {
        rollback(false);
        return rc;
    }
    rc = commit();
    if (rc != lr::kOk) return rc;
    event.Key = chain.blocks[0];
    return lr::kOk;
}

LibraryResult EventLibrary::deleteEvent(uint16_t key) {
    if (!isWritable()) return lr::kInternalError;
    LibraryResult rc = validKey(key);
    if (rc != lr::kOk) return rc;
    shadow_ = index_;
    rc = index_.freeChain(key);
    if (rc != lr::kOk) {
        rollback(false);
        return rc;
    }
    return commit();
}

LibraryResult EventLibrary::rewriteFirstBlock(const EventRecord& event) {
    if (!isWritable()) return lr::kInternalError;
    LibraryResult rc = validKey(event.Key);
    if (rc != lr::kOk) return rc;
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
        return lr::kOutOfMemory;
    }
    constexpr size_t kFixedFrom = 8;
    const uint64_t at = libfmt::BlockOffset(event.Key) + kFixedFrom;
    rc = seekCheck(at);
    if (rc != lr::kOk) return rc;
    return file_->writeAt(at, stream.data() + kFixedFrom, eventfmt::kTextsAt - kFixedFrom);
}

LibraryResult EventLibrary::forEachEvent(const EventVisitor& visit) const {
    if (!isOpen()) return lr::kOk;
    for (int n = 1; n <= libfmt::kLastBlock; ++n) {
        if (!index_.isHead(n)) continue;
        const LibraryResult rc = visit(static_cast<uint16_t>(n));
        if (rc != lr::kOk) return rc;
    }
    return lr::kOk;
}

LibraryResult EventLibrary::readVersion(const std::string& path, uint32_t& version) {
    return ReadLibraryVersion(path, version, &lastFailure_);
}

// --- raw access ---

LibraryResult EventLibrary::readChain(int first, MemoryStream& out) const {
    if (!isOpen()) return lr::kInternalError;
    BlockChain chain;
    if (!index_.chain(first, chain)) return lr::kCorrupted;
    try {
        return readChainInto(chain, out);
    } catch (const std::bad_alloc&) {
        return lr::kOutOfMemory;
    }
}

LibraryResult EventLibrary::readBytes(uint64_t offset, void* data, size_t size) const {
    if (!isOpen()) return lr::kInternalError;
    const LibraryResult rc = seekCheck(offset);
    if (rc != lr::kOk) return rc;
    return file_->readAt(offset, data, size);
}

LibraryResult EventLibrary::fileSize(uint64_t& size) const {
    if (!isOpen()) return lr::kInternalError;
    return file_->size(size) == lr::kOk ? lr::kOk : lr::kSeekError;
}

// --- versions of other files ---

LibraryResult ReadLibraryVersion(File& file, uint32_t& version) {
    version = 0;
    std::array<unsigned char, libfmt::kHeaderSize> header{};
    const LibraryResult rc = file.readAt(0, header.data(), header.size());
    if (rc != lr::kOk) return rc;
    if (!std::equal(std::begin(libfmt::kMagic), std::end(libfmt::kMagic), header.begin()))
        return lr::kBadFormat;
    const uint32_t v = GetLe32(header.data() + libfmt::kVersionAt);
    if (FamilyOf(v) == VersionFamily::Unknown) return lr::kUnknownVersion;
    version = v;
    return lr::kOk;
}

LibraryResult ReadLibraryVersion(const std::string& path, uint32_t& version, FileFailure* failure) {
    version = 0;
    FileFailure why;
    std::unique_ptr<PosixFile> file = PosixFile::open(path, FileMode::ReadOnly, why);
    if (failure) *failure = why;
    if (!file) return lr::kOpenFailed;
    return ReadLibraryVersion(*file, version);
}

} // namespace zm
