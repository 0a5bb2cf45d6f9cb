#include "adapters/plain/ini_text.h"
#include "adapters/plain/settings_file.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zm {
namespace {

TEST(SettingsFile, TheFilesAreWhereQSettingsLooks) {
    struct Case {
        const char* xdg;
        const char* home;
        const char* user;
    };
    const Case cases[] = {{nullptr, "/home/a", "/home/a/.config/"},
                          {"", "/home/a", "/home/a/.config/"},
                          {"/cfg", "/home/a", "/cfg/"},
                          {"rel", "/home/a", "rel/"},
                          {nullptr, "/", "/.config/"},
                          {nullptr, nullptr, "/.config/"}};
    for (const Case& c : cases) {
        const auto files = ProgramSettingsFilesFrom(c.xdg, c.home);
        ASSERT_EQ(files.size(), 4u);
        EXPECT_EQ(files[0], std::string(c.user) + "Orvendal/Zantimore Pro.conf");
        EXPECT_EQ(files[1], std::string(c.user) + "Orvendal.conf");
        EXPECT_EQ(files[2], "/etc/xdg/Orvendal/Zantimore Pro.conf");
    }
}

TEST(SettingsFile, TheApplicationsFileComesBeforeTheMakersAndWritesGoToTheWriter) {
    testing::TempFolder folder;
    std::ofstream(folder.File("app.conf")) << "[Calendar]\nWorkWeek=31\n";
    std::ofstream(folder.File("maker.conf")) << "[Calendar]\nWorkWeek=7\nCheckWeekendEvents=true\n";
    std::vector<std::pair<std::string, std::string>> written;
    FileSettings settings(
        {folder.File("app.conf"), folder.File("missing.conf"), folder.File("maker.conf")},
        [&](std::string_view key, std::string_view value) {
            written.emplace_back(key, value);
            return true;
        });
    EXPECT_EQ(settings.Read("Calendar/WorkWeek"), "31");
    EXPECT_EQ(settings.Read("Calendar/CheckWeekendEvents"), "true");
    EXPECT_EQ(settings.Read("Calendar/Nothing"), std::nullopt);
    settings.Write("Calendar/WorkWeek", "62");
    EXPECT_EQ(written.size(), 1u);
    EXPECT_EQ(settings.Read("Calendar/WorkWeek"), "62");

    FileSettings refusing({folder.File("app.conf")}, [](auto, auto) { return false; });
    refusing.Write("Calendar/WorkWeek", "62");
    EXPECT_EQ(refusing.Read("Calendar/WorkWeek"), "31");
}

TEST(SettingsFile, HandWrittenIniLinesReadAsQSettingsReadsThem) {
    const auto values = ParseIniSettings("\xEF\xBB\xBF; a comment\r\n"
                                         "top = plain value  \r\n"
                                         "[Sec%20tion]\n"
                                         "a%U20ACb\\c=\"quoted, with comma\" ; trailing comment\n"
                                         "esc=tab\\there\\x41\\101\\\"\n"
                                         "list=one, two\n"
                                         "at=@@home\n"
                                         "bytes=@ByteArray(\\xc3\\xa9)\n"
                                         "[general]\n"
                                         "late=1\n"
                                         "[%General]\n"
                                         "x=g\n");
    const std::map<std::string, std::string, std::less<>> expected = {
        {"top", "plain value"},
        {"Sec tion/a\xE2\x82\xAC"
         "b/c",
         "quoted, with comma"},
        {"Sec tion/esc", "tab\there"
                         "AA\""},
        {"Sec tion/list", ""},
        {"Sec tion/at", "@home"},
        {"Sec tion/bytes", "\xC3\xA9"},
        {"late", "1"},
        {"General/x", "g"}};
    EXPECT_EQ(values, expected);
}

// Only regular files of a settings file's size are read, without blocking on a pipe; each
// file passed over is told once and its settings read as defaults.
TEST(SettingsFile, OnlyRegularFilesOfASettingsFilesSizeAreRead) {
    testing::TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.File("pipe.conf").c_str(), 0600), 0);
    std::filesystem::create_symlink(folder.File("pipe.conf"), folder.File("link.conf"));
    std::filesystem::create_symlink(folder.File("nowhere"), folder.File("dangling.conf"));
    std::ofstream(folder.File("huge.conf")) << "[Calendar]\nWorkWeek=7\n"
                                            << std::string(kMaxSettingsFileBytes, ';');
    std::ofstream(folder.File("app.conf")) << "[Calendar]\nWorkWeek=31\n";
    std::filesystem::create_symlink(folder.File("app.conf"), folder.File("app-link.conf"));

    std::vector<std::pair<std::string, SmallFileState>> unread;
    const FileSettings settings(
        {folder.File("pipe.conf"), folder.File("link.conf"), folder.File("dangling.conf"),
         folder.File("huge.conf"), folder.File("missing.conf"), folder.File("app-link.conf")},
        {},
        [&](const std::string& path, SmallFileState state) { unread.emplace_back(path, state); });
    EXPECT_EQ(settings.Read("Calendar/WorkWeek"), "31") << "a link to a regular file is followed";
    EXPECT_EQ(settings.Read("Calendar/Other"), std::nullopt);
    const std::vector<std::pair<std::string, SmallFileState>> expected{
        {folder.File("pipe.conf"), SmallFileState::NotRegular},
        {folder.File("link.conf"), SmallFileState::NotRegular},
        {folder.File("dangling.conf"), SmallFileState::NotRegular},
        {folder.File("huge.conf"), SmallFileState::TooLarge}};
    EXPECT_EQ(unread, expected);
}

} // namespace
} // namespace zm
