#include "store/io/file_cause.h"
#include "store/text/no_case.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(NoCaseTest, FoldsLatinGreekAndCyrillicLetters) {
    struct Case {
        const char* a;
        const char* b;
        bool equal;
    } cases[] = {
        {"Birthday", "bIRTHDAY", true}, {"ÄÖÜ Ça", "äöü ça", true},       {"ŁÓDŹ", "łódź", true},
        {"ΑΘΗΝΑ", "αθηνα", true},       {"МОСКВА Ёж", "москва ёж", true}, {"Call", "Calls", false},
        {"straße", "STRASSE", false},   {"a\xFF", "A\xFF", true},         {"", "", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NoCaseEqual(c.a, c.b), c.equal) << c.a << " / " << c.b;
        EXPECT_EQ(NoCaseKey(c.a) == NoCaseKey(c.b), c.equal) << c.a << " / " << c.b;
    }
}

TEST(NoCaseTest, OrdersWithoutRegardToCase) {
    EXPECT_TRUE(NoCaseLess("apple", "Banana"));
    EXPECT_TRUE(NoCaseLess("Travel", "TV program"));
    EXPECT_FALSE(NoCaseLess("b", "A"));
    EXPECT_TRUE(NoCaseLess("Alarm", "alarm") != NoCaseLess("alarm", "Alarm")); // a strict order
}

TEST(NoCaseTest, TrimsBlanksAtBothEnds) {
    EXPECT_EQ(TrimBlanks("  Work \t\n"), "Work");
    EXPECT_EQ(TrimBlanks(" \t "), "");
    EXPECT_EQ(TrimBlanks("a b"), "a b");
}

TEST(FileCauseTest, MessageNamesTheFileAndTheCause) {
    EXPECT_EQ(
        FileExceptionMessage("Can not read file\n", "/home/u/Zantimo.TP0", FileCause::AccessDenied),
        "Can not read file\n/home/u/Zantimo.TP0\n\nAccess Denied.\n");
    EXPECT_STREQ(FileCauseText(FileCause::EndOfFile), "The end of file was reached.\n");
    EXPECT_STREQ(FileCauseText(FileCause::DiskFull), "An unknown error occurred.");
    EXPECT_EQ(FileCauseFromErrno(ENOENT), FileCause::FileNotFound);
    EXPECT_EQ(FileCauseFromErrno(EACCES), FileCause::AccessDenied);
    EXPECT_EQ(FileCauseFromErrno(EIO), FileCause::HardIO);
}

} // namespace
} // namespace zm
