// The library on real files: creating, reopening, and the lock that keeps out a second writer.

#include "store/library/event_library.h"
#include "support/library_fixture.h"
#include "support/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace zm {
namespace {

namespace fs = std::filesystem;

class LibraryFiles : public ::testing::Test {
protected:
    testing::TempFolder folder_;
    fs::path dir_ = folder_.Path();
    std::string path_ = folder_.File("Zantimo.VR0");
};

TEST_F(LibraryFiles, CreateAddCloseAndReadBack) {
    EventLibrary lib;
    ASSERT_EQ(lib.Create(path_), LibraryResult::Ok);
    EXPECT_EQ(fs::file_size(path_), 8256u);
    EventRecord e = testing::MakeEvent("Zahnarzt", 400);
    ASSERT_EQ(lib.AddEvent(e), LibraryResult::Ok);
    lib.Close();
    EXPECT_EQ(fs::file_size(path_), 8256u + 3 * 256u);

    uint32_t version = 0;
    EXPECT_EQ(ReadLibraryVersion(path_, version), LibraryResult::Ok);
    EXPECT_EQ(version, 0x00030005u);

    ASSERT_EQ(lib.Open(path_), LibraryResult::Ok);
    const ReadResult<EventRecord> back = lib.ReadEvent(e.key);
    ASSERT_EQ(back.Code(), LibraryResult::Ok);
    EXPECT_EQ(back->name, "Zahnarzt");
    EXPECT_EQ(back->id, e.id);
    EXPECT_NE(back->id, 0u);
}

TEST_F(LibraryFiles, AMissingFileIsReportedAsNotFound) {
    EventLibrary lib;
    EXPECT_EQ(lib.Open(path_), LibraryResult::OpenFailed);
    EXPECT_EQ(lib.LastFileFailure().kind, FileFailureKind::NotFound);
    EXPECT_FALSE(lib.IsOpen());
    EXPECT_EQ(lib.Create((dir_ / "no-such-folder" / "x.VR0").string()),
              LibraryResult::CreateFailed);
    EXPECT_EQ(lib.LastFileFailure().kind, FileFailureKind::NotFound);
    uint32_t version;
    FileFailure why;
    EXPECT_EQ(ReadLibraryVersion(path_, version, &why), LibraryResult::OpenFailed);
    EXPECT_EQ(why.kind, FileFailureKind::NotFound);
    EXPECT_EQ(lib.Open(dir_.string()), LibraryResult::OpenFailed); // a folder is no library
}

TEST_F(LibraryFiles, ASecondWriterIsRefusedButReadersAreNot) {
    EventLibrary first;
    ASSERT_EQ(first.Create(path_), LibraryResult::Ok);
    EventRecord e = testing::MakeEvent("held");
    ASSERT_EQ(first.AddEvent(e), LibraryResult::Ok);

    EventLibrary second;
    EXPECT_EQ(second.Open(path_), LibraryResult::LibraryInUse);
    EXPECT_EQ(second.LastFileFailure().kind, FileFailureKind::InUse);
    EXPECT_FALSE(second.IsOpen());
    // Creating over a library in use must not empty it.
    EXPECT_EQ(second.Create(path_), LibraryResult::LibraryInUse);
    EXPECT_EQ(fs::file_size(path_), 8256u + 256u);

    EventLibrary reader;
    ASSERT_EQ(reader.Open(path_, FileMode::ReadOnly), LibraryResult::Ok);
    const ReadResult<EventRecord> r = reader.ReadEvent(e.key);
    ASSERT_EQ(r.Code(), LibraryResult::Ok);
    EXPECT_EQ(r->name, "held");
    uint32_t version;
    EXPECT_EQ(second.ReadVersion(path_, version), LibraryResult::Ok);

    first.Close();
    EXPECT_EQ(second.Open(path_), LibraryResult::Ok);
}

TEST_F(LibraryFiles, AnotherProcessIsRefusedWhileTheLibraryIsOpen) {
    EventLibrary lib;
    ASSERT_EQ(lib.Create(path_), LibraryResult::Ok);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The child inherits the open library; a fresh open of its own must still be refused.
        EventLibrary other;
        const LibraryResult rc = other.Open(path_);
        _exit(rc == LibraryResult::LibraryInUse ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(LibraryFiles, OpenForConversionTakesOldVersionsReadOnly) {
    {
        std::ofstream f(path_, std::ios::binary);
        unsigned char header[8256] = {};
        WriteLibraryHeader(header, 0x00030000);
        f.write(reinterpret_cast<const char*>(header), sizeof header);
    }
    EventLibrary lib;
    EXPECT_EQ(lib.Open(path_), LibraryResult::OldVersion);
    ASSERT_EQ(lib.OpenForConversion(path_), LibraryResult::Ok);
    EXPECT_EQ(lib.Version(), 0x00030000u);
    EXPECT_FALSE(lib.IsWritable());
    // A converted file is not locked: the new library may be created beside it.
    EventLibrary writer;
    EXPECT_EQ(writer.Open(path_), LibraryResult::OldVersion);
}

} // namespace
} // namespace zm
