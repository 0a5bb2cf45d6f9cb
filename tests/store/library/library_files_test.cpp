// The library on real files: creating, reopening, and the lock that keeps out a second writer.

#include "support/library_fixture.h"
#include "support/temp_folder.h"
#include "store/library/event_library.h"

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
    testing::TempFolder folder;
    fs::path dir = folder.path();
    std::string path = folder.file("Zantimo.VR0");
};

TEST_F(LibraryFiles, CreateAddCloseAndReadBack) {
    EventLibrary lib;
    ASSERT_EQ(lib.create(path), lr::kOk);
    EXPECT_EQ(fs::file_size(path), 8256u);
    EventRecord e = testing::MakeEvent("Zahnarzt", 400);
    ASSERT_EQ(lib.addEvent(e), lr::kOk);
    lib.close();
    EXPECT_EQ(fs::file_size(path), 8256u + 3 * 256u);

    uint32_t version = 0;
    EXPECT_EQ(ReadLibraryVersion(path, version), lr::kOk);
    EXPECT_EQ(version, 0x00030005u);

    ASSERT_EQ(lib.open(path), lr::kOk);
    EventRecord back = EventRecord::ForKey(e.Key);
    ASSERT_EQ(lib.readEvent(back), lr::kOk);
    EXPECT_EQ(back.Name, "Zahnarzt");
    EXPECT_EQ(back.Id, e.Id);
    EXPECT_NE(back.Id, 0u);
}

TEST_F(LibraryFiles, AMissingFileIsReportedAsNotFound) {
    EventLibrary lib;
    EXPECT_EQ(lib.open(path), lr::kOpenFailed);
    EXPECT_EQ(lib.lastFileFailure().kind, FileFailureKind::NotFound);
    EXPECT_FALSE(lib.isOpen());
    EXPECT_EQ(lib.create((dir / "no-such-folder" / "x.VR0").string()), lr::kCreateFailed);
    EXPECT_EQ(lib.lastFileFailure().kind, FileFailureKind::NotFound);
    uint32_t version;
    FileFailure why;
    EXPECT_EQ(ReadLibraryVersion(path, version, &why), lr::kOpenFailed);
    EXPECT_EQ(why.kind, FileFailureKind::NotFound);
    EXPECT_EQ(lib.open(dir.string()), lr::kOpenFailed); // a folder is no library
}

TEST_F(LibraryFiles, ASecondWriterIsRefusedButReadersAreNot) {
    EventLibrary first;
    ASSERT_EQ(first.create(path), lr::kOk);
    EventRecord e = testing::MakeEvent("held");
    ASSERT_EQ(first.addEvent(e), lr::kOk);

    EventLibrary second;
    EXPECT_EQ(second.open(path), lr::kLibraryInUse);
    EXPECT_EQ(second.lastFileFailure().kind, FileFailureKind::InUse);
    EXPECT_FALSE(second.isOpen());
    // Creating over a library in use must not empty it.
    EXPECT_EQ(second.create(path), lr::kLibraryInUse);
    EXPECT_EQ(fs::file_size(path), 8256u + 256u);

    EventLibrary reader;
    ASSERT_EQ(reader.open(path, FileMode::ReadOnly), lr::kOk);
    EventRecord r = EventRecord::ForKey(e.Key);
    EXPECT_EQ(reader.readEvent(r), lr::kOk);
    EXPECT_EQ(r.Name, "held");
    uint32_t version;
    EXPECT_EQ(second.readVersion(path, version), lr::kOk);

    first.close();
    EXPECT_EQ(second.open(path), lr::kOk);
}

TEST_F(LibraryFiles, AnotherProcessIsRefusedWhileTheLibraryIsOpen) {
    EventLibrary lib;
    ASSERT_EQ(lib.create(path), lr::kOk);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The child inherits the open library; a fresh open of its own must still be refused.
        EventLibrary other;
        const LibraryResult rc = other.open(path);
        _exit(rc == lr::kLibraryInUse ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(LibraryFiles, OpenForConversionTakesOldVersionsReadOnly) {
    {
        std::ofstream f(path, std::ios::binary);
        unsigned char header[8256] = {};
        WriteLibraryHeader(header, 0x00030000);
        f.write(reinterpret_cast<const char*>(header), sizeof header);
    }
    EventLibrary lib;
    EXPECT_EQ(lib.open(path), lr::kOldVersion);
    ASSERT_EQ(lib.openForConversion(path), lr::kOk);
    EXPECT_EQ(lib.version(), 0x00030000u);
    EXPECT_FALSE(lib.isWritable());
    // A converted file is not locked: the new library may be created beside it.
    EventLibrary writer;
    EXPECT_EQ(writer.open(path), lr::kOldVersion);
}

} // namespace
} // namespace zm
