// Opening the default library: creating a missing one, converting every older version, and
// what a refused or failed conversion leaves behind.

#include "store/io/posix_file.h"
#include "store/library/event_library.h"
#include "store/store_messages.h"
#include "support/old_library_builder.h"
#include "support/store_fixture.h"
#include "support/temp_folder.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

namespace zm::testing {
namespace {

// A library with the current event layout, stamped with `version`; the events keep `ids`.
FileBytes SameLayoutFile(uint32_t version, const std::vector<std::string>& names,
                         std::vector<uint32_t>* ids = nullptr) {
    auto bytes = std::make_shared<FileBytes>();
    EventLibrary lib;
    EXPECT_EQ(lib.CreateFile(std::make_unique<MemoryFile>(bytes)), LibraryResult::Ok);
    for (const std::string& name : names) {
        EventRecord e = OneTime(At(2024, 3, 12, 9, 0));
        e.name = name;
        EXPECT_EQ(lib.AddEvent(e), LibraryResult::Ok);
        if (ids) ids->push_back(e.id);
    }
    lib.Close();
    PutLe32(bytes->data() + 10, version);
    return *bytes;
}

FileBytes OldLayoutFile(uint32_t version, const std::vector<std::string>& names,
                        const std::vector<OldQuick>& quick) {
    BlockFileBuilder b(version);
    int block = 1;
    if (!quick.empty()) {
        b.SetEntry(0, 1);
        b.PutChain(block++, OldQuickRecord(quick), false);
    }
    for (const std::string& name : names) {
        OldEvent e;
        e.name = name;
        b.PutChain(block++, e.Bytes(version));
    }
    return b.Bytes();
}

FileBytes FirstFormatFile(const std::vector<std::string>& names) {
    FirstFormatBuilder b;
    int block = 1;
    for (const std::string& name : names) {
        b.PutOther(block++);
        b.PutEvent(block++, 0, 45362.375, 3, 0, name);
    }
    b.PutQuick(0, 0, 15.0 / 1440, "Tea", "Tea is ready");
    return b.Bytes();
}

std::vector<std::string> StoredNames(const EventStore& store) {
    std::vector<std::string> names;
    EXPECT_EQ(store.ForEachStored([&](uint16_t key) {
        const ReadResult<EventRecord> e = store.ReadStored(key);
        EXPECT_EQ(e.Code(), LibraryResult::Ok);
        if (!e.Ok()) return e.Code();
        EXPECT_NE(e->id, 0u);
        names.push_back(e->name);
        return LibraryResult::Ok;
    }),
              LibraryResult::Ok);
    return names;
}

TEST_F(StoreTest, AMissingLibraryIsCreatedAndToldOnceAsInformation) {
    ASSERT_EQ(store_.OpenDefaultLibrary(), LibraryResult::Ok);
    EXPECT_TRUE(prompts_.fileErrors.empty());
    EXPECT_EQ(prompts_.created,
              std::vector<std::string>{LibraryCreatedText("/prog/Zantimo.VR0", "/prog")});
    EXPECT_EQ(fs_.BytesOf(kLibraryPath).size(), 8256u);
    EXPECT_TRUE(store_.Library().IsWritable());
    EXPECT_EQ(store_.Library().CountEvents(), 0);
}

TEST_F(StoreTest, ALibraryThatCannotBeCreatedLeavesNoFileBehind) {
    failCreateFrom_ = 2; // the index does not fit on the disk
    EXPECT_EQ(store_.OpenDefaultLibrary(), LibraryResult::DiskFull);
    EXPECT_TRUE(prompts_.created.empty()) << "nothing was made";
    EXPECT_FALSE(fs_.Exists(kLibraryPath));
    EXPECT_FALSE(fs_.Exists(kLibraryPath + std::string(".new")));
    EXPECT_FALSE(store_.Library().IsOpen());
}

TEST_F(StoreTest, ALibraryIsCreatedWholeOrNotAtAll) {
    // A short file left by a crash during an earlier creation does not stand in the way.
    fs_.Put(kLibraryPath + std::string(".new"), std::vector<unsigned char>(100, 0));
    ASSERT_EQ(store_.OpenDefaultLibrary(), LibraryResult::Ok);
    EXPECT_EQ(fs_.BytesOf(kLibraryPath).size(), 8256u);
    EXPECT_FALSE(fs_.Exists(kLibraryPath + std::string(".new")));
    EventRecord e = EventRecord::NewEvent(DateTime::FromParts(2025, 1, 1, 9, 0, 0));
    e.name = "After the move";
    EXPECT_EQ(store_.StoreNew(e), LibraryResult::Ok);
    EXPECT_EQ(StoredNames(store_), std::vector<std::string>{"After the move"});
}

TEST_F(StoreTest, OpenFailuresShowTheFileErrorBox) {
    fs_.Put(kLibraryPath, SameLayoutFile(0x00030005, {}));
    fs_.failOpen = EACCES;
    EXPECT_EQ(store_.OpenDefaultLibrary(), LibraryResult::OpenFailed);
    EXPECT_EQ(prompts_.fileErrors,
              std::vector<std::string>{"Access is denied.\n/prog/Zantimo.VR0"});

    EventStore noFolder(StoreSetup{&fs_, [] { return DateTime(); }, {}, ""});
    EXPECT_EQ(noFolder.OpenDefaultLibrary(), LibraryResult::InternalError);
}

TEST_F(StoreTest, ACurrentLibraryOpensWithoutQuestions) {
    fs_.Put(kLibraryPath, SameLayoutFile(0x00030005, {"a", "b"}));
    ASSERT_EQ(store_.OpenDefaultLibrary(), LibraryResult::Ok);
    EXPECT_TRUE(prompts_.questions.empty());
    EXPECT_TRUE(prompts_.fileErrors.empty());
    EXPECT_EQ(StoredNames(store_), (std::vector<std::string>{"a", "b"}));
}

struct ConversionCase {
    uint32_t version;
    const char* archiveName;
    size_t quickReminders;
};

class Conversion : public StoreTest, public ::testing::WithParamInterface<ConversionCase> {};

TEST_P(Conversion, KeepsTheOldFileInTheArchiveAndEveryEventInTheLibrary) {
    const ConversionCase& c = GetParam();
    const std::vector<std::string> names = {"Dentist", "Call Anna", "Zahnarzt"};
    std::vector<uint32_t> oldIds;
    FileBytes old;
    if (c.version == 0x00010001)
        old = FirstFormatFile(names);
    else if (c.version >= 0x00020005)
        old = SameLayoutFile(c.version, names, &oldIds);
    else
        old = OldLayoutFile(c.version, names, {OldQuick{}, OldQuick{1, 2, "Nap", "Wake up"}});
    fs_.Put(kLibraryPath, old);

    ASSERT_EQ(store_.OpenDefaultLibrary(), LibraryResult::Ok);
    const std::string archive = std::string("/prog/Archive/") + c.archiveName;
    EXPECT_EQ(prompts_.questions, std::vector<std::string>{ConvertQuestionText(archive)});
    EXPECT_TRUE(prompts_.fileErrors.empty());
    EXPECT_EQ(fs_.BytesOf(archive), old);
    EXPECT_TRUE(fs_.IsFolder(kArchiveFolder));
    EXPECT_EQ(store_.Library().Version(), 0x00030005u);
    EXPECT_EQ(StoredNames(store_), names);
    for (uint32_t id : oldIds) {
        EXPECT_EQ(store_.ForEachStored([&](uint16_t key) {
            EXPECT_NE(Read(key).id, id);
            return LibraryResult::Ok;
        }),
                  LibraryResult::Ok);
    }
    EXPECT_EQ(prompts_.quick.size(), c.quickReminders);
}

INSTANTIATE_TEST_SUITE_P(EveryOldVersion, Conversion,
                         ::testing::Values(ConversionCase{0x00010001, "Zantimo.VR1", 1},
                                           ConversionCase{0x00020002, "Zantimo.VR2", 2},
                                           ConversionCase{0x00020003, "Zantimo.VR3", 2},
                                           ConversionCase{0x00020004, "Zantimo.VR4", 2},
                                           ConversionCase{0x00020005, "Zantimo.VR5", 0},
                                           ConversionCase{0x00030000, "Zantimo.VR6", 0}));

TEST_F(StoreTest, AnArchiveOfTheSameNameLeavesTheLibraryInPlace) {
    const FileBytes old = SameLayoutFile(0x00020005, {"a"});
    fs_.Put(kLibraryPath, old);
    fs_.folders.insert(kArchiveFolder);
    fs_.Put("/prog/Archive/Zantimo.VR5", {1, 2, 3});
    EXPECT_EQ(store_.OpenDefaultLibrary(), LibraryResult::OpenFailed);
    EXPECT_EQ(prompts_.fileErrors,
              std::vector<std::string>{"The system cannot rename the file\n/prog/Zantimo.VR0 to\n"
                                       "/prog/Archive/Zantimo.VR5"});
    EXPECT_EQ(fs_.BytesOf(kLibraryPath), old);
    EXPECT_EQ(fs_.BytesOf("/prog/Archive/Zantimo.VR5"), (FileBytes{1, 2, 3}));
    EXPECT_FALSE(store_.Library().IsOpen());
}

TEST_F(StoreTest, CancellingTheConversionLeavesTheLibraryUntouched) {
    const FileBytes old = OldLayoutFile(0x00020003, {"a"}, {});
    fs_.Put(kLibraryPath, old);
    prompts_.answerConvert = false;
    EXPECT_EQ(store_.OpenDefaultLibrary(), LibraryResult::OpenFailed);
    EXPECT_EQ(prompts_.questions.size(), 1u);
    EXPECT_TRUE(prompts_.fileErrors.empty());
    EXPECT_EQ(fs_.BytesOf(kLibraryPath), old);
    EXPECT_FALSE(fs_.Exists("/prog/Archive/Zantimo.VR3"));
    EXPECT_TRUE(prompts_.quick.empty());
}

TEST_F(StoreTest, AnArchiveFolderThatCannotBeCreatedStopsBeforeTheQuestion) {
    fs_.Put(kLibraryPath, OldLayoutFile(0x00020003, {"a"}, {}));
    fs_.failCreateFolder = EACCES;
    EXPECT_EQ(store_.OpenDefaultLibrary(), LibraryResult::OpenFailed);
    EXPECT_EQ(prompts_.fileErrors,
              std::vector<std::string>{"The system cannot create the folder\n/prog/Archive"});
    EXPECT_TRUE(prompts_.questions.empty());
}

// A conversion that fails half-way must not leave a library with only some of the events.
TEST_F(StoreTest, AConversionThatFailsHalfWayPutsTheOldFileBack) {
    const std::vector<std::string> names = {"1", "2", "3", "4", "5"};
    const FileBytes old = OldLayoutFile(0x00020004, names, {OldQuick{}});
    fs_.Put(kLibraryPath, old);
    // Header and index, then a block and the index per event: the third event's block fails.
    failCreateFrom_ = 7;
    EXPECT_EQ(store_.OpenDefaultLibrary(), LibraryResult::DiskFull);
    EXPECT_EQ(fs_.BytesOf(kLibraryPath), old);
    EXPECT_FALSE(fs_.Exists("/prog/Archive/Zantimo.VR4"));
    EXPECT_FALSE(store_.Library().IsOpen());
    EXPECT_TRUE(prompts_.quick.empty());

    // The next start converts it again, whole.
    failCreateFrom_ = 0;
    ASSERT_EQ(store_.OpenDefaultLibrary(), LibraryResult::Ok);
    EXPECT_EQ(StoredNames(store_), names);
    EXPECT_EQ(fs_.BytesOf("/prog/Archive/Zantimo.VR4"), old);
    EXPECT_EQ(prompts_.quick.size(), 1u);
}

TEST_F(StoreTest, AConversionWhoseNewLibraryCannotBeCreatedPutsTheOldFileBack) {
    const FileBytes old = FirstFormatFile({"a"});
    fs_.Put(kLibraryPath, old);
    failCreateFrom_ = 1;
    EXPECT_EQ(store_.OpenDefaultLibrary(), LibraryResult::DiskFull);
    EXPECT_EQ(fs_.BytesOf(kLibraryPath), old);
    EXPECT_FALSE(fs_.Exists("/prog/Archive/Zantimo.VR1"));
}

TEST(StoreOnDisk, ConvertsALibraryOnTheRealFileSystem) {
    namespace fsys = std::filesystem;
    const TempFolder folder;
    const fsys::path dir = folder.Path();
    const FileBytes old = SameLayoutFile(0x00030000, {"a", "b"});
    {
        std::ofstream out(dir / "Zantimo.VR0", std::ios::binary);
        out.write(reinterpret_cast<const char*>(old.data()),
                  static_cast<std::streamsize>(old.size()));
    }
    RecordingPrompts prompts;
    EventStore store(StoreSetup{nullptr, [] { return At(2024, 3, 11, 8, 0); }, {}, dir.string()});
    store.SetPrompts(&prompts);
    ASSERT_EQ(store.OpenDefaultLibrary(), LibraryResult::Ok);
    EXPECT_EQ(store.Library().CountEvents(), 2);
    EXPECT_EQ(fsys::file_size(dir / "Archive" / "Zantimo.VR6"), old.size());
    store.Close();

    // The archive name is taken now: a second conversion is refused and changes nothing.
    fsys::copy_file(dir / "Archive" / "Zantimo.VR6", dir / "Zantimo.VR0",
                    fsys::copy_options::overwrite_existing);
    EXPECT_EQ(store.OpenDefaultLibrary(), LibraryResult::OpenFailed);
    EXPECT_EQ(fsys::file_size(dir / "Zantimo.VR0"), old.size());
}

// A companion command holds the library for a moment: the program waits for its turn; only a
// library held longer than the wait is reported as in use.
TEST(StoreOnDisk, OpeningWaitsWhileAnotherHoldsTheLibraryForAMoment) {
    const TempFolder folder;
    const std::string path = folder.File("Zantimo.VR0");
    auto holder = std::make_unique<EventLibrary>();
    ASSERT_EQ(holder->Create(path), LibraryResult::Ok);

    RecordingPrompts prompts;
    StoreSetup setup{nullptr, [] { return At(2024, 3, 11, 8, 0); }, {}, folder.Path()};
    setup.lockWait = std::chrono::milliseconds(100);
    EventStore impatient(setup);
    impatient.SetPrompts(&prompts);
    EXPECT_EQ(impatient.OpenDefaultLibrary(), LibraryResult::OpenFailed);
    EXPECT_EQ(prompts.fileErrors,
              std::vector<std::string>{"The process cannot access the file because it is being "
                                       "used by another process.\n" +
                                       path});

    setup.lockWait = std::chrono::milliseconds(5000);
    EventStore store(setup);
    store.SetPrompts(&prompts);
    std::thread release([&holder] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        holder.reset();
    });
    EXPECT_EQ(store.OpenDefaultLibrary(), LibraryResult::Ok);
    release.join();
    EXPECT_EQ(prompts.fileErrors.size(), 1u);
}

} // namespace
} // namespace zm::testing
