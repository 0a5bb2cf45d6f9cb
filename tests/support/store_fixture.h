#pragma once
// An event store on a file system in memory, with a listener and prompts that record what the
// store tells them.

#include "store/event_store.h"
#include "store/library/index_journal.h"
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
    std::vector<std::string> created; // the first start's information
    std::vector<std::string> questions;
    std::vector<OldQuickReminder> quick;
    bool answerConvert = true;
    bool answerFutureStamps = true;

    void ShowFileError(const std::string& text) override { fileErrors.push_back(text); }
    void TellLibraryCreated(const std::string& text) override { created.push_back(text); }
    bool ConfirmConversion(const std::string& text) override {
        questions.push_back(text);
        return answerConvert;
    }
    bool ConfirmFutureStampCorrection() override {
        questions.push_back("future stamps");
        return answerFutureStamps;
    }
    void TakeOver(const std::vector<OldQuickReminder>& q) override {
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
        static constexpr const char* kCauses[] = {"opened",       "converted", "closed",
                                                  "merged",       "imported",  "stamps corrected",
                                                  "types changed"};
        std::string line = kKinds[static_cast<int>(c.kind)];
        switch (c.kind) {
        case StoreChangeKind::Reset:
            return line + " " + kCauses[static_cast<int>(c.cause)];
        case StoreChangeKind::PendingRebuilt:
            return line + " " + std::to_string(store_.Pending().Size());
        case StoreChangeKind::Added:
            line += " " + std::to_string(c.newKey);
            break;
        case StoreChangeKind::LeftPending:
        case StoreChangeKind::Deleted:
        case StoreChangeKind::Purged:
            line += " " + std::to_string(c.oldKey);
            break;
        default:
            line += " " + std::to_string(c.oldKey) + " -> " + std::to_string(c.newKey);
            break;
        }
        if (c.closesReminderWindow) line += " close";
        if (c.newKey != 0 && c.kind != StoreChangeKind::LeftPending &&
            store_.Pending().Find(c.newKey))
            line += " pending";
        return line;
    }

private:
    const EventStore& store_;
};

class StoreTest : public ::testing::Test {
protected:
    StoreTest() : store_(StoreSetup{&fs_, [this] { return now_; }, week_, kFolder}) {
        fs_.folders.insert(kFolder);
        store_.AddListener(notices_);
        store_.SetPrompts(&prompts_);
        store_.SetQuickTakeOver(&prompts_);
        // Every file opened for writing can be made to fail.
        fs_.wrap = [this](std::unique_ptr<File> file, const std::string& path, FileMode mode) {
            // The journal of a change lives only as long as the change.
            if (mode == FileMode::ReadOnly || path == JournalPathOf(kLibraryPath)) return file;
            auto faulty = std::make_unique<FaultyFile>(std::move(file));
            faults_ = faulty.get();
            if ((mode == FileMode::Create || mode == FileMode::CreateNew) && failCreateFrom_ != 0)
                faulty->FailWritesFrom(failCreateFrom_, createFault_);
            return std::unique_ptr<File>(std::move(faulty));
        };
    }

    // Opens a new, empty default library.
    void OpenEmpty() {
        ASSERT_EQ(store_.OpenDefaultLibrary(), LibraryResult::Ok);
        prompts_.fileErrors.clear();
        notices_.lines.clear();
    }

    // Stores an event that stays out of the pending list (as if its reminder window had
    // opened), and forgets what the store told of it.
    uint16_t Put(EventRecord e) {
        EXPECT_EQ(store_.StoreNew(e), LibraryResult::Ok);
        store_.RemovePending(e.key);
        notices_.lines.clear();
        notices_.changes.clear();
        return e.key;
    }

    EventRecord Read(uint16_t key) const {
        ReadResult<EventRecord> e = store_.ReadStored(key);
        EXPECT_EQ(e.Code(), LibraryResult::Ok) << "key " << key;
        return e.Ok() ? std::move(e).Value() : EventRecord::ForKey(key);
    }

    std::vector<uint16_t> PendingKeys() const {
        std::vector<uint16_t> keys;
        for (const EventRecord& e : store_.Pending().Entries())
            keys.push_back(e.key);
        return keys;
    }

    DateTime now_ = At(2024, 3, 11, 8, 0); // a Monday
    WeekSettings week_{0x3E, false};       // Monday to Friday
    MemoryFileSystem fs_;
    FaultyFile* faults_ = nullptr; // the file opened for writing last
    // Writes to a file being created fail from this one on (0: they do not).
    int failCreateFrom_ = 0;
    FaultyFile::Fault createFault_ = FaultyFile::Fault::DiskFull;
    RecordingPrompts prompts_;
    EventStore store_;
    NoticeLog notices_{store_};
};

} // namespace zm::testing
