#pragma once
// The event store: the one owner of the default library and of the pending list, and the only
// code that changes events. Every window adds, changes, accepts and deletes events through it.
// Each operation writes the library at once (blocks, index, flush), then brings the pending list
// up to date and then tells every listener (store_change.h), so a write that fails leaves the
// listeners, the pending list and every stored event as they were. Others read the library
// through the store's const reads only.
//
// Every operation takes "now" once from the store's clock (StoreSetup::now), the same clock
// that stamps the ids of new events.
//
// Records handed to an operation are the caller's; on success the caller's record carries the
// event's new Key, and the pending list keeps copies of its own.

#include "model/event_record.h"
#include "model/snooze_rules.h"
#include "model/verdict.h"
#include "model/week_settings.h"
#include "store/io/store_file_system.h"
#include "store/library/event_library.h"
#include "store/pending_list.h"
#include "store/store_change.h"
#include "store/store_scopes.h"
#include "store/store_views.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zm {

class DuplicateTable;

// How a merge treats an event that the library already holds.
enum class DuplicateMode : uint8_t {
    Skip = 0,    // keep the stored event, leave the imported one out
    Replace = 1, // the imported event replaces the stored one (each stored event at most once)
    None = 2,    // no check: every event is added (conversion)
};

// What the last merge did with the events of the other file.
struct MergeCounts {
    int added = 0;
    int replaced = 0;
    int skipped = 0;
    // Events whose texts were cut to fit a chain (they grew when read as UTF-8), and their keys
    // in the library after the merge.
    int shortened = 0;
    std::vector<uint16_t> shortenedKeys;
};

// What the store is given: its files, its clock, the calendar settings and the program's folder.
struct StoreSetup {
    StoreFileSystem* files = nullptr; // null: the operating system's files
    std::function<DateTime()> now;    // the clock of every operation; null: the system clock
    WeekSettings week;                // the calendar settings
    std::string programFolder;        // where the default library lives
    // How long opening waits while another start or a companion command holds the library.
    std::chrono::milliseconds lockWait{2000};
};

class EventStore {
public:
    using NowSource = std::function<DateTime()>;

    explicit EventStore(StoreSetup setup = {});
    ~EventStore();
    EventStore(const EventStore&) = delete;
    EventStore& operator=(const EventStore&) = delete;

    // --- the listeners the store tells, and the user it asks ---

    // A listener joins once (joining again changes nothing) and is told of every change until
    // it leaves. Either may happen within a notice: one that joins is told from the next notice
    // on, one that leaves is told nothing more. The store tells nobody while it is destroyed.
    void AddListener(StoreListener& listener);
    void RemoveListener(StoreListener& listener);
    // Null while there is none.
    void SetPrompts(StorePrompts* prompts) { prompts_ = prompts; }
    void SetQuickTakeOver(QuickReminderTakeOver* takeOver) { quickTakeOver_ = takeOver; }
    StorePrompts* Prompts() const { return prompts_; }
    // Resolves the type names of the events read (the type list).
    void SetTypeLookup(EventLibrary::TypeLookup lookup);
    // The millisecond tick that goes into a new event's id with "now" (the system's by default).
    void SetIdTick(EventLibrary::TickSource tick) { library_.SetIdSource(now_, std::move(tick)); }

    // --- reading ---

    // The open library, to read and check: only the store changes it.
    const EventLibrary& Library() const { return library_; }
    const PendingList& Pending() const { return pending_; }
    // "Now" as every operation of the store takes it.
    DateTime Now() const;
    // The calendar settings of the reminder timing. Changing them does not rebuild the pending
    // list: the caller reloads it (ReloadPending).
    const WeekSettings& Week() const { return week_; }
    void SetWeek(const WeekSettings& week) { week_ = week; }

    // --- start-up and files ---

    // Opening, converting, merging and closing end in one reset when they changed anything.

    // Opens the default library of the program's folder (InternalError when the folder is not
    // known).
    LibraryResult OpenDefaultLibrary();
    // Opens the library; a missing one is created (after a file-error box), one of an older
    // version is converted after the user agreed (its old file goes to the archive folder).
    // A conversion that fails puts the old file back and removes the new one.
    LibraryResult OpenLibrary(const std::string& path);
    // Opens a library file as it is, never creating or converting it: ReadWrite locks it
    // against other writers (LibraryInUse while another one holds it), ReadOnly shares it and
    // refuses every change. OpenFailed when the file cannot be opened (LastFileFailure() tells
    // why); otherwise the results of EventLibrary::open.
    LibraryResult OpenAsIs(const std::string& path, FileMode mode);
    // An empty library in memory: what there is to read before anything was stored.
    LibraryResult OpenEmpty();
    // Why OpenAsIs could not open its file.
    const FileFailure& LastFileFailure() const { return lastFailure_; }
    // The path of the open library; empty while none is open and for one in memory.
    const std::string& LibraryPath() const { return libraryPath_; }
    // Adds every event of another library file of any known version to the open library.
    // With reloadAfter the pending list is rebuilt afterwards; without it (conversion), the
    // quick reminders of an old file are handed to the quick-reminder take-over.
    LibraryResult MergeLibraryFile(const std::string& path, bool reloadAfter, DuplicateMode mode);
    // The counts of the last merge, also of one that failed part of the way.
    const MergeCounts& LastMergeCounts() const { return mergeCounts_; }
    // At exit: the pending list is emptied and the library closed.
    void Close();

