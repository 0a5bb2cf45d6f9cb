// The texts of the store's boxes, the archive names, and the quick reminders taken over from a
// converted library.

#include "support/temp_folder.h"
#include "store/quick/quick_file.h"
#include "store/quick/quick_take_over.h"
#include "store/store_messages.h"
#include "store/store_paths.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(StoreMessages, LibraryErrors) {
    for (LibraryResult silent : {0u, 1u, 3u, 14u, 24u})
        EXPECT_FALSE(reportLibraryError(silent).has_value()) << silent;
    EXPECT_EQ(reportLibraryError(12)->text, "The library is corrupted.");
    EXPECT_EQ(reportLibraryError(33)->text, "An unknown error has occurred.");
    EXPECT_EQ(reportLibraryError(33)->sound, ResultSound::Stop);
    EXPECT_EQ(reportLibraryError(6)->sound, ResultSound::Beep);
}

TEST(StoreMessages, FileErrorsBySystemError) {
    const std::string p = "/x/Zantimo.VR0";
    EXPECT_EQ(reportFileError(ENOENT, p), "The system cannot find the file specified.\n" + p);
    EXPECT_EQ(reportFileError(ENOTDIR, p), "The system cannot find the file specified.\n" + p);
    EXPECT_EQ(reportFileError(EACCES, p), "Access is denied.\n" + p);
    EXPECT_EQ(reportFileError(EWOULDBLOCK, p),
              "The process cannot access the file because it is being used by another "
              "process.\n" +
                  p);
    EXPECT_EQ(reportFileError(EIO, p), "The system cannot open the file.\n" + p);
    EXPECT_EQ(reportFileError(ENOENT, p, true),
              "The system cannot find the file specified.\nFile will be created.\n" + p);
}

TEST(StoreMessages, FileExceptions) {
    EXPECT_EQ(reportFileException("Can not read file\n", "a.txt", FileCause::AccessDenied),
              "Can not read file\na.txt\n\nAccess Denied.\n");
    EXPECT_EQ(reportFileException("", "a.txt", FileCause::EndOfFile),
              "a.txt\n\nThe end of file was reached.\n");
}

TEST(StorePaths, ArchiveNamesByVersion) {
    const std::pair<uint32_t, const char*> cases[] = {
        {0x00010001, "/p/Archive/Zantimo.VR1"}, {0x00020002, "/p/Archive/Zantimo.VR2"},
        {0x00020003, "/p/Archive/Zantimo.VR3"}, {0x00020004, "/p/Archive/Zantimo.VR4"},
        {0x00020005, "/p/Archive/Zantimo.VR5"}, {0x00030000, "/p/Archive/Zantimo.VR6"}};
    for (const auto& [version, expected] : cases) {
        std::string path;
        EXPECT_EQ(ArchiveFilePath("/p/Zantimo.VR0", version, path), lr::kOk);
        EXPECT_EQ(path, expected);
    }
    std::string path;
    EXPECT_EQ(ArchiveFilePath("/p/Zantimo.VR0", 0x00030005, path), lr::kInternalError);
    EXPECT_EQ(ArchiveFilePath("/p/Zantimo", 0x00020005, path), lr::kInternalError);
    EXPECT_EQ(DefaultLibraryPath("", path), lr::kInternalError);
    EXPECT_EQ(DefaultLibraryPath("/p", path), lr::kOk);
    EXPECT_EQ(path, "/p/Zantimo.VR0");
}

TEST(QuickTakeOver, AppendsUntilTheListIsFullAndSaves) {
    const testing::TempFolder folder;
    const std::string& pattern = folder.path();
    QuickList list;
    for (int i = 0; i < 23; ++i) {
        QuickReminder q;
        q.MenuName = "Mine " + std::to_string(i);
        list.addWithDefaultIcon(q);
    }
    QuickListTakeOver takeOver(list, pattern);
    takeOver.takeOver({{std::string(80, 'm'), "Tea is ready", TimeAmount(15)},
                       {"Nap", "Wake up", TimeAmount(0x10002)},
                       {"Third", "", TimeAmount(1)}});
    ASSERT_EQ(list.count(), 25u);
    const QuickReminder& tea = list.entries()[23];
    EXPECT_EQ(tea.MenuName, std::string(64, 'm'));
    EXPECT_EQ(tea.TypeName, "Alarm");
    EXPECT_EQ(tea.Offset, TimeAmount(15));
    EXPECT_EQ(list.entries()[24].MenuName, "Nap");
    EXPECT_TRUE(takeOver.lastSave().ok());

    QuickList loaded;
    EXPECT_TRUE(loadQuickReminders(loaded, pattern).ok());
    EXPECT_EQ(loaded.count(), 25u);
}

} // namespace
} // namespace zm
