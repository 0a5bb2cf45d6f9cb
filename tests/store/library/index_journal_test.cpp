#include "store/library/index_journal.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

JournalImage Sample() {
    JournalImage image;
    image.librarySize = 8256 + 3 * 256;
    for (size_t i = 0; i < image.oldIndex.size(); ++i)
        image.oldIndex[i] = static_cast<unsigned char>(i * 7);
    return image;
}

TEST(IndexJournal, AWholeJournalGivesBackItsIndex) {
    const std::optional<JournalImage> read = DecodeJournal(EncodeJournal(Sample()));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->librarySize, Sample().librarySize);
    EXPECT_EQ(read->oldIndex, Sample().oldIndex);
}

TEST(IndexJournal, ATornOrForeignJournalIsNone) {
    const std::vector<unsigned char> whole = EncodeJournal(Sample());
    // Cut short at a page, a zeroed page that never reached the disk, a flipped bit, another
    // file's magic, a longer file.
    std::vector<std::vector<unsigned char>> bad(5, whole);
    bad[0].resize(4096);
    std::fill(bad[1].begin() + 4096, bad[1].end(), 0);
    bad[2][5000] ^= 0x10;
    bad[3][0] = 'X';
    bad[4].push_back(0);
    for (const auto& bytes : bad)
        EXPECT_FALSE(DecodeJournal(bytes));
    EXPECT_FALSE(DecodeJournal({}));
}

} // namespace
} // namespace zm
