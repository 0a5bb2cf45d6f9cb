#include "platform/byte_order.h"
#include "store/library/library_check.h"
#include "support/library_fixture.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

using testing::EventOfSize;
using testing::MakeEvent;
using testing::MemoryLibrary;
using K = LibraryProblemKind;
} // namespace

void PrintTo(const LibraryProblem& p, std::ostream* os) {
    *os << "{kind " << static_cast<int>(p.kind) << ", key " << p.key << ", block " << p.block
        << ", code " << p.code << "}";
}

namespace {

// Events at 1, 2-3 and 4, then the file's index changed by hand.
class Check : public ::testing::Test {
protected:
    void SetUp() override {
        for (EventRecord e : {MakeEvent("a"), EventOfSize(300, "b"), MakeEvent("c")})
            ASSERT_EQ(m_.library.AddEvent(e), LibraryResult::Ok);
        m_.library.Close();
    }
    void SetEntry(int n, uint16_t v) { PutLe16(m_.bytes->data() + 256 + 2 * n, v); }
    std::vector<LibraryProblem> Verify() {
        EventLibrary lib;
        EXPECT_EQ(m_.Reopen(lib, false), LibraryResult::Ok);
        return VerifyLibrary(lib);
    }
    MemoryLibrary m_;
};

TEST_F(Check, ASoundLibraryHasNoProblems) {
    EXPECT_TRUE(Verify().empty());
}

TEST_F(Check, FindsEachKindOfProblem) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, uint16_t>> entries;
        std::vector<LibraryProblem> expected;
    };
    const Case cases[] = {
        {"chain into block 0", {{3, 0}}, {{K::BrokenChain, 2, 0}}},
        {"chain into another event", {{3, 4}}, {{K::BrokenChain, 2, 4}}},
        {"loop back to its first block", {{3, 2}}, {{K::BrokenChain, 2, 2}}},
        {"loop past the end", {{3, 5}, {5, 5}}, {{K::BlockPastEnd, 2, 5}, {K::BrokenChain, 2, 5}}},
        {"block shared by two events", {{1, 0x8003}}, {{K::BlockUsedTwice, 2, 3}}},
        {"lost block", {{9, 0x7FFF}}, {{K::LostBlock, 0, 9}, {K::BlockPastEnd, 0, 9}}},
        {"event past the end", {{7, 0xFFFF}}, {{K::BlockPastEnd, 7, 7}}},
        {"bad record", {{4, 0x7FFF}}, {{K::LostBlock, 0, 4}}},
    };
    for (const Case& c : cases) {
        const FileBytes saved = *m_.bytes;
        for (auto [n, v] : c.entries)
            SetEntry(n, v);
        EXPECT_EQ(Verify(), c.expected) << c.what;
        *m_.bytes = saved;
    }
}

TEST_F(Check, AnUnreadableRecordIsNamedWithItsCode) {
    PutLe32(m_.bytes->data() + libfmt::BlockOffset(4), 0); // record magic of event 4
    const std::vector<LibraryProblem> problems = Verify();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0], (LibraryProblem{K::UnreadableEvent, 4, 0, LibraryResult::Corrupted}));
    EXPECT_EQ(DescribeProblem(problems[0]), "Event 4 cannot be read. The library is corrupted.");
    EXPECT_EQ(DescribeProblem({K::BlockUsedTwice, 2, 3}),
              "Event 2: block 3 also belongs to another event.");
}

// The three events end at block 4; behind it the file may hold slack, which is a note, unless
// the file ends within block 4 itself.
TEST_F(Check, ATailNoEventUsesIsANoteAndABlockCutShortIsDamage) {
    const size_t whole = m_.bytes->size();
    struct Case {
        const char* what;
        size_t size;
        uint64_t slack;
        bool cut;
    };
    const Case cases[] = {
        {"whole", whole, 0, false},
        {"a block begun", whole + 100, 100, false},
        {"blocks of a change never committed", whole + 600, 600, false},
        {"the last block cut short", whole - 100, 0, true},
        {"the last block gone", whole - 256, 0, false},
    };
    const FileBytes saved = *m_.bytes;
    for (const Case& c : cases) {
        *m_.bytes = saved;
        m_.bytes->resize(c.size, 0x5A);
        EventLibrary lib;
        ASSERT_EQ(m_.Reopen(lib, false), LibraryResult::Ok) << c.what;
        EXPECT_EQ(LibrarySlack(lib), c.slack) << c.what;
        EXPECT_EQ(EndsWithinUsedBlock(lib), c.cut) << c.what;
        if (c.slack != 0) {
            EXPECT_TRUE(VerifyLibrary(lib).empty()) << c.what;
        }
    }
    EXPECT_EQ(DescribeSlack(100),
              "Note: the file ends with 100 bytes that no event uses; the next change cuts them "
              "off.");
}

} // namespace
} // namespace zm
