#pragma once
// The block index of a library: entry n describes block n. 0 = free; bit 15 = the first block
// of an event; bits 0-14 = the next block of the same event, 0x7FFF on the event's last block.
// Entry 0 is not a block (the index is kept exactly as the file holds it).

#include "store/io/library_result.h"
#include "store/library/library_format.h"

#include <array>
#include <cstdint>

namespace zm {

// The blocks of one event, first to last.
struct BlockChain {
    int count = 0;
    std::array<uint16_t, libfmt::kMaxChainBlocks> blocks{};
};

class BlockIndex {
public:
    static constexpr uint16_t kHeadBit = 0x8000;
    static constexpr uint16_t kLinkMask = 0x7FFF;
    static constexpr uint16_t kEndOfChain = 0x7FFF;

    BlockIndex() { Clear(); }

    void Clear() { e_.fill(0); }
    uint16_t Entry(int n) const { return e_[static_cast<size_t>(n)]; }
    void SetEntry(int n, uint16_t value) { e_[static_cast<size_t>(n)] = value; }
    static bool IsBlockNumber(int n) { return n >= 1 && n <= libfmt::kLastBlock; }
    // Block n (1 ... 3999) is the first block of an event.
    bool IsHead(int n) const { return IsBlockNumber(n) && (Entry(n) & kHeadBit) != 0; }

    // Follows the chain that starts at `first`, at most 20 blocks. The chain is broken when it
    // reaches a block number of 0 or of 4000 and above, runs into the first block of another
    // event, or has not ended after 20 blocks. Whether `first` itself is marked as a first
    // block is not looked at. Returns false for a broken chain.
    bool Chain(int first, BlockChain& out) const;
    // The number of blocks of the chain, 0 when it is broken.
    int ChainLength(int first) const;

    // The lowest free block above `block`, or 0 when every one is taken.
    int NextFree(int above) const;
    // The blocks a new chain of `count` blocks would take: the first free block, then each
    // time the lowest free block above the previous one. False when there are not enough.
    bool PlanChain(int count, BlockChain& out) const;
    // Enters a planned chain: its first block is marked, each block names the next, the last
    // one ends the chain (a one-block event gets 0xFFFF).
    void LinkChain(const BlockChain& chain);
    // Marks every block of the chain at `first` free; Corrupted (and no change) for a broken
    // chain.
    LibraryResult FreeChain(int first);
    // Deletes the event whose first block is `first`, also when its chain is broken: its blocks
    // are freed as far as the chain can be followed, except every block that the chain of
    // another event reaches (a damaged index may link two events into one block). Corrupted
    // (and no change) unless `first` is an event's first block.
    LibraryResult FreeEvent(int first);

    // The number of events: entries 1 ... 3999 with bit 15 set.
    int CountHeads() const;
    // The highest block whose entry is not 0; 0 when every block is free.
    int HighestUsed() const;

    // The index as the file holds it: 4000 little-endian 16-bit entries.
    void Load(const unsigned char* bytes);
    void Store(unsigned char* bytes) const;

    friend bool operator==(const BlockIndex&, const BlockIndex&) = default;

private:
    // Calls `visit` with each block of the chain at `first` as far as it can be followed: up to
    // a block number outside the blocks, a free block, another event's first block or the
    // 20th step.
    template <typename Visit> void Reach(int first, Visit visit) const;

    std::array<uint16_t, libfmt::kIndexEntries> e_;
};

} // namespace zm
