#include "store/io/backup_rotation.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace zm {
namespace {

std::string Text(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(BackupRotation, TheLastThreeBackupsAreKept) {
    testing::TempFolder folder;
    const std::string path = folder.File("Zantimo.TP0");
    for (int i = 1; i <= 5; ++i) {
        std::ofstream(path) << "copy " << i;
        std::string kept;
        ASSERT_EQ(KeepAsBackup(path, kept), FileCause::None);
        EXPECT_EQ(kept, path + ".bak");
        EXPECT_FALSE(std::filesystem::exists(path));
    }
    EXPECT_EQ(Text(path + ".bak"), "copy 5");
    EXPECT_EQ(Text(path + ".bak2"), "copy 4");
    EXPECT_EQ(Text(path + ".bak3"), "copy 3");
    EXPECT_FALSE(std::filesystem::exists(path + ".bak4"));
}

TEST(BackupRotation, AFileThatCannotBeKeptStaysWhereItWas) {
    testing::TempFolder folder;
    const std::string path = folder.File("Zantimo.QE0");
    std::ofstream(path) << "unreadable";
    // Every backup name is taken by a folder that is not empty.
    for (int n = 1; n <= kKeptBackups; ++n)
        std::filesystem::create_directories(BackupName(path, n) + "/inside");
    std::string kept;
    EXPECT_NE(KeepAsBackup(path, kept), FileCause::None);
    EXPECT_TRUE(kept.empty());
    EXPECT_EQ(Text(path), "unreadable");
}

} // namespace
} // namespace zm
