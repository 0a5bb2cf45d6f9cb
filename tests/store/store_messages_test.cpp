// The texts of the store's boxes, the archive names, and the quick reminders taken over from a
// converted library.

#include "res/strings.h"
#include "store/quick/quick_file.h"
#include "store/quick/quick_take_over.h"
#include "store/store_messages.h"
#include "store/store_paths.h"
#include "support/temp_folder.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(StoreMessages, LibraryErrors) {
    using enum LibraryResult;
    for (LibraryResult silent :
         {Ok, Reserved1, ReminderBusy, OpenFailed, CreateFailed, TransferFileFailed})
        EXPECT_FALSE(ReportLibraryError(silent).has_value()) << silent;
    EXPECT_EQ(ReportLibraryError(Corrupted)->text, "The library is corrupted.");
    EXPECT_EQ(ReportLibraryError(ReadError)->text, "An unknown error has occurred.");
    EXPECT_EQ(ReportLibraryError(ReadError)->sound, ResultSound::Stop);
    EXPECT_EQ(ReportLibraryError(ReminderWindowFailed)->sound, ResultSound::Beep);
}

TEST(StoreMessages, FileErrorsBySystemError) {
    const std::string p = "/x/Zantimo.VR0";
    EXPECT_EQ(ReportFileError(ENOENT, p), "The system cannot find the file specified.\n" + p);
    EXPECT_EQ(ReportFileError(ENOTDIR, p), "The system cannot find the file specified.\n" + p);
    EXPECT_EQ(ReportFileError(EACCES, p), "Access is denied.\n" + p);
    EXPECT_EQ(ReportFileError(EWOULDBLOCK, p),
              "The process cannot access the file because it is being used by another "
              "process.\n" +
                  p);
    EXPECT_EQ(ReportFileError(EIO, p), "The system cannot open the file.\n" + p);
    EXPECT_EQ(ReportFileError(ENOENT, p, true),
              "The system cannot find the file specified.\nFile will be created.\n" + p);
}

TEST(StoreMessages, TheFirstStartNamesTheLibraryItsFolderAndWhatComesNext) {
    EXPECT_EQ(LibraryCreatedText("/x/Zantimo.VR0", "/x/"),
              "The system cannot find the file specified.\nFile will be created.\n/x/Zantimo.VR0"
              "\n\nYour reminders are kept in the folder\n/x\n\nThe help window opens next. To "
              "add your first reminder, choose New in the main window or in the menu of the icon "
              "beside the clock.");
}

TEST(StoreMessages, FileExceptions) {
    EXPECT_EQ(ReportFileException("Can not read file\n", "a.txt", FileCause::AccessDenied),
              "Can not read file\na.txt\n\nAccess Denied.\n");
    EXPECT_EQ(ReportFileException("", "a.txt", FileCause::EndOfFile),
              "a.txt\n\nThe end of file was reached.\n");
}

TEST(StoreMessages, AnUnreadableSideFileIsToldOnce) {
    SideFileOutcome read;
    EXPECT_FALSE(SideFileReplacedText(read, IDS_TYPES_FILE_REPLACED));
    SideFileOutcome replaced;
    replaced.replaced = true;
    replaced.keptAs = "/x/Zantimo.QE0.bak";
    EXPECT_EQ(SideFileReplacedText(replaced, IDS_QUICK_FILE_REPLACED),
              "The quick-reminder file could not be read. The list of quick reminders was "
              "emptied.\nThe unreadable file was kept as\n/x/Zantimo.QE0.bak");
    replaced.keptAs = "/x/Zantimo.TP0";
    replaced.keepCause = FileCause::AccessDenied;
    EXPECT_EQ(SideFileReplacedText(replaced, IDS_TYPES_FILE_REPLACED),
              "The event types file could not be read. The predefined types were restored.\n"
              "The unreadable file was kept as\n/x/Zantimo.TP0\n\nAccess Denied.\n");
}

TEST(StorePaths, ArchiveNamesByVersion) {
    const std::pair<uint32_t, const char*> cases[] = {
        {0x00010001, "/p/Archive/Zantimo.VR1"}, {0x00020002, "/p/Archive/Zantimo.VR2"},
        {0x00020003, "/p/Archive/Zantimo.VR3"}, {0x00020004, "/p/Archive/Zantimo.VR4"},
        {0x00020005, "/p/Archive/Zantimo.VR5"}, {0x00030000, "/p/Archive/Zantimo.VR6"}};
    for (const auto& [version, expected] : cases) {
        std::string path;
        EXPECT_EQ(ArchiveFilePath("/p/Zantimo.VR0", version, path), LibraryResult::Ok);
        EXPECT_EQ(path, expected);
    }
    std::string path;
    EXPECT_EQ(ArchiveFilePath("/p/Zantimo.VR0", 0x00030005, path), LibraryResult::InternalError);
    EXPECT_EQ(ArchiveFilePath("/p/Zantimo", 0x00020005, path), LibraryResult::InternalError);
    EXPECT_EQ(DefaultLibraryPath("", path), LibraryResult::InternalError);
    EXPECT_EQ(DefaultLibraryPath("/p", path), LibraryResult::Ok);
    EXPECT_EQ(path, "/p/Zantimo.VR0");
}

TEST(QuickTakeOver, AppendsUntilTheListIsFullAndSaves) {
    const testing::TempFolder folder;
    const std::string& pattern = folder.Path();
    QuickList list;
    for (int i = 0; i < 23; ++i) {
        QuickReminder q;
        q.menuName = "Mine " + std::to_string(i);
        list.AddWithDefaultIcon(q);
    }
    QuickListTakeOver takeOver(list, pattern);
    takeOver.TakeOver({{std::string(80, 'm'), "Tea is ready", TimeAmount(15)},
                       {"Nap", "Wake up", TimeAmount(0x10002)},
                       {"Third", "", TimeAmount(1)}});
    ASSERT_EQ(list.Count(), 25u);
    const QuickReminder& tea = list.Entries()[23];
    EXPECT_EQ(tea.menuName, std::string(64, 'm'));
    EXPECT_EQ(tea.typeName, "Alarm");
    EXPECT_EQ(tea.offset, TimeAmount(15));
    EXPECT_EQ(list.Entries()[24].menuName, "Nap");
    EXPECT_TRUE(takeOver.LastSave().Ok());

    QuickList loaded;
    EXPECT_TRUE(LoadQuickReminders(loaded, pattern).Ok());
    EXPECT_EQ(loaded.Count(), 25u);
}

} // namespace
} // namespace zm
