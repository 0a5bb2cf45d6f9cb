// "Load program on startup" as an entry of the autostart folder.

#include "preferences/autostart_entry.h"
#include "support/temp_folder.h"

#include <fstream>
#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(AutostartEntry, TheFolderComesFromTheEnvironment) {
    EXPECT_EQ(AutostartEntryPath("/cfg", "/home/u"), "/cfg/autostart/zantimore.desktop");
    EXPECT_EQ(AutostartEntryPath("", "/home/u"), "/home/u/.config/autostart/zantimore.desktop");
    EXPECT_EQ(AutostartEntryPath("relative", "/home/u"),
              "/home/u/.config/autostart/zantimore.desktop");
    EXPECT_FALSE(AutostartEntryPath("", ""));
}

TEST(AutostartEntry, ExecQuotesEveryPathAndReadsItBack) {
    EXPECT_EQ(QuotedExecArgument("/opt/My Apps/zantimore"), "\"/opt/My Apps/zantimore\"");
    EXPECT_EQ(QuotedExecArgument("/a\"b$c%d\\e"), "\"/a\\\\\"b\\\\$c%%d\\\\\\\\e\"");
    EXPECT_FALSE(QuotedExecArgument("/a\nb"));
    for (const char* path : {"/opt/My Apps/zantimore", "/a\"b$c%d\\e`f", "/usr/bin/zantimore"}) {
        const auto text = AutostartEntryText(path);
        ASSERT_TRUE(text);
        EXPECT_TRUE(EntryStartsProgram(*text, path)) << path;
    }
}

TEST(AutostartEntry, OnlyAnEntryNamingExactlyThisProgramCounts) {
    const std::string program = "/usr/bin/zantimore";
    EXPECT_FALSE(EntryStartsProgram("[Desktop Entry]\nExec=/usr/bin/Zantimore\n", program));
    EXPECT_FALSE(EntryStartsProgram("[Desktop Entry]\nExec=/usr/bin/zantimore2\n", program));
    EXPECT_FALSE(EntryStartsProgram("[Other]\nExec=/usr/bin/zantimore\n", program));
    EXPECT_FALSE(
        EntryStartsProgram("[Desktop Entry]\nExec=/usr/bin/zantimore\nHidden=true\n", program));
    EXPECT_TRUE(EntryStartsProgram("[Desktop Entry]\nExec=/usr/bin/zantimore --x\n", program));
}

TEST(AutostartEntry, SwitchingOnAndOffWritesAndRemovesTheEntry) {
    testing::TempFolder folder;
    const auto entry = AutostartEntryPath(folder.Path(), "/nowhere");
    ASSERT_TRUE(entry);
    const std::string program = "/opt/zantimore dir/zantimore";
    EXPECT_FALSE(AutorunIsOn(*entry, program));
    ASSERT_TRUE(SetAutorun(*entry, program, true));
    EXPECT_TRUE(AutorunIsOn(*entry, program));
    EXPECT_FALSE(AutorunIsOn(*entry, "/opt/zantimore dir/other"));
    ASSERT_TRUE(SetAutorun(*entry, program, false));
    EXPECT_FALSE(std::filesystem::exists(*entry));
    EXPECT_TRUE(SetAutorun(*entry, program, false)); // nothing to remove
}

} // namespace
} // namespace zm