    // --- events ---
    // Each tells the listeners of the change (the kind in brackets); where it says so, the
    // notice closes the reminder window of the event's old key.

    // Adds a new event (Added); it joins the pending list when its reminder falls due before
    // the look-ahead limit.
    LibraryResult StoreNew(EventRecord& event);
    // Rewrites a changed event that carries its old Key (Changed; closes).
    LibraryResult StoreChanged(EventRecord& event);
    // Rewrites a stored event with an imported one (Replaced; closes): merging and importing,
    // which rebuild the pending list afterwards. An Id of 0 takes the stored event's Id. An
    // event too large for a chain gives EventTooLarge (a merge shortens it first).
    LibraryResult StoreReplaced(EventRecord& event);
    // The operations by key take the Id of the event the caller holds: a key is given up when
    // its event is rewritten and may name another event later. A key that is not an event's
    // first block, or whose event has another Id, is refused with Corrupted and nothing is written.
    // An Id of 0 checks the key alone (an event that cannot be read has no Id to give).

    // Deletes the event (Deleted).
    LibraryResult DeleteStored(uint16_t key, uint32_t id);
    // Deletes the event (Deleted; closes).
    LibraryResult RemoveEvent(uint16_t key, uint32_t id);
    // The user accepted the reminder in its window (Accepted), or asked there to delete the
    // event (`deleteIt`: Deleted). `shownOccurrence`: the occurrence the window showed, when it
    // has one.
    LibraryResult AcceptStored(uint16_t key, uint32_t id, bool deleteIt = false,
                               std::optional<DateTime> shownOccurrence = std::nullopt);
    // Accepting from the event list: as AcceptStored (Accepted; closes).
    LibraryResult AcceptListed(uint16_t key, uint32_t id);
    // Gives the listed event another type (TypeChanged; closes); a pending entry of the event
    // follows it.
    LibraryResult ChangeType(EventRecord& event, int32_t typeIndex, const std::string& typeName);
    // Disables or enables the listed event (Disabled or Enabled; closes); Ok without writing or
    // telling when it already is so.
    LibraryResult SetDisabled(EventRecord& event, bool on);
    ReadResult<EventRecord> ReadStored(uint16_t key) const { return library_.ReadEvent(key); }
    LibraryResult ForEachStored(const EventLibrary::EventVisitor& visit) const {
        return library_.ForEachEvent(visit);
    }
    // Deletes every accepted one-time event (Purged, each with the event); stops at the first
    // failure.
    LibraryResult DeleteAccepted();
    // After the type list was replaced: every pending event looks its type name up again, and
    // the listeners read everything again (a reset, TypesChanged), so rows and reminder windows
    // take their types' new names and looks. Nothing is written.
    void TypesChanged();
    // Unsets the look-ahead limit and rebuilds the pending list (PendingRebuilt).
    LibraryResult ReloadPending();
    // Snoozes the reminder of a stored event for the reminder window (Snoozed). A snooze the
    // rules refuse leaves `verdict` refused (with its message) and changes nothing.
    LibraryResult SnoozeStored(uint16_t key, uint32_t id, const SnoozeRequest& request,
                               Verdict& verdict);
    // Cancels the snooze of a stored event, so that its current reminder is due at once
    // (Unsnoozed; closes).
    LibraryResult UnsnoozeStored(uint16_t key, uint32_t id);

    // --- batches ---
    // The import stores its events in batches (EventLibrary::BatchScope): within one, each
    // change is told as it is made, and CommitBatch stores them all. what EndBatch drops was
    // never stored; the caller rebuilds the pending list and resets the listeners after it.
    void BeginBatch() { library_.BeginBatch(); }
    LibraryResult CommitBatch() { return library_.CommitBatch(); }
    void EndBatch() { library_.EndBatch(); }
    // The warning of the last change that was stored although a step after it failed.
    LibraryResult LastWarning() const { return library_.LastWarning(); }

    // --- the scheduler ---

