#include "store/library/block_index.h"

#include "platform/byte_order.h"

#include <bitset>

namespace zm {

bool BlockIndex::Chain(int first, BlockChain& out) const {
    out.count = 0;
    int n = first;
    for (int step = 0; step < libfmt::kMaxChainBlocks; ++step) {
        if (!IsBlockNumber(n)) return false;
        const uint16_t e = Entry(n);
        // A block inside the chain that starts another event: the two are cross-linked.
        if (step > 0 && (e & kHeadBit) != 0) return false;
        out.blocks[static_cast<size_t>(out.count++)] = static_cast<uint16_t>(n);
        if ((e & kLinkMask) == kEndOfChain) return true;
        n = e & kLinkMask;
    }
    out.count = 0;
    return false;
}

int BlockIndex::ChainLength(int first) const {
    BlockChain c;
    return Chain(first, c) ? c.count : 0;
}

int BlockIndex::HighestUsed() const {
    for (int n = libfmt::kLastBlock; n >= 1; --n)
        if (Entry(n) != 0) return n;
    return 0;
}

int BlockIndex::NextFree(int above) const {
    for (int n = above + 1; n <= libfmt::kLastBlock; ++n)
        if (Entry(n) == 0) return n;
    return 0;
}

bool BlockIndex::PlanChain(int count, BlockChain& out) const {
    out.count = 0;
    if (count < 1 || count > libfmt::kMaxChainBlocks) return false;
    int n = 0;
    for (int i = 0; i < count; ++i) {
        n = NextFree(n);
        if (n == 0) return false;
        out.blocks[static_cast<size_t>(i)] = static_cast<uint16_t>(n);
    }
    out.count = count;
    return true;
}

void BlockIndex::LinkChain(const BlockChain& c) {
    for (int i = 0; i + 1 < c.count; ++i)
        SetEntry(c.blocks[i], c.blocks[i + 1]);
    SetEntry(c.blocks[c.count - 1], kEndOfChain);
    SetEntry(c.blocks[0], static_cast<uint16_t>(Entry(c.blocks[0]) | kHeadBit));
}

LibraryResult BlockIndex::FreeChain(int first) {
    BlockChain c;
    if (!Chain(first, c)) return LibraryResult::Corrupted;
    for (int i = 0; i < c.count; ++i)
        SetEntry(c.blocks[static_cast<size_t>(i)], 0);
    return LibraryResult::Ok;
}

template <typename Visit> void BlockIndex::Reach(int first, Visit visit) const {
    int n = first;
    // A loop ends with the step count like a chain that is too long.
    for (int step = 0; step < libfmt::kMaxChainBlocks && IsBlockNumber(n); ++step) {
        const uint16_t e = Entry(n);
        // Past the first block, a free block or another event's first block is not this
        // event's.
        if (step > 0 && (e == 0 || (e & kHeadBit) != 0)) return;
        visit(n);
        if ((e & kLinkMask) == kEndOfChain) return;
        n = e & kLinkMask;
    }
}

LibraryResult BlockIndex::FreeEvent(int first) {
    if (!IsHead(first)) return LibraryResult::Corrupted;
    std::bitset<libfmt::kIndexEntries> others;
    for (int n = 1; n <= libfmt::kLastBlock; ++n)
        if (n != first && IsHead(n)) Reach(n, [&](int b) { others.set(static_cast<size_t>(b)); });
    std::bitset<libfmt::kIndexEntries> own;
    Reach(first, [&](int b) {
        if (!others[static_cast<size_t>(b)]) own.set(static_cast<size_t>(b));
    });
    for (int n = 1; n <= libfmt::kLastBlock; ++n)
        if (own[static_cast<size_t>(n)]) SetEntry(n, 0);
    return LibraryResult::Ok;
}

int BlockIndex::CountHeads() const {
    int count = 0;
    for (int n = 1; n <= libfmt::kLastBlock; ++n)
        if (Entry(n) & kHeadBit) ++count;
    return count;
}

void BlockIndex::Load(const unsigned char* bytes) {
    for (size_t i = 0; i < e_.size(); ++i)
        e_[i] = GetLe16(bytes + 2 * i);
}

void BlockIndex::Store(unsigned char* bytes) const {
    for (size_t i = 0; i < e_.size(); ++i)
        PutLe16(bytes + 2 * i, e_[i]);
}

} // namespace zm
