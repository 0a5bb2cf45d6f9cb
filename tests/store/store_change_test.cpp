// The change contract: every operation of the store tells every listener what it changed, after
// the change; one whose writes fail tells nobody.

#include "platform/memory_settings.h"
#include "store/import_export.h"
#include "support/old_library_builder.h"
#include "support/store_fixture.h"
#include "support/transfer_fixture.h"

namespace zm::testing {
namespace {

using Lines = std::vector<std::string>;
const std::string kOther = "/prog/other.VR0";

// What an operation of the table works on.
struct Arena {
    EventStore& store;
    MemoryFileSystem& fs;

    uint16_t Store(EventRecord e) {
        EXPECT_EQ(store.StoreNew(e), LibraryResult::Ok);
        return e.key;
    }
    EventRecord Read(uint16_t key) {
        ReadResult<EventRecord> e = store.ReadStored(key);
        EXPECT_EQ(e.Code(), LibraryResult::Ok) << "key " << key;
        return e.Ok() ? std::move(e).Value() : EventRecord::ForKey(key);
    }
    // Another library file of the current version holding `e`.
    void PutOther(EventRecord e) {
        auto bytes = std::make_shared<FileBytes>();
        EventLibrary other;
        ASSERT_EQ(other.CreateFile(std::make_unique<MemoryFile>(bytes)), LibraryResult::Ok);
        ASSERT_EQ(other.AddEvent(e), LibraryResult::Ok);
        other.Close();
        fs.files[kOther] = bytes;
    }
};

EventRecord Today() { // 17:00 on the Monday of the fixture: pending
    return OneTime(At(2024, 3, 11, 17, 0));
}

EventRecord WithId(EventRecord e, uint32_t id) {
    e.id = id;
    return e;
}

struct ContractCase {
    const char* name;
    std::function<uint16_t(Arena&)> arrange; // gives the key acted on
    std::function<LibraryResult(Arena&, uint16_t)> act;
    Lines told;
    bool writes = true; // a failing write makes it fail
};

LibraryResult Done() {
    return LibraryResult::Ok;
}

const ContractCase kCases[] = {
    {"New",
     [](Arena&) { return uint16_t{0}; },
     [](Arena& a, uint16_t) {
         EventRecord e = Today();
         return a.store.StoreNew(e);
     },
     {"added 1 pending"}},
    {"Changed",
     [](Arena& a) { return a.Store(Today()); },
     [](Arena& a, uint16_t key) {
         EventRecord e = a.Read(key);
         e.name = "changed";
         return a.store.StoreChanged(e);
     },
     {"changed 1 -> 2 close pending"}},
    {"Replaced",
     [](Arena& a) { return a.Store(Today()); },
     [](Arena& a, uint16_t key) {
         EventRecord e = OneTime(At(2024, 3, 12, 9, 0));
         e.key = key;
         return a.store.StoreReplaced(e);
     },
     {"replaced 1 -> 2 close"}},
    {"Accepted",
     [](Arena& a) { return a.Store(Today()); },
     [](Arena& a, uint16_t key) { return a.store.AcceptStored(key, 0); },
     {"accepted 1 -> 2"}},
    {"AcceptedInTheList",
     [](Arena& a) { return a.Store(Today()); },
     [](Arena& a, uint16_t key) { return a.store.AcceptListed(key, 0); },
     {"accepted 1 -> 2 close"}},
    {"Snoozed",
     [](Arena& a) { return a.Store(Recurring(kDaily, 1, At(2024, 3, 1, 8, 0))); },
     [](Arena& a, uint16_t key) {
         Verdict verdict;
         const SnoozeRequest hour{At(2024, 3, 11, 8, 0), DateTimeSpan::Hours(1), AmountUnit::Hour,
                                  1, std::nullopt};
         return a.store.SnoozeStored(key, 0, hour, verdict);
     },
     {"snoozed 1 -> 2 pending"}},
    {"Unsnoozed",
     [](Arena& a) {
         EventRecord e = OneTime(At(2024, 3, 11, 7, 0));
         e.StampShown(At(2024, 3, 11, 7, 0));
         e.SetSnooze(At(2024, 3, 12, 9, 0), AmountUnit::Day, 1);
         return a.Store(e);
     },
     [](Arena& a, uint16_t key) { return a.store.UnsnoozeStored(key, 0); },
     {"unsnoozed 1 -> 2 close pending"}},
    {"TypeChanged",
     [](Arena& a) { return a.Store(Today()); },
     [](Arena& a, uint16_t key) {
         EventRecord e = a.Read(key);
         return a.store.ChangeType(e, 3, "Call");
     },
     {"type changed 1 -> 2 close pending"}},
    {"Disabled",
     [](Arena& a) { return a.Store(Today()); },
     [](Arena& a, uint16_t key) {
         EventRecord e = a.Read(key);
         return a.store.SetDisabled(e, true);
     },
     {"disabled 1 -> 2 close"}},
    {"Enabled",
     [](Arena& a) {
         EventRecord e = Today();
         e.SetDisabled(true);
         return a.Store(e);
     },
     [](Arena& a, uint16_t key) {
         EventRecord e = a.Read(key);
         return a.store.SetDisabled(e, false);
     },
     {"enabled 1 -> 2 close pending"}},
    {"Deleted",
     [](Arena& a) { return a.Store(Today()); },
     [](Arena& a, uint16_t key) { return a.store.DeleteStored(key, 0); },
     {"deleted 1"}},
    {"Removed",
     [](Arena& a) { return a.Store(Today()); },
     [](Arena& a, uint16_t key) { return a.store.RemoveEvent(key, 0); },
     {"deleted 1 close"}},
    {"DeletedFromItsReminder",
     [](Arena& a) { return a.Store(Today()); },
     [](Arena& a, uint16_t key) { return a.store.AcceptStored(key, 0, true); },
     {"deleted 1"}},
    {"Purged",
     [](Arena& a) {
         EventRecord e = OneTime(At(2024, 3, 1, 9, 0));
         e.flags |= kAccepted;
         return a.Store(e);
     },
     [](Arena& a, uint16_t) { return a.store.DeleteAccepted(); },
     {"purged 1"}},
    {"Merged",
     [](Arena& a) {
         a.PutOther(Today());
         return uint16_t{0};
     },
     [](Arena& a, uint16_t) { return a.store.MergeLibraryFile(kOther, true, DuplicateMode::Skip); },
     {"reset merged"}},
    {"MergedReplacing",
     [](Arena& a) {
         a.PutOther(WithId(Today(), 11));
         return a.Store(WithId(Today(), 11));
     },
     [](Arena& a, uint16_t) {
         return a.store.MergeLibraryFile(kOther, true, DuplicateMode::Replace);
     },
     {"replaced 1 -> 2 close", "reset merged"}},
    {"Imported",
     [](Arena& a) {
         const std::string text = "Call,3/11/2024,9:00 AM\r\n";
         a.fs.Put("/data/in.csv", FileBytes(text.begin(), text.end()));
         return uint16_t{0};
     },
     [](Arena& a, uint16_t) {
         MemorySettings settings;
         return ImportText(a.store, a.fs, settings, "/data/in.csv", ImportOptions()).code;
     },
     {"reset imported"}},
    {"Opened",
     [](Arena& a) {
         a.store.Close();
         return uint16_t{0};
     },
     [](Arena& a, uint16_t) { return a.store.OpenDefaultLibrary(); },
     {"reset opened"},
     false},
    {"Converted",
     [](Arena& a) {
         a.store.Close();
         BlockFileBuilder old(0x00020003);
         old.PutChain(1, OldEvent().Bytes(0x00020003));
         a.fs.Put(kLibraryPath, old.Bytes());
         return uint16_t{0};
     },
     [](Arena& a, uint16_t) { return a.store.OpenDefaultLibrary(); },
     {"reset converted"}},
    {"FutureStampsCorrected",
     [](Arena& a) {
         EventRecord e = Recurring(kDaily, 1, At(2024, 3, 1, 9, 0));
         e.StampShown(At(2024, 3, 17, 9, 0));
         return a.Store(e);
     },
     [](Arena& a, uint16_t) { return a.store.CheckFutureStamps(); },
     {"reset stamps corrected"}},
    {"Reloaded",
     [](Arena& a) { return a.Store(Today()); },
     [](Arena& a, uint16_t) { return a.store.ReloadPending(); },
     {"pending rebuilt 1"},
     false},
    {"LeftPending",
     [](Arena& a) { return a.Store(Today()); },
     [](Arena& a, uint16_t key) {
         a.store.RemovePending(key);
         return Done();
     },
     {"left pending 1"},
     false},
    {"Closed",
     [](Arena&) { return uint16_t{0}; },
     [](Arena& a, uint16_t) {
         a.store.Close();
         return Done();
     },
     {"reset closed"},
     false},
};

class Contract : public StoreTest, public ::testing::WithParamInterface<ContractCase> {
protected:
    void SetUp() override {
        OpenEmpty();
        ASSERT_EQ(store_.RebuildPending(), LibraryResult::Ok);
        store_.AddListener(second_);
    }
    void Forget() {
        notices_.lines.clear();
        second_.lines.clear();
    }
    NoticeLog second_{store_};
};

TEST_P(Contract, EveryListenerIsToldOnceTheChangeIsDoneAndNobodyWhenItsWritesFail) {
    const ContractCase& c = GetParam();
    Arena arena{store_, fs_};
    const uint16_t key = c.arrange(arena);
    Forget();
    if (c.writes) {
        failCreateFrom_ = 1;
        if (store_.Library().IsOpen()) faults_->FailWritesFrom(1);
        EXPECT_NE(c.act(arena, key), LibraryResult::Ok);
        EXPECT_EQ(notices_.lines, Lines{});
        EXPECT_EQ(second_.lines, Lines{});
        failCreateFrom_ = 0;
        if (store_.Library().IsOpen()) faults_->FailWrite(0);
    }
    ASSERT_EQ(c.act(arena, key), LibraryResult::Ok);
    EXPECT_EQ(notices_.lines, c.told);
    EXPECT_EQ(second_.lines, c.told);
}

INSTANTIATE_TEST_SUITE_P(EveryOperation, Contract, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Listeners join and leave while they are being told; nobody is told twice or after leaving.
class Leaving final : public StoreListener {
public:
    Leaving(EventStore& store, StoreListener& other) : store_(store), other_(other) {}
    void OnStoreChange(const StoreChange&) override {
        ++told;
        store_.RemoveListener(*this);
        store_.RemoveListener(other_);
        store_.AddListener(other_);
    }
    int told = 0;

private:
    EventStore& store_;
    StoreListener& other_;
};

TEST_F(StoreTest, ListenersJoinAndLeaveWhileTheyAreTold) {
    OpenEmpty();
    store_.RemoveListener(notices_);
    Leaving leaving(store_, notices_);
    store_.AddListener(leaving);
    store_.AddListener(leaving); // once is enough
    store_.AddListener(notices_);
    EventRecord e = Today();
    ASSERT_EQ(store_.StoreNew(e), LibraryResult::Ok);
    ASSERT_EQ(store_.DeleteStored(e.key, 0), LibraryResult::Ok);
    EXPECT_EQ(leaving.told, 1);
    // Left and joined again within the first notice: told from the second one on.
    EXPECT_EQ(notices_.lines, Lines{"deleted 1"});
}

} // namespace
} // namespace zm::testing
