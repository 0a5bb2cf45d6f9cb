#include "store/library/block_index.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>

namespace zm {
namespace {

BlockIndex With(std::initializer_list<std::pair<int, uint16_t>> entries) {
    BlockIndex index;
    for (auto [n, v] : entries)
        index.SetEntry(n, v);
    return index;
}

TEST(BlockIndex, CountsChainsAndFindsBrokenOnes) {
    struct Case {
        const char* what;
        BlockIndex index;
        int first;
        int length; // 0 = broken
    };
    BlockIndex twenty, twentyOne;
    for (int n = 1; n < 20; ++n)
        twenty.SetEntry(n, static_cast<uint16_t>(n + 1));
    twenty.SetEntry(1, 0x8002);
    twenty.SetEntry(20, 0x7FFF);
    twentyOne = twenty;
    twentyOne.SetEntry(20, 21);
    twentyOne.SetEntry(21, 0x7FFF);
    const Case cases[] = {
        {"one block", With({{5, 0xFFFF}}), 5, 1},
        {"three blocks", With({{1, 0x8003}, {3, 7}, {7, 0x7FFF}}), 1, 3},
        {"twenty blocks", twenty, 1, 20},
        {"twenty-one blocks", twentyOne, 1, 0},
        {"loop", With({{1, 0x8002}, {2, 1}}), 1, 0},
        {"loop on itself", With({{1, 0x8001}}), 1, 0},
        {"runs into block 0", With({{1, 0x8002}, {2, 0}}), 1, 0},
        {"names block 4000", With({{1, 0x8000 | 4000}}), 1, 0},
        {"names block 0x7FFE", With({{1, 0x8000 | 0x7FFE}}), 1, 0},
        {"runs into another event", With({{1, 0x8002}, {2, 0xFFFF}}), 1, 0},
        {"first block number 0", BlockIndex(), 0, 0},
        {"first block number 4000", BlockIndex(), 4000, 0},
        {"chain not marked as an event", With({{9, 0x7FFF}}), 9, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.index.ChainLength(c.first), c.length) << c.what;
}

TEST(BlockIndex, PlansChainsInRisingFreeBlocks) {
    BlockIndex index = With({{1, 0xFFFF}, {3, 0xFFFF}, {4, 0xFFFF}});
    BlockChain c;
    ASSERT_TRUE(index.PlanChain(3, c));
    EXPECT_EQ(c.count, 3);
    EXPECT_EQ(c.blocks[0], 2);
    EXPECT_EQ(c.blocks[1], 5);
    EXPECT_EQ(c.blocks[2], 6);
    index.LinkChain(c);
    EXPECT_EQ(index.Entry(2), 0x8005);
    EXPECT_EQ(index.Entry(5), 6);
    EXPECT_EQ(index.Entry(6), 0x7FFF);
    EXPECT_EQ(index.ChainLength(2), 3);

    BlockChain one;
    ASSERT_TRUE(index.PlanChain(1, one));
    index.LinkChain(one);
    EXPECT_EQ(index.Entry(7), 0xFFFF);
    EXPECT_EQ(index.CountHeads(), 5);
}

TEST(BlockIndex, PlanningFailsWhenTooFewBlocksAreFree) {
    BlockIndex index;
    for (int n = 1; n <= 3998; ++n)
        index.SetEntry(n, 0xFFFF);
    BlockChain c;
    EXPECT_FALSE(index.PlanChain(2, c));
    EXPECT_TRUE(index.PlanChain(1, c));
    EXPECT_EQ(c.blocks[0], 3999);
    index.SetEntry(3999, 0xFFFF);
    EXPECT_FALSE(index.PlanChain(1, c));
    EXPECT_EQ(index.NextFree(0), 0);
    EXPECT_FALSE(index.PlanChain(21, c));
}

TEST(BlockIndex, FreeingClearsTheWholeChainOrNothing) {
    BlockIndex index = With({{1, 0x8003}, {3, 7}, {7, 0x7FFF}, {2, 0xFFFF}});
    EXPECT_EQ(index.FreeChain(1), LibraryResult::Ok);
    EXPECT_EQ(index, With({{2, 0xFFFF}}));

    BlockIndex crossLinked = With({{1, 0x8002}, {2, 0xFFFF}});
    const BlockIndex before = crossLinked;
    EXPECT_EQ(crossLinked.FreeChain(1), LibraryResult::Corrupted);
    EXPECT_EQ(crossLinked, before);
}

TEST(BlockIndex, DeletingADamagedEventLeavesEveryOtherEventsBlocks) {
    // Event 2 is damaged in each case; event 5 (blocks 5 and 6) is whole.
    const BlockIndex whole = With({{5, 0x8006}, {6, 0x7FFF}});
    const struct {
        const char* what;
        BlockIndex index;
    } cases[] = {
        {"loop", With({{2, 0x8003}, {3, 2}})},
        {"runs into a free block", With({{2, 0x8003}, {3, 4}})},
        {"names block 4000", With({{2, 0x8000 | 4000}})},
        {"runs into another event", With({{2, 0x8003}, {3, 5}})},
        {"shares another event's last block", With({{2, 0x8003}, {3, 6}})},
    };
    for (const auto& c : cases) {
        BlockIndex index = c.index;
        for (int n : {5, 6})
            if (index.Entry(n) == 0) index.SetEntry(n, whole.Entry(n));
        EXPECT_EQ(index.FreeEvent(2), LibraryResult::Ok) << c.what;
        EXPECT_EQ(index.Entry(2), 0) << c.what;
        EXPECT_EQ(index.Entry(3), 0) << c.what;
        EXPECT_EQ(index.ChainLength(5), 2) << c.what;
    }
    BlockIndex notAnEvent = With({{3, 0x7FFF}});
    EXPECT_EQ(notAnEvent.FreeEvent(3), LibraryResult::Corrupted);
    EXPECT_EQ(notAnEvent.Entry(3), 0x7FFF);
}

TEST(BlockIndex, StoresLittleEndianEntries) {
    BlockIndex index = With({{1, 0x8002}, {2, 0x7FFF}});
    unsigned char bytes[8000] = {};
    index.Store(bytes);
    EXPECT_EQ(bytes[2], 0x02);
    EXPECT_EQ(bytes[3], 0x80);
    EXPECT_EQ(bytes[4], 0xFF);
    EXPECT_EQ(bytes[5], 0x7F);
    BlockIndex back;
    back.Load(bytes);
    EXPECT_EQ(back, index);
}

} // namespace
} // namespace zm
