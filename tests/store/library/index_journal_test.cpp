#include "store/io/store_file_system.h"
#include "store/library/index_journal.h"
#include "support/temp_folder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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

TEST(IndexJournal, TheJournalIsAPrivateFileThatFollowsNoLink) {
    testing::TempFolder temp;
    const std::string library = temp.File("Zantimo.VR0");
    const std::string victim = temp.File("victim");
    std::ofstream(victim) << "precious";
    ASSERT_EQ(::symlink(victim.c_str(), JournalPathOf(library).c_str()), 0);
    PosixFileSystem files;
    FolderJournal journal(files, library);
    const mode_t old = ::umask(0);
    const LibraryResult rc = journal.Write(EncodeJournal(Sample()));
    ::umask(old);
    ASSERT_EQ(rc, LibraryResult::Ok);
    struct stat st {};
    ASSERT_EQ(::lstat(JournalPathOf(library).c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    std::ifstream in(victim);
    std::string text;
    in >> text;
    EXPECT_EQ(text, "precious");
}

} // namespace
} // namespace zm
