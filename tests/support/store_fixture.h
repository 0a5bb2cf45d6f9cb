#pragma once
// An event store on a file system in memory, with windows and prompts that record what the
// store tells them.

#include "support/event_builders.h"
#include "store/event_store.h"
#include "support/faulty_file.h"
#include "support/memory_file_system.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zm::testing {

inline const std::string kFolder = "/prog";
inline const std::string kLibraryPath = "/prog/Zantimo.VR0";
inline const std::string kArchiveFolder = "/prog/Archive";

// Everything the store tells the windows, as lines ("insert 1", "replace 1 -> 2", ...).
class RecordingViews final : public EventListView,
                             public ReminderWindows,
                             public UpcomingReminders,
                             public StorePrompts,
                             public QuickReminderTakeOver {
public:
    std::vector<std::string> calls;
    std::vector<std::string> fileErrors;
    std::vector<std::string> questions;
    std::vector<OldQuickReminder> quick;
    bool answerConvert = true;
    bool answerFutureStamps = true;

    void insertItem(const EventRecord& e) override { note("insert", e.Key); }
    void replaceItem(uint16_t oldKey, const EventRecord& e) override {
        calls.push_back("replace " + std::to_string(oldKey) + " -> " + std::to_string(e.Key));
    }
    void removeItem(uint16_t key) override { note("remove", key); }
    void closeWindow(uint16_t key) override { note("close", key); }
    void addEvent(const EventRecord& e) override { note("clock add", e.Key); }
    void removeEvent(uint16_t key) override { note("clock remove", key); }
    void rebuild(const PendingList& pending) override { note("clock rebuild", pending.size()); }
    void showFileError(const std::string& text) override { fileErrors.push_back(text); }
    bool confirmConversion(const std::string& text) override {
        questions.push_back(text);
        return answerConvert;
    }
    bool confirmFutureStampCorrection() override {
        questions.push_back("future stamps");
        return answerFutureStamps;
    }
    void takeOver(const std::vector<OldQuickReminder>& q) override {
        quick.insert(quick.end(), q.begin(), q.end());
    }

private:
    void note(const char* what, size_t key) {
        calls.push_back(std::string(what) + " " + std::to_string(key));
    }
};

class StoreTest : public ::testing::Test {
protected:
    StoreTest() : store(StoreSetup{&fs, [this] { return now; }, &week, kFolder}) {
        fs.folders.insert(kFolder);
        store.setEventListView(&views);
        store.setReminderWindows(&views);
        store.setUpcomingReminders(&views);
        store.setPrompts(&views);
        store.setQuickTakeOver(&views);
        // Every file opened for writing can be made to fail.
        fs.wrap = [this](std::unique_ptr<File> file, const std::string&, FileMode mode) {
            if (mode == FileMode::ReadOnly) return file;
            auto faulty = std::make_unique<FaultyFile>(std::move(file));
            faults = faulty.get();
            if (mode == FileMode::Create && failCreateFrom != 0)
                faulty->failWritesFrom(failCreateFrom, createFault);
            return std::unique_ptr<File>(std::move(faulty));
        };
    }

    // Opens a new, empty default library.
    void openEmpty() {
        ASSERT_EQ(store.openDefaultLibrary(), lr::kOk);
        views.fileErrors.clear();
    }

    // Stores an event directly in the library, without telling anybody.
    uint16_t put(EventRecord e) {
        EXPECT_EQ(store.library().addEvent(e), lr::kOk);
        return e.Key;
    }

    EventRecord read(uint16_t key) const {
        EventRecord e = EventRecord::ForKey(key);
        EXPECT_EQ(store.readStored(e), lr::kOk);
        return e;
    }

    std::vector<uint16_t> pendingKeys() const {
        std::vector<uint16_t> keys;
        for (const EventRecord& e : store.pending().entries())
            keys.push_back(e.Key);
        return keys;
    }

    DateTime now = At(2024, 3, 11, 8, 0); // a Monday
    WeekSettings week;
    MemoryFileSystem fs;
    FaultyFile* faults = nullptr; // the file opened for writing last
    // Writes to a file being created fail from this one on (0: they do not).
    int failCreateFrom = 0;
    FaultyFile::Fault createFault = FaultyFile::Fault::DiskFull;
    RecordingViews views;
    EventStore store;
};

} // namespace zm::testing