    // The daily rebuild: once the day has moved past the look-ahead limit, the limit becomes
    // the end of today and every stored event whose reminder falls due before it joins a new
    // pending list (PendingRebuilt). A failed walk keeps the old list and limit.
    LibraryResult RebuildPending();
    // The pending events whose reminder is due now, last entry first.
    std::vector<DueReminder> DueReminders() const;
    // The next instant after now at which a pending event that is not due yet falls due; none
    // when nothing more falls due before the look-ahead limit. The program arms one single-shot
    // timer for it besides the 20-second tick.
    std::optional<DateTime> NextDueInstant() const;
    // A due event leaves the pending list (and the clock's list) when its window opens
    // (LeftPending).
    void RemovePending(uint16_t key);
    // Asks whether to correct recurring reminders stamped a day or more in the future; on Yes
    // each is stamped now, in place (a reset). The pending list is rebuilt at the next rebuild.
    LibraryResult CheckFutureStamps();
    // The check when the main frame is created: future stamps, then the pending list.
    LibraryResult StartCheck();

    // --- the scheduler's guards (store_scopes.h) ---
    // While busy (a long library operation runs) the reminder tick does nothing.
    bool Busy() const { return busy_ > 0; }
    // A reminder window is being created.
    bool CreatingReminder() const { return reminderCreation_ > 0; }

private:
    friend class BusyScope;
    friend class ReminderCreationScope;
    friend class BulkChangeScope;

    void ShowFileError(const std::string& text);

    // Tells every listener; within a bulk change only what moves a key, the rest is kept for
    // the reset at its end.
    void Notify(const StoreChange& change);

    LibraryResult OpenOrConvert(const std::string& path, bool& converted);
    // After an open: on success the library of `path` is open, and the listeners learn so when
    // the bulk change ends.
    LibraryResult Opened(LibraryResult rc, BulkChangeScope& bulk, std::string path);
    LibraryResult CreateLibrary(const std::string& path);
    // Opens the library for writing, waiting up to lockWait_ while another writer holds it.
    std::unique_ptr<File> OpenWaiting(const std::string& path, FileFailure& why);
    LibraryResult ConvertLibrary(const std::string& path);
    void RestoreOldLibrary(const std::string& path, const std::string& archivePath);
    LibraryResult BuildDuplicateTable(DuplicateTable& table, bool byId) const;
    LibraryResult MergeEvent(EventRecord& event, DuplicateMode mode, DuplicateTable& table);
    LibraryResult MergeFirstFormat(const EventLibrary& other, DuplicateMode mode,
                                   DuplicateTable& table, std::vector<OldQuickReminder>& quick);
    void TakeOverQuickReminders(std::vector<OldQuickReminder> quick);

    LibraryResult DeleteAs(uint16_t key, uint32_t id, StoreChangeKind kind, bool closesWindow);
    LibraryResult AcceptAs(uint16_t key, uint32_t id, bool deleteIt,
                           std::optional<DateTime> shownOccurrence, bool closesWindow);
    // The event at `key` after checking that it is the event of `id` (Corrupted when not).
    ReadResult<EventRecord> ReadHeld(uint16_t key, uint32_t id) const;
    // Flushes the folder after a file was moved into or out of it.
    void FlushFolderOf(const std::string& path);
    // After a rewrite: the pending entry of the old key goes, the event joins the pending list
    // when it belongs there, and the listeners are told.
    void FinishRewrite(uint16_t oldKey, const EventRecord& event, StoreChangeKind kind,
                       bool closesWindow);
    LibraryResult RebuildPendingAt(DateTime now);
    LibraryResult CheckFutureStampsAt(DateTime now);

    void JoinPending(const EventRecord& event);

    std::unique_ptr<StoreFileSystem> ownFiles_;
    StoreFileSystem* files_;
    NowSource now_;
    WeekSettings week_;
    std::string programFolder_;
    std::chrono::milliseconds lockWait_;
    EventLibrary::TypeLookup typeLookup_;

    EventLibrary library_;
    PendingList pending_;
    MergeCounts mergeCounts_;
    FileFailure lastFailure_;
    std::string libraryPath_;

    std::vector<StoreListener*> listeners_; // null: left during a notice
    int notifying_ = 0;
    StorePrompts* prompts_ = nullptr;
    QuickReminderTakeOver* quickTakeOver_ = nullptr;

    int busy_ = 0;
    int reminderCreation_ = 0;
    int bulkDepth_ = 0;
    bool bulkChanged_ = false;
};

// Shortens the texts of an event whose stored form would be longer than a chain can be (notes
// first, then the name, the sound file and the type name), cutting between characters. True
// when anything was cut.
[[nodiscard]] bool FitEventToChain(EventRecord& event);

} // namespace zm
