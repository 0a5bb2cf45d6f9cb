#include "store/library/library_check.h"

#include "res/strings.h"

#include <array>
#include <cstdio>

namespace zm {
namespace {

bool PastEnd(int block, uint64_t fileSize) {
    return libfmt::BlockOffset(block) + libfmt::kBlockSize > fileSize;
}

} // namespace

std::vector<LibraryProblem> VerifyLibrary(const EventLibrary& library) {
    std::vector<LibraryProblem> problems;
    if (!library.IsOpen()) return problems;
    const BlockIndex& index = library.Index();
    uint64_t fileSize = 0;
    if (library.FileSize(fileSize) != LibraryResult::Ok) fileSize = 0;
    std::array<uint16_t, libfmt::kIndexEntries> owner{};

    for (int key = 1; key <= libfmt::kLastBlock; ++key) {
        if (!index.IsHead(key)) continue;
        const auto k = static_cast<uint16_t>(key);
        bool whole = false;
        bool pastEnd = false;
        bool shared = false;
        int n = key;
        for (int step = 0; step < libfmt::kMaxChainBlocks; ++step) {
            if (!BlockIndex::IsBlockNumber(n) || (step > 0 && index.IsHead(n))) {
                problems.push_back({LibraryProblemKind::BrokenChain, k,
                                    static_cast<uint16_t>(BlockIndex::IsBlockNumber(n) ? n : 0)});
                break;
            }
            auto& own = owner[static_cast<size_t>(n)];
            if (own == k) { // back to a block of its own: a loop
                problems.push_back({LibraryProblemKind::BrokenChain, k, static_cast<uint16_t>(n)});
                break;
            }
            // Each kind of problem is told once per event, at the first block that shows it.
            if (own != 0) {
                if (!shared)
                    problems.push_back(
                        {LibraryProblemKind::BlockUsedTwice, k, static_cast<uint16_t>(n)});
                shared = true;
            } else {
                own = k;
            }
            if (PastEnd(n, fileSize)) {
                if (!pastEnd)
                    problems.push_back(
                        {LibraryProblemKind::BlockPastEnd, k, static_cast<uint16_t>(n)});
                pastEnd = true;
            }
            const uint16_t e = index.Entry(n);
            if ((e & BlockIndex::kLinkMask) == BlockIndex::kEndOfChain) {
                whole = true;
                break;
            }
            n = e & BlockIndex::kLinkMask;
            if (step + 1 == libfmt::kMaxChainBlocks)
                problems.push_back({LibraryProblemKind::BrokenChain, k, 0});
        }
        if (!whole || pastEnd) continue;
        const LibraryResult rc = library.ReadEvent(k).Code();
        if (rc != LibraryResult::Ok)
            problems.push_back({LibraryProblemKind::UnreadableEvent, k, 0, rc});
    }

    for (int n = 1; n <= libfmt::kLastBlock; ++n) {
        if (index.Entry(n) == 0 || owner[static_cast<size_t>(n)] != 0) continue;
        const auto b = static_cast<uint16_t>(n);
        problems.push_back({LibraryProblemKind::LostBlock, 0, b});
        if (PastEnd(n, fileSize)) problems.push_back({LibraryProblemKind::BlockPastEnd, 0, b});
    }
    return problems;
}

uint64_t LibrarySlack(const EventLibrary& library) {
    uint64_t size = 0;
    if (!library.IsOpen() || library.FileSize(size) != LibraryResult::Ok) return 0;
    const uint64_t used = libfmt::UsedLength(library.Index().HighestUsed());
    return size > used ? size - used : 0;
}

std::string DescribeSlack(uint64_t bytes) {
    char text[256];
    std::snprintf(text, sizeof text, LoadString(IDS_CHECK_SLACK), static_cast<int>(bytes));
    return text;
}

bool EndsWithinUsedBlock(const EventLibrary& library) {
    uint64_t size = 0;
    if (!library.IsOpen() || library.FileSize(size) != LibraryResult::Ok) return false;
    if (size <= libfmt::kEmptyFileSize || (size - libfmt::kEmptyFileSize) % libfmt::kBlockSize == 0)
        return false;
    const auto cut = static_cast<int>((size - libfmt::BlockOffset(0)) / libfmt::kBlockSize);
    return BlockIndex::IsBlockNumber(cut) && library.Index().Entry(cut) != 0;
}

std::string DescribeProblem(const LibraryProblem& p) {
    char text[256];
    switch (p.kind) {
    case LibraryProblemKind::BrokenChain:
        std::snprintf(text, sizeof text, LoadString(IDS_CHECK_BROKEN_CHAIN), p.key);
        break;
    case LibraryProblemKind::UnreadableEvent:
        std::snprintf(text, sizeof text, LoadString(IDS_CHECK_UNREADABLE_EVENT), p.key);
        break;
    case LibraryProblemKind::BlockUsedTwice:
        std::snprintf(text, sizeof text, LoadString(IDS_CHECK_BLOCK_USED_TWICE), p.key, p.block);
        break;
    case LibraryProblemKind::BlockPastEnd:
        std::snprintf(text, sizeof text, LoadString(IDS_CHECK_BLOCK_PAST_END), p.block);
        break;
    case LibraryProblemKind::LostBlock:
        std::snprintf(text, sizeof text, LoadString(IDS_CHECK_LOST_BLOCK), p.block);
        break;
    }
    std::string line = text;
    if (p.kind == LibraryProblemKind::UnreadableEvent) {
        const ResultMessage m = MessageOf(p.code);
        if (!m.Silent()) line += std::string(" ") + LoadString(m.stringId);
    }
    return line;
}

} // namespace zm
