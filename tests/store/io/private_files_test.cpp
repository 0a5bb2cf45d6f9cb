#include "store/io/backup_rotation.h"
#include "store/io/private_files.h"
#include "store/io/side_file.h"
#include "store/io/store_file_system.h"
#include "support/temp_folder.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zm {
namespace {

using testing::TempFolder;

unsigned ModeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

// Runs with the umask given, putting the old one back afterwards.
class Umask {
public:
    explicit Umask(mode_t mask) : old_(::umask(mask)) {}
    ~Umask() { ::umask(old_); }

private:
    mode_t old_;
};

TEST(PrivateFiles, FoldersAndFilesArePrivateWhateverTheUmask) {
    TempFolder temp;
    Umask open(0);
    const std::string folder = temp.File("deeper/zantimore");
    ASSERT_EQ(CreatePrivateFolder(folder), 0);
    EXPECT_EQ(ModeOf(folder), 0700u);
    EXPECT_EQ(CreatePrivateFolder(folder), 0); // it exists: nothing to do
    const int fd = OpenNewPrivateFile(folder + "/Zantimo.VR0", O_RDWR);
    ASSERT_GE(fd, 0);
    ::close(fd);
    EXPECT_EQ(ModeOf(folder + "/Zantimo.VR0"), 0600u);
    EXPECT_EQ(CheckDataFolder(folder).access, FolderAccess::Private);
}

TEST(PrivateFiles, ANewFileNeverOpensAPlantedLinkOrFile) {
    TempFolder temp;
    const std::string victim = temp.File("victim");
    std::ofstream(victim) << "precious";
    const std::string planted = temp.File("Zantimo.VR0.new");
    ASSERT_EQ(::symlink(victim.c_str(), planted.c_str()), 0);
    EXPECT_LT(OpenNewPrivateFile(planted, O_RDWR), 0);
    EXPECT_EQ(errno, EEXIST);
    const std::string dangling = temp.File("Zantimo.TP0.new");
    ASSERT_EQ(::symlink(temp.File("not-yet").c_str(), dangling.c_str()), 0);
    EXPECT_LT(OpenNewPrivateFile(dangling, O_WRONLY), 0);
    EXPECT_FALSE(std::filesystem::exists(temp.File("not-yet")));
    std::ifstream in(victim);
    std::string text;
    in >> text;
    EXPECT_EQ(text, "precious");
}

TEST(PrivateFiles, SideFilesTheirBackupsAndTheArchiveFolderArePrivate) {
    TempFolder temp;
    Umask open(0);
    const std::string types = temp.File("Zantimo.TP0");
    const std::vector<uint8_t> bytes{1, 2, 3};
    ASSERT_EQ(WriteFileAtomically(types, bytes), FileCause::None);
    EXPECT_EQ(ModeOf(types), 0600u);
    // A file written before the data was private is kept as a private backup.
    ASSERT_EQ(::chmod(types.c_str(), 0666), 0);
    std::string kept;
    ASSERT_EQ(KeepAsBackup(types, kept), FileCause::None);
    EXPECT_EQ(ModeOf(kept), 0600u);
    PosixFileSystem files;
    ASSERT_EQ(files.CreateFolder(temp.File("Archive")), 0);
    EXPECT_EQ(ModeOf(temp.File("Archive")), 0700u);

    // A link planted under the temporary name is not written through.
    const std::string victim = temp.File("victim");
    std::ofstream(victim) << "precious";
    ASSERT_EQ(::symlink(victim.c_str(), (types + ".new").c_str()), 0);
    ASSERT_EQ(WriteFileAtomically(types, bytes), FileCause::None);
    std::ifstream in(victim);
    std::string text;
    in >> text;
    EXPECT_EQ(text, "precious");
}

TEST(PrivateFiles, TheDataFolderIsJudgedByWhoCanReadAndWriteIt) {
    TempFolder temp;
    const std::string folder = temp.File("data");
    EXPECT_EQ(CheckDataFolder(folder).access, FolderAccess::Missing);
    std::ofstream(folder) << "a file";
    EXPECT_EQ(CheckDataFolder(folder).access, FolderAccess::NotAFolder);
    EXPECT_EQ(CheckDataFolder(folder + "/below").access, FolderAccess::NotAFolder);
    std::filesystem::remove(folder);
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    const struct {
        mode_t mode;
        FolderAccess access;
    } cases[] = {
        {0700, FolderAccess::Private},        {0750, FolderAccess::OthersCanRead},
        {0755, FolderAccess::OthersCanRead},  {0770, FolderAccess::OthersCanWrite},
        {0707, FolderAccess::OthersCanWrite}, {01777, FolderAccess::OthersCanWrite},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(::chmod(folder.c_str(), c.mode), 0);
        EXPECT_EQ(CheckDataFolder(folder).access, c.access) << std::oct << c.mode;
    }
}

TEST(PrivateFiles, TheProgramsOwnFilesAreKnownByIdentityNotName) {
    TempFolder temp;
    const std::string data = temp.File("data");
    ASSERT_EQ(CreatePrivateFolder(data + "/Archive"), 0);
    for (const char* name :
         {"Zantimo.VR0", "Zantimo.TP0", "Zantimo.QE0.bak", "Archive/Zantimo.VR5", "export.csv"})
        std::ofstream(data + "/" + name) << name;
    ASSERT_EQ(::symlink((data + "/Zantimo.VR0").c_str(), temp.File("link.vr0").c_str()), 0);
    ASSERT_EQ(::link((data + "/Zantimo.TP0").c_str(), temp.File("hard.csv").c_str()), 0);
    const struct {
        std::string path;
        bool own;
    } cases[] = {
        {data + "/Zantimo.VR0", true},     {data + "/./Zantimo.VR0", true},
        {temp.File("link.vr0"), true},     {temp.File("hard.csv"), true},
        {data + "/Zantimo.QE0.bak", true}, {data + "/Archive/Zantimo.VR5", true},
        {data + "/export.csv", false},     {temp.File("missing.csv"), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsProgramDataFile(c.path, data, "Archive"), c.own) << c.path;
}

} // namespace
} // namespace zm
