#include "platform/plain/ini_text.h"
#include "platform/plain/settings_file.h"
#include "support/temp_folder.h"

#include <fstream>
#include <gtest/gtest.h>

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

} // namespace
} // namespace zm
