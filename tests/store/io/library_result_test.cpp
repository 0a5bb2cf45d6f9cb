#include "res/strings.h"
#include "store/io/library_result.h"
#include "store/io/read_result.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

namespace zm {
namespace {

TEST(MessageOf, FollowsTheResultTable) {
    using enum LibraryResult;
    struct Case {
        LibraryResult result;
        uint32_t code;
        int id;
        ResultSound sound;
    };
    const Case cases[] = {
        {Ok, 0, 0, ResultSound::None},
        {Reserved1, 1, 0, ResultSound::None},
        {Reserved2, 2, 0, ResultSound::None},
        {ReminderBusy, 3, 0, ResultSound::None},
        {Reserved9, 9, 0, ResultSound::None},
        {OpenFailed, 14, 0, ResultSound::None},
        {Reserved23, 23, 0, ResultSound::None},
        {CreateFailed, 24, 0, ResultSound::None},
        {Reserved25, 25, 0, ResultSound::None},
        {TransferFileFailed, 36, 0, ResultSound::None},
        {DiskFull, 4, IDS_ERR_DISK_FULL, ResultSound::Stop},
        {ReminderWindowFailed, 6, IDS_ERR_UNKNOWN, ResultSound::Beep},
        {ReminderUnexpected, 10, IDS_ERR_NO_RESOURCES, ResultSound::None},
        {EmptyEvent, 11, IDS_ERR_NO_RESOURCES, ResultSound::None},
        {Corrupted, 12, IDS_ERR_LIBRARY_CORRUPTED, ResultSound::None},
        {EventTooLarge, 13, IDS_ERR_EVENT_TOO_LARGE, ResultSound::None},
        {UnknownVersion, 15, IDS_ERR_VERSION_UNKNOWN, ResultSound::None},
        {LibraryFull, 20, IDS_ERR_LIBRARY_FULL, ResultSound::None},
        {BadFormat, 21, IDS_ERR_UNEXPECTED_FORMAT, ResultSound::None},
        {OldVersion, 22, IDS_ERR_OLD_VERSION, ResultSound::None},
        {InternalError, 26, IDS_ERR_INTERNAL, ResultSound::None},
        {NotImplemented, 27, IDS_ERR_NOT_IMPLEMENTED, ResultSound::None},
        {SeekError, 31, IDS_ERR_SEEK, ResultSound::None},
        {LibraryInUse, 32, IDS_ERR_LIBRARY_IN_USE, ResultSound::None},
        {OutOfMemory, 80, IDS_ERR_OUT_OF_MEMORY, ResultSound::None},
        {ReadError, 33, IDS_ERR_UNKNOWN, ResultSound::Stop},
        {WriteError, 34, IDS_ERR_UNKNOWN, ResultSound::Stop},
        {static_cast<LibraryResult>(0xFFFFFFFF), 0xFFFFFFFF, IDS_ERR_UNKNOWN, ResultSound::Stop},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CodeOf(c.result), c.code) << c.result;
        const ResultMessage m = MessageOf(c.result);
        EXPECT_EQ(m.stringId, c.id) << c.result;
        EXPECT_EQ(m.sound, c.sound) << c.result;
    }
    // Every named result is a case above, and the table lists each code once, in order.
    std::set<std::string> names;
    uint32_t previous = 0;
    for (const ResultEntry& e : AllResults()) {
        EXPECT_TRUE(e.result == Ok || CodeOf(e.result) > previous) << e.result;
        previous = CodeOf(e.result);
        EXPECT_TRUE(names.insert(e.name).second) << e.name;
        EXPECT_NE(std::find_if(std::begin(cases), std::end(cases),
                               [&](const Case& c) { return c.result == e.result; }),
                  std::end(cases))
            << e.result;
    }
    EXPECT_EQ(names.size() + 1, std::size(cases));
    EXPECT_STREQ(LoadString(MessageOf(LibraryFull).stringId), "Library is full");
}

TEST(LibraryResult, PrintsItsNameAndCode) {
    std::ostringstream out;
    out << LibraryResult::Corrupted << ", " << static_cast<LibraryResult>(77);
    EXPECT_EQ(out.str(), "Corrupted (12), unknown (77)");
}

TEST(ReadResult, HoldsTheValueOrTheFailure) {
    ReadResult<std::string> read = std::string("Dentist");
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.Code(), LibraryResult::Ok);
    EXPECT_EQ(read->size(), 7u);
    EXPECT_EQ(std::move(read).Value(), "Dentist");

    const ReadResult<std::string> failed = LibraryResult::Corrupted;
    EXPECT_FALSE(failed.Ok());
    EXPECT_EQ(failed.Code(), LibraryResult::Corrupted);
    EXPECT_DEATH(static_cast<void>(failed.Value()), "");
    // Success is no failure: a result built from it cannot pass for a read.
    const ReadResult<std::string> misused = LibraryResult::Ok;
    EXPECT_FALSE(misused.Ok());
    EXPECT_EQ(misused.Code(), LibraryResult::InternalError);
}

} // namespace
} // namespace zm
