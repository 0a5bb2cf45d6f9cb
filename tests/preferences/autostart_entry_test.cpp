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
    for (const char* path : {"/opt/My Apps/zantimore", "/a\"b$c'd\\e`f", "/usr/bin/zantimore"}) {
        const auto text = AutostartEntryText(path);
        ASSERT_TRUE(text);
        EXPECT_TRUE(EntryStartsProgram(*text, path)) << path;
    }
    // Written as the rules say, a "%" is "%%": the desktop checks the entry with "%%" and would
    // start the program with "%", so no entry can start such a path.
    const auto percent = AutostartEntryText("/opt/100%/zantimore");
    ASSERT_TRUE(percent);
    EXPECT_FALSE(EntryStartsProgram(*percent, "/opt/100%/zantimore"));
}

TEST(AutostartEntry, TheDesktopsCheckSplitsTheExecLineAsAShellDoes) {
    struct Case {
        const char* exec;
        std::optional<std::string> checked;
    };
    const Case cases[] = {
        {"/usr/bin/zantimore --x", "/usr/bin/zantimore"},
        {"\"/opt/My Apps/zantimore\" --x", "/opt/My Apps/zantimore"},
        {"\"/a\\\"b\\$c\\\\d\\e\"", "/a\"b$c\\d\\e"},
        {"'/opt/it''s'", "/opt/its"},
        {"/opt/my\\ apps/z", "/opt/my apps/z"},
        {"\"/opt/100%%/z\"", "/opt/100%%/z"},
        {"\"/opt/unclosed", std::nullopt},
        {"   ", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckedProgramOfExec(c.exec), c.checked) << c.exec;
}

TEST(AutostartEntry, APathTheDesktopCannotStartWritesNothingAndSaysSo) {
    testing::TempFolder folder;
    const auto entry = AutostartEntryPath(folder.Path(), "/nowhere");
    ASSERT_TRUE(entry);
    struct Case {
        const char* path;
        AutorunResult result;
    };
    const Case cases[] = {
        {"/opt/zantimore/zantimore", AutorunResult::Done},
        {"/opt/My \"Apps\"/$HOME/`z`/a\\b", AutorunResult::Done},
        {"/opt/100%/zantimore", AutorunResult::PathRefused},
        {"/opt/a\tb/zantimore", AutorunResult::PathRefused},
        {"/opt/a\nb/zantimore", AutorunResult::PathRefused},
        {"/opt/a\rb/zantimore", AutorunResult::PathRefused},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SetAutorun(*entry, c.path, true), c.result) << c.path;
        const bool done = c.result == AutorunResult::Done;
        EXPECT_EQ(std::filesystem::exists(*entry), done) << c.path;
        EXPECT_EQ(AutorunIsOn(*entry, c.path), done) << c.path;
        ASSERT_EQ(SetAutorun(*entry, c.path, false), AutorunResult::Done);
    }

    // A folder that cannot be made: not written.
    const std::filesystem::path blocked = folder.File("file");
    std::ofstream(blocked) << "x";
    EXPECT_EQ(SetAutorun(blocked / "autostart" / "zantimore.desktop", "/usr/bin/zantimore", true),
              AutorunResult::NotWritten);
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
    ASSERT_EQ(SetAutorun(*entry, program, true), AutorunResult::Done);
    EXPECT_TRUE(AutorunIsOn(*entry, program));
    EXPECT_FALSE(AutorunIsOn(*entry, "/opt/zantimore dir/other"));
    ASSERT_EQ(SetAutorun(*entry, program, false), AutorunResult::Done);
    EXPECT_FALSE(std::filesystem::exists(*entry));
    EXPECT_EQ(SetAutorun(*entry, program, false), AutorunResult::Done); // nothing to remove
}

} // namespace
} // namespace zm
