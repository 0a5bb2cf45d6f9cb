#include "adapters/plain/small_file.h"
#include "adapters/qt/qt_settings.h"
#include "platform/setting_table.h"
#include "support/temp_folder.h"

#include <QSettings>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zm {
namespace {

TEST(QtSettings, ReadsWhatTheProgramStoresWithQtsOwnTypes) {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");
    {
        QSettings native(path, QSettings::IniFormat);
        native.setValue("Calendar/WorkWeek", 31);
        native.setValue("Calendar/CheckWeekendEvents", true);
    }
    const QtSettings settings(path);
    EXPECT_EQ(ReadInt(settings, SettingId::WorkWeek), 31);
    EXPECT_TRUE(ReadBool(settings, SettingId::CheckWeekendEvents));
    EXPECT_EQ(settings.Read("LastImpDateF"), std::nullopt);
    EXPECT_EQ(ReadInt(settings, SettingId::ImportDateOrder), 0);
}

TEST(QtSettings, WritesReadBackInAnotherInstance) {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");
    {
        QtSettings settings(path);
        WriteInt(settings, SettingId::WorkWeek, 0x41);
        WriteBool(settings, SettingId::CheckWeekendEvents, true);
        settings.Write("Other/Text", "caf\xC3\xA9, with a comma");
    }
    const QtSettings again(path);
    EXPECT_EQ(ReadInt(again, SettingId::WorkWeek), 0x41);
    EXPECT_TRUE(ReadBool(again, SettingId::CheckWeekendEvents));
    EXPECT_EQ(again.Read("Other/Text"), "caf\xC3\xA9, with a comma");
}

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}

// A pipe (or a link to one) under the settings file's name is neither read nor replaced: the
// settings live in memory and the user is told once.
TEST(QtSettings, ANameThatIsNotARegularFileKeepsTheSettingsInMemory) {
    testing::TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.File("pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink(folder.File("pipe"), folder.File("link.conf"));
    for (const char* name : {"pipe", "link.conf"}) {
        QtSettings settings(QString::fromStdString(folder.File(name)));
        EXPECT_TRUE(settings.InMemory()) << name;
        EXPECT_NE(settings.Problem().find("not a regular file"), std::string::npos);
        EXPECT_NE(settings.Problem().find(folder.File(name)), std::string::npos);
        WriteInt(settings, SettingId::WorkWeek, 0x41);
        EXPECT_EQ(ReadInt(settings, SettingId::WorkWeek), 0x41);
        EXPECT_TRUE(settings.Sync());
        EXPECT_TRUE(S_ISFIFO(ModeOf(folder.File("pipe"))));
    }
}

// A link to a regular file is followed and the file it points to replaced; the settings file
// and a folder made for it are private whatever the umask.
TEST(QtSettings, TheFileIsPrivateAndALinkToARegularFileIsFollowed) {
    testing::TempFolder folder;
    const mode_t umaskBefore = ::umask(0);
    {
        QtSettings settings(QString::fromStdString(folder.File("Orvendal/Zantimore Pro.conf")));
        WriteInt(settings, SettingId::WorkWeek, 0x41);
        EXPECT_TRUE(settings.Sync());
        EXPECT_EQ(settings.Problem(), "");
    }
    EXPECT_EQ(ModeOf(folder.File("Orvendal")) & 0777, 0700u);
    EXPECT_EQ(ModeOf(folder.File("Orvendal/Zantimore Pro.conf")) & 0777, 0600u);
    // QSettings also writes on its own (from the event loop, at the end), without Sync().
    const std::string other = folder.File("Orvendal/Other.conf");
    {
        QtSettings settings(QString::fromStdString(other));
        WriteInt(settings, SettingId::WorkWeek, 0x41);
    }
    EXPECT_EQ(ModeOf(other) & 0777, 0600u);

    std::ofstream(folder.File("real.conf")) << "[Calendar]\nWorkWeek=31\n";
    ::chmod(folder.File("real.conf").c_str(), 0644);
    std::filesystem::create_symlink(folder.File("real.conf"), folder.File("link.conf"));
    {
        QtSettings settings(QString::fromStdString(folder.File("link.conf")));
        EXPECT_FALSE(settings.InMemory());
        EXPECT_EQ(ReadInt(settings, SettingId::WorkWeek), 31);
        WriteInt(settings, SettingId::WorkWeek, 0x42);
        EXPECT_TRUE(settings.Sync());
    }
    ::umask(umaskBefore);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link.conf")));
    EXPECT_EQ(ModeOf(folder.File("real.conf")) & 0777, 0600u);
    EXPECT_EQ(
        ReadInt(QtSettings(QString::fromStdString(folder.File("real.conf"))), SettingId::WorkWeek),
        0x42);
}

// A file too large or too damaged to be a settings file is kept as a backup, the settings
// start from their defaults, and the user is told where the file went.
TEST(QtSettings, AnUnreadableFileIsKeptAsABackup) {
    const std::string cases[] = {
        "[Calendar]\nWorkWeek=31\n" + std::string(kMaxSettingsFileBytes, ';'),
        std::string("[Calendar]\nWorkWeek=31\n\0\x01\x02", 25),
        "[Calendar]\nWorkWeek=31\n\xff\xfe\x80 garbage\n",
    };
    for (const std::string& content : cases) {
        testing::TempFolder folder;
        const std::string path = folder.File("settings.conf");
        std::ofstream(path, std::ios::binary) << content;
        {
            QtSettings settings(QString::fromStdString(path));
            EXPECT_FALSE(settings.InMemory());
            EXPECT_EQ(ReadInt(settings, SettingId::WorkWeek), 127);
            EXPECT_NE(settings.Problem().find(path + ".bak"), std::string::npos)
                << settings.Problem();
            WriteInt(settings, SettingId::WorkWeek, 0x41);
            EXPECT_TRUE(settings.Sync());
        }
        std::ifstream backup(path + ".bak", std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(backup), {}), content);
        const QtSettings again(QString::fromStdString(path));
        EXPECT_EQ(again.Problem(), "");
        EXPECT_EQ(ReadInt(again, SettingId::WorkWeek), 0x41);
    }
}

} // namespace
} // namespace zm
