// The store's notices as Qt signals: a list of rows that follows them stays the library's.

#include "platform/qt/store_signals.h"
#include "support/memory_file_system.h"

#include <QObject>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zm {
namespace {

DateTime At(int hour) {
    return DateTime::FromParts(2024, 3, 11, hour, 0);
}

// The keys of a table model's rows, in the order they were inserted.
struct FollowingRows {
    std::vector<uint16_t> keys;
    std::vector<std::string> told;

    void Follow(const StoreSignals& adapter) {
        QObject::connect(&adapter, &StoreSignals::eventAdded,
                         [this](const EventRecord& e) { keys.push_back(e.key); });
        QObject::connect(&adapter, &StoreSignals::eventRewritten,
                         [this](quint16 oldKey, const EventRecord& e, StoreChangeKind) {
                             std::replace(keys.begin(), keys.end(), uint16_t{oldKey}, e.key);
                         });
        QObject::connect(&adapter, &StoreSignals::eventRemoved,
                         [this](quint16 key, auto) { std::erase(keys, uint16_t{key}); });
        QObject::connect(&adapter, &StoreSignals::reminderWindowClosing,
                         [this](quint16 key) { told.push_back("close " + std::to_string(key)); });
        QObject::connect(&adapter, &StoreSignals::pendingLeft,
                         [this](quint16 key) { told.push_back("left " + std::to_string(key)); });
        QObject::connect(&adapter, &StoreSignals::pendingRebuilt,
                         [this] { told.push_back("rebuilt"); });
        QObject::connect(&adapter, &StoreSignals::libraryReset, [this](ResetCause cause) {
            told.push_back(cause == ResetCause::Opened ? "reset opened" : "reset");
            keys.clear();
        });
    }
};

TEST(StoreSignals, ARowListFollowsTheLibraryRowByRow) {
    MemoryFileSystem fs;
    fs.folders.insert("/prog");
    EventStore store(StoreSetup{&fs, [] { return At(8); }, {}, "/prog"});
    FollowingRows rows;
    {
        StoreSignals adapter(store);
        rows.Follow(adapter);
        ASSERT_EQ(store.OpenDefaultLibrary(), LibraryResult::Ok);
        ASSERT_EQ(store.RebuildPending(), LibraryResult::Ok);
        EventRecord a = EventRecord::NewEvent(At(17));
        EventRecord b = EventRecord::NewEvent(At(18));
        ASSERT_EQ(store.StoreNew(a), LibraryResult::Ok);
        ASSERT_EQ(store.StoreNew(b), LibraryResult::Ok);
        a.name = "changed";
        ASSERT_EQ(store.StoreChanged(a), LibraryResult::Ok);
        store.RemovePending(b.key);
        ASSERT_EQ(store.RemoveEvent(b.key, 0), LibraryResult::Ok);
        EXPECT_EQ(rows.keys, std::vector<uint16_t>{a.key});
        EXPECT_EQ(rows.told, (std::vector<std::string>{"reset opened", "rebuilt", "close 1",
                                                       "left 2", "close 2"}));
    }
    // Once the adapter is gone nothing is told any more.
    EventRecord c = EventRecord::NewEvent(At(19));
    ASSERT_EQ(store.StoreNew(c), LibraryResult::Ok);
    EXPECT_EQ(rows.keys.size(), 1u);
}

} // namespace
} // namespace zm
