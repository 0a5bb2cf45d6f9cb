#pragma once
// An event store on a file system in memory, with a listener and prompts that record what the
// store tells them.

#include "store/event_store.h"
#include "support/event_builders.h"
#include "support/faulty_file.h"
#include "support/memory_file_system.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zm::testing {

inline const std::string kFolder = "/prog";
inline const std::string kLibraryPath = "/prog/Zantimo.VR0";
inline const std::string kArchiveFolder = "/prog/Archive";

// The questions the store asks and the quick reminders it hands over, with the answers given.
class RecordingPrompts final : public StorePrompts, public QuickReminderTakeOver {
public:
    std::vector<std::string> fileErrors;
    std::vector<std::string> questions;
    std::vector<OldQuickReminder> quick;
    bool answerConvert = true;
    bool answerFutureStamps = true;

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
};

// Every notice of the store as a line: "changed 1 -> 2 close pending" is an event rewritten
// from key 1 to key 2 whose reminder window closes and which is in the pending list when told;
// "added 3", "deleted 1", "left pending 2", "pending rebuilt 3" (its size), "reset merged".
class NoticeLog final : public StoreListener {
public:
    explicit NoticeLog(const EventStore& store) : store_(store) {}
    std::vector<std::string> lines;
    std::vector<StoreChange> changes;

    void OnStoreChange(const StoreChange& c) override {
        changes.push_back(c);
        lines.push_back(Line(c));
    }

    std::string Line(const StoreChange& c) const {
        static constexpr const char* kKinds[] = {
            "added",     "changed",      "replaced",        "accepted", "snoozed",
            "unsnoozed", "type changed", "enabled",         "disabled", "deleted",
            "purged",    "left pending", "pending rebuilt", "reset"};
        static constexpr const char* kCauses[] = {"opened", "converted", "closed",
                                                  "merged", "imported",  "stamps corrected"};
        std::string line = kKinds[static_cast<int>(c.Kind)];
        switch (c.Kind) {
        case StoreChangeKind::Reset:
            return line + " " + kCauses[static_cast<int>(c.Cause)];
        case StoreChangeKind::PendingRebuilt:
            return line + " " + std::to_string(store_.pending().size());
        case StoreChangeKind::Added:
            line += " " + std::to_string(c.NewKey);
            break;
        case StoreChangeKind::LeftPending:
        case StoreChangeKind::Deleted:
        case StoreChangeKind::Purged:
            line += " " + std::to_string(c.OldKey);
            break;
        default:
            line += " " + std::to_string(c.OldKey) + " -> " + std::to_string(c.NewKey);
            break;
        }
        if (c.ClosesReminderWindow) line += " close";
        if (c.NewKey != 0 && c.Kind != StoreChangeKind::LeftPending &&
            store_.pending().find(c.NewKey))
            line += " pending";
        return line;
    }

private:
    const EventStore& store_;
};

class StoreTest : public ::testing::Test {
protected:
    StoreTest() : store(StoreSetup{&fs, [this] { return now; }, week, kFolder}) {
        fs.folders.insert(kFolder);
        store.AddListener(notices);
        store.setPrompts(&prompts);
        store.setQuickTakeOver(&prompts);
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
        ASSERT_EQ(store.openDefaultLibrary(), LibraryResult::Ok);
        prompts.fileErrors.clear();
        notices.lines.clear();
    }

    // Stores an event that stays out of the pending list (as if its reminder window had
    // opened), and forgets what the store told of it.
    uint16_t put(EventRecord e) {
        EXPECT_EQ(store.storeNew(e), LibraryResult::Ok);
        store.removePending(e.Key);
        notices.lines.clear();
        notices.changes.clear();
        return e.Key;
    }

    EventRecord read(uint16_t key) const {
        ReadResult<EventRecord> e = store.readStored(key);
        EXPECT_EQ(e.Code(), LibraryResult::Ok) << "key " << key;
        return e.Ok() ? std::move(e).Value() : EventRecord::ForKey(key);
    }

    std::vector<uint16_t> pendingKeys() const {
        std::vector<uint16_t> keys;
        for (const EventRecord& e : store.pending().entries())
            keys.push_back(e.Key);
        return keys;
    }

    DateTime now = At(2024, 3, 11, 8, 0); // a Monday
    WeekSettings week{0x3E, false};       // Monday to Friday
    MemoryFileSystem fs;
    FaultyFile* faults = nullptr; // the file opened for writing last
    // Writes to a file being created fail from this one on (0: they do not).
    int failCreateFrom = 0;
    FaultyFile::Fault createFault = FaultyFile::Fault::DiskFull;
    RecordingPrompts prompts;
    EventStore store;
    NoticeLog notices{store};
};

} // namespace zm::testing
