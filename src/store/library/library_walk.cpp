#include "store/library/library_walk.h"

#include "store/library/event_serializer.h"
#include "store/library/library_format.h"

#include <algorithm>
#include <new>
#include <vector>

namespace zm {
namespace {

constexpr size_t kWindowBlocks = 256;

// The blocks of the file from `first_` on, as far as the window reaches.
class BlockWindow {
public:
    BlockWindow(const EventLibrary& library, uint64_t fileSize)
        : library_(library), fileSize_(fileSize), bytes_(kWindowBlocks * libfmt::kBlockSize) {}

    // Appends block n to the stream.
    LibraryResult Append(int n, MemoryStream& out) {
        const uint64_t at = libfmt::BlockOffset(n);
        if (at + libfmt::kBlockSize > fileSize_) {
            // Past the end of the file: the library's own read gives the code.
            unsigned char block[libfmt::kBlockSize];
            const LibraryResult rc = library_.ReadBytes(at, block, sizeof block);
            if (rc != LibraryResult::Ok) return rc;
            out.Write(block, sizeof block);
            return LibraryResult::Ok;
        }
        if (n < first_ || n >= first_ + count_) {
            const int count = static_cast<int>(
                std::min<uint64_t>(kWindowBlocks, (fileSize_ - at) / libfmt::kBlockSize));
            const LibraryResult rc =
                library_.ReadBytes(at, bytes_.data(), count * libfmt::kBlockSize);
            if (rc != LibraryResult::Ok) {
                count_ = 0;
                return rc;
            }
            first_ = n;
            count_ = count;
        }
        out.Write(bytes_.data() + (n - first_) * libfmt::kBlockSize, libfmt::kBlockSize);
        return LibraryResult::Ok;
    }

private:
    const EventLibrary& library_;
    uint64_t fileSize_;
    std::vector<unsigned char> bytes_;
    int first_ = 0;
    int count_ = 0;
};

} // namespace

LibraryResult ReadEachEvent(const EventLibrary& library, const EventLibrary::TypeLookup& lookup,
                            const StoredEventVisitor& visit) {
    if (!library.IsOpen()) return LibraryResult::Ok;
    uint64_t size = 0;
    LibraryResult rc = library.FileSize(size);
    if (rc != LibraryResult::Ok) return rc;
    try {
        BlockWindow window(library, size);
        MemoryStream stream;
        const BlockIndex& index = library.Index();
        for (int key = 1; key <= libfmt::kLastBlock; ++key) {
            if (!index.IsHead(key)) continue;
            BlockChain chain;
            if (!index.Chain(key, chain)) return LibraryResult::Corrupted;
            stream.Clear();
            for (int i = 0; i < chain.count; ++i) {
                rc = window.Append(chain.blocks[static_cast<size_t>(i)], stream);
                if (rc != LibraryResult::Ok) return rc;
            }
            ReadResult<EventRecord> event =
                EventFromChain(stream, static_cast<uint16_t>(key), lookup);
            if (!event.Ok()) return event.Code();
            rc = visit(event.Value());
            if (rc != LibraryResult::Ok) return rc;
        }
    } catch (const std::bad_alloc&) {
        return LibraryResult::OutOfMemory;
    }
    return LibraryResult::Ok;
}

} // namespace zm
