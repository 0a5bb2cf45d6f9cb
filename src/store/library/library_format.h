#pragma once
// The layout of a library file: a 256-byte header, an index of 4000 16-bit block links, then
// blocks of 256 bytes numbered from 1 (block n lies at 8000 + 256 n; there is no block 0, its
// place would overlap the index).

#include "store/io/library_result.h"

#include <cstddef>
#include <cstdint>

namespace zm {

namespace libfmt {
inline constexpr char kMagic[9] = {'Z', 'A', 'N', 'T', 'I', 'M', 'O', 'R', 'E'};
inline constexpr size_t kHeaderSize = 256;
inline constexpr uint64_t kIndexOffset = 256;
inline constexpr int kIndexEntries = 4000;
inline constexpr size_t kIndexEntrySize = 2;
inline constexpr size_t kIndexSize = kIndexEntries * kIndexEntrySize;
inline constexpr size_t kBlockSize = 256;
inline constexpr int kLastBlock = kIndexEntries - 1;
inline constexpr uint64_t kEmptyFileSize = kIndexOffset + kIndexSize;
// A reader follows at most this many blocks of one chain, so no longer event may be written.
inline constexpr int kMaxChainBlocks = 20;
inline constexpr size_t kMaxEventBytes = kMaxChainBlocks * kBlockSize;

// Header fields.
inline constexpr size_t kVersionAt = 10;
inline constexpr size_t kField14At = 14;
inline constexpr size_t kBlockSizeAt = 18;
inline constexpr size_t kEntryCountAt = 22;
inline constexpr size_t kEntrySizeAt = 26;

// Format versions.
inline constexpr uint32_t kVersionCurrent = 0x00030005;
inline constexpr uint32_t kVersion30000 = 0x00030000;
inline constexpr uint32_t kVersion20005 = 0x00020005;
inline constexpr uint32_t kVersion20004 = 0x00020004;
inline constexpr uint32_t kVersion20003 = 0x00020003;
inline constexpr uint32_t kVersion20002 = 0x00020002;
inline constexpr uint32_t kVersionFirst = 0x00010001;
// The first format keeps 208 at offset 14.
inline constexpr uint32_t kFirstFormatField14 = 208;

constexpr uint64_t BlockOffset(int block) {
    return 8000 + kBlockSize * static_cast<uint64_t>(block);
}
// The length a library needs when block `highest` is the highest one in use (0: none is).
// Whatever lies behind it is slack: no event uses it.
constexpr uint64_t UsedLength(int highest) {
    return highest == 0 ? kEmptyFileSize : BlockOffset(highest) + kBlockSize;
}
} // namespace libfmt

// What a reader knows about a format version.
enum class VersionFamily : uint8_t {
    Current,    // opened directly
    SameLayout, // 0x00020005, 0x00030000: current blocks and events, ids not used
    OldEvents,  // 0x00020002 ... 0x00020004: current blocks, older event layouts
    First,      // 0x00010001: a different layout altogether
    Unknown,
};

VersionFamily FamilyOf(uint32_t version);

// The header of a new library.
void WriteLibraryHeader(unsigned char* header, uint32_t version = libfmt::kVersionCurrent);

// Checks a 256-byte header and gives its version. BadFormat for a wrong magic or geometry,
// UnknownVersion for an unknown version, OldVersion for an old version unless `acceptOld`. The
// geometry of a block-structured version must be 256-byte blocks and 4000 two-byte entries; the
// first format must have 208 and 256 at offsets 14 and 18.
LibraryResult CheckLibraryHeader(const unsigned char* header, bool acceptOld, uint32_t& version);

} // namespace zm
