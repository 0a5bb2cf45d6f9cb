#include "store/library/library_image.h"

#include "store/library/event_serializer.h"
#include "store/library/library_format.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <string>
#include <utility>

namespace zm {

LibraryResult IndexForWalk(const EventLibrary& library, BlockIndex& index) {
    if (!library.IsOpen()) return LibraryResult::InternalError;
    index = library.Index();
    return LibraryResult::Ok;
}

void LibraryImage::Load(const EventLibrary& library, const BlockIndex& index) {
    library_ = &library;
    whole_ = false;
    blocks_.clear();
    if (library.FileSize(fileSize_) != LibraryResult::Ok) return;
    // A block that belongs to no chain has entry 0, so the highest nonzero entry is the highest
    // block any event can reach.
    int highest = 0;
    for (int n = libfmt::kLastBlock; n >= 1; --n) {
        if (index.Entry(n) != 0) {
            highest = n;
            break;
        }
    }
    const uint64_t from = libfmt::BlockOffset(1);
    const uint64_t to = std::min(fileSize_, libfmt::BlockOffset(highest) + libfmt::kBlockSize);
    try {
        if (highest != 0 && to > from) {
            blocks_.resize(static_cast<size_t>(to - from));
            if (library.ReadBytes(from, blocks_.data(), blocks_.size()) != LibraryResult::Ok) {
                blocks_.clear();
                return;
            }
        }
    } catch (const std::bad_alloc&) {
        blocks_.clear();
        return;
    }
    whole_ = true;
}

LibraryResult LibraryImage::ReadBlock(int block, unsigned char* data) const {
    const uint64_t at = libfmt::BlockOffset(block);
    if (!whole_) {
        if (library_ == nullptr) return LibraryResult::InternalError;
        return library_->ReadBytes(at, data, libfmt::kBlockSize);
    }
    // The codes of the file primitives: a position past the end, then a short read.
    if (at > fileSize_) return LibraryResult::SeekError;
    const uint64_t inImage = at - libfmt::BlockOffset(1);
    if (at + libfmt::kBlockSize > fileSize_ || inImage + libfmt::kBlockSize > blocks_.size())
        return LibraryResult::ReadError;
    std::memcpy(data, blocks_.data() + inImage, libfmt::kBlockSize);
    return LibraryResult::Ok;
}

ReadResult<EventRecord> LibraryImage::ReadEvent(const BlockIndex& index, uint16_t key,
                                                const EventLibrary::TypeLookup& lookup) const {
    BlockChain chain;
    if (!index.IsHead(key) || !index.Chain(key, chain)) return LibraryResult::Corrupted;
    try {
        MemoryStream stream;
        stream.Reserve(static_cast<size_t>(chain.count) * libfmt::kBlockSize);
        std::array<unsigned char, libfmt::kBlockSize> block{};
        for (int i = 0; i < chain.count; ++i) {
            const LibraryResult rc = ReadBlock(chain.blocks[static_cast<size_t>(i)], block.data());
            if (rc != LibraryResult::Ok) return rc;
            stream.Write(block.data(), block.size());
        }
        return EventFromChain(stream, key, lookup);
    } catch (const std::bad_alloc&) {
        return LibraryResult::OutOfMemory;
    }
}

namespace {

// The type index of each name met so far: a library holds thousands of events of a few types,
// and the lookup compares names without regard to case against every type.
class TypeMemo {
public:
    explicit TypeMemo(const EventLibrary::TypeLookup& lookup) : lookup_(lookup) {}
    int32_t IndexOf(const std::string& name) {
        if (!lookup_) return -1;
        for (const auto& [known, index] : known_)
            if (known == name) return index;
        const int32_t index = lookup_(name);
        if (known_.size() < kMaxNames) known_.emplace_back(name, index);
        return index;
    }

private:
    static constexpr size_t kMaxNames = 32;
    const EventLibrary::TypeLookup& lookup_;
    std::vector<std::pair<std::string, int32_t>> known_;
};

} // namespace

LibraryResult VisitEachEvent(const EventLibrary& library, const EventLibrary::TypeLookup& lookup,
                             const EventReadVisitor& visit) {
    if (!library.IsOpen()) return LibraryResult::Ok;
    TypeMemo types(lookup);
    const EventLibrary::TypeLookup memo = [&types](const std::string& name) {
        return types.IndexOf(name);
    };
    BlockIndex index;
    LibraryResult rc = IndexForWalk(library, index);
    if (rc != LibraryResult::Ok) return rc;
    LibraryImage image;
    image.Load(library, index);
    for (int key = 1; key <= libfmt::kLastBlock; ++key) {
        if (!index.IsHead(key)) continue;
        ReadResult<EventRecord> read = image.ReadEvent(index, static_cast<uint16_t>(key), memo);
        rc = visit(static_cast<uint16_t>(key), read);
        if (rc != LibraryResult::Ok) return rc;
    }
    return LibraryResult::Ok;
}

} // namespace zm
