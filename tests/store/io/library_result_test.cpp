#include "store/io/library_result.h"

#include <gtest/gtest.h>

#include "res/strings.h"

namespace zm {
namespace {

TEST(MessageOf, FollowsTheResultTable) {
    struct Case {
        LibraryResult code;
        int id;
        ResultSound sound;
    };
    const Case cases[] = {
        {0, 0, ResultSound::None},
        {1, 0, ResultSound::None},
        {3, 0, ResultSound::None},
        {9, 0, ResultSound::None},
        {14, 0, ResultSound::None},
        {24, 0, ResultSound::None},
        {4, IDS_ERR_DISK_FULL, ResultSound::Stop},
        {6, IDS_ERR_UNKNOWN, ResultSound::Beep},
        {10, IDS_ERR_NO_RESOURCES, ResultSound::None},
        {11, IDS_ERR_NO_RESOURCES, ResultSound::None},
        {12, IDS_ERR_LIBRARY_CORRUPTED, ResultSound::None},
        {13, IDS_ERR_EVENT_TOO_LARGE, ResultSound::None},
        {15, IDS_ERR_VERSION_UNKNOWN, ResultSound::None},
        {20, IDS_ERR_LIBRARY_FULL, ResultSound::None},
        {21, IDS_ERR_UNEXPECTED_FORMAT, ResultSound::None},
        {22, IDS_ERR_OLD_VERSION, ResultSound::None},
        {26, IDS_ERR_INTERNAL, ResultSound::None},
        {27, IDS_ERR_NOT_IMPLEMENTED, ResultSound::None},
        {31, IDS_ERR_SEEK, ResultSound::None},
        {32, IDS_ERR_LIBRARY_IN_USE, ResultSound::None},
        {80, IDS_ERR_OUT_OF_MEMORY, ResultSound::None},
        {33, IDS_ERR_UNKNOWN, ResultSound::Stop},
        {34, IDS_ERR_UNKNOWN, ResultSound::Stop},
        {0xFFFFFFFF, IDS_ERR_UNKNOWN, ResultSound::Stop},
    };
    for (const Case& c : cases) {
        const ResultMessage m = MessageOf(c.code);
        EXPECT_EQ(m.stringId, c.id) << c.code;
        EXPECT_EQ(m.sound, c.sound) << c.code;
    }
    EXPECT_STREQ(LoadString(MessageOf(20).stringId), "Library is full");
}

} // namespace
} // namespace zm
