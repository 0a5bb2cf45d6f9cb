#include "store/event_store.h"

#include "store/library/event_serializer.h"
#include "store/library/library_format.h"
#include "store/library/library_walk.h"

#include <algorithm>

namespace zm {
namespace {

// Cuts a text to at most `size` bytes without splitting a character.
void CutText(std::string& text, size_t size) {
    if (text.size() <= size) return;
    while (size > 0 && (static_cast<unsigned char>(text[size]) & 0xC0) == 0x80)
        --size;
    text.resize(size);
}

} // namespace

bool FitEventToChain(EventRecord& event) {
    bool cut = false;
    for (std::string* text : {&event.notes, &event.name, &event.soundFile, &event.typeName}) {
        const size_t size = SerializedSize(event);
        if (size <= libfmt::kMaxEventBytes) break;
        const size_t over = size - libfmt::kMaxEventBytes;
        CutText(*text, text->size() > over ? text->size() - over : 0);
        cut = true;
    }
    return cut;
}

EventStore::EventStore(StoreSetup setup)
    : files_(setup.files), now_(std::move(setup.now)), week_(setup.week),
      programFolder_(std::move(setup.programFolder)), lockWait_(setup.lockWait) {
    if (!files_) {
        ownFiles_ = std::make_unique<PosixFileSystem>();
        files_ = ownFiles_.get();
    }
    if (!now_) now_ = SystemNow;
    library_.SetNowSource(now_);
}

EventStore::~EventStore() {
    listeners_.clear();
    Close();
}

void EventStore::SetTypeLookup(EventLibrary::TypeLookup lookup) {
    typeLookup_ = lookup;
    library_.SetTypeLookup(std::move(lookup));
}

DateTime EventStore::Now() const {
    return now_();
}

void EventStore::ShowFileError(const std::string& text) {
    if (prompts_) prompts_->ShowFileError(text);
}

void EventStore::Close() {
    const bool wasOpen = library_.IsOpen();
    pending_.Clear();
    pending_.UnsetLimit();
    library_.Close();
    libraryPath_.clear();
    if (wasOpen) Notify(StoreChange::ResetBy(ResetCause::Closed));
}

// --- the listeners ---

void EventStore::AddListener(StoreListener& listener) {
    if (std::find(listeners_.begin(), listeners_.end(), &listener) == listeners_.end())
        listeners_.push_back(&listener);
}

void EventStore::RemoveListener(StoreListener& listener) {
    const auto it = std::find(listeners_.begin(), listeners_.end(), &listener);
    if (it == listeners_.end()) return;
    // Within a notice the list is being walked: the place is emptied and dropped afterwards.
    if (notifying_ > 0)
        *it = nullptr;
    else
        listeners_.erase(it);
}

void EventStore::Notify(const StoreChange& change) {
    if (bulkDepth_ > 0) {
        bulkChanged_ = true;
        if (!change.MovesKey()) return;
    }
    ++notifying_;
    // A listener that joins meanwhile is told from the next notice on.
    const size_t count = listeners_.size();
    for (size_t i = 0; i < count; ++i)
        if (StoreListener* listener = listeners_[i]) listener->OnStoreChange(change);
    if (--notifying_ == 0) std::erase(listeners_, nullptr);
}

// --- the pending list ---

void EventStore::JoinPending(const EventRecord& event) {
    if (pending_.Belongs(event, week_)) pending_.Add(event);
}

void EventStore::RemovePending(uint16_t key) {
    if (pending_.Remove(key))
        Notify(StoreChange::Of(StoreChangeKind::LeftPending, key, key, std::nullopt));
}

void EventStore::FinishRewrite(uint16_t oldKey, const EventRecord& event, StoreChangeKind kind,
                               bool closesWindow) {
    pending_.Remove(oldKey);
    JoinPending(event);
    Notify(StoreChange::Of(kind, oldKey, event.key, event, closesWindow));
}

// --- events ---

LibraryResult EventStore::StoreNew(EventRecord& event) {
    const LibraryResult rc = library_.AddEvent(event);
    if (rc != LibraryResult::Ok) return rc;
    JoinPending(event);
    Notify(StoreChange::Of(StoreChangeKind::Added, 0, event.key, event));
    return LibraryResult::Ok;
}

LibraryResult EventStore::StoreChanged(EventRecord& event) {
    const uint16_t oldKey = event.key;
    const LibraryResult rc = library_.ModifyEvent(event);
    if (rc != LibraryResult::Ok) return rc;
    FinishRewrite(oldKey, event, StoreChangeKind::Changed, true);
    return LibraryResult::Ok;
}

LibraryResult EventStore::StoreReplaced(EventRecord& event) {
    const uint16_t oldKey = event.key;
    EventRecord replacement = event;
    if (replacement.id == 0) {
        const ReadResult<EventRecord> stored = library_.ReadEvent(oldKey);
        if (!stored.Ok()) return stored.Code();
        replacement.id = stored->id;
    }
    const LibraryResult rc = library_.ModifyEvent(replacement);
    if (rc != LibraryResult::Ok) return rc;
    event = std::move(replacement);
    // The merge or import that replaces it rebuilds the pending list afterwards.
    pending_.Remove(oldKey);
    Notify(StoreChange::Of(StoreChangeKind::Replaced, oldKey, event.key, event, true));
    return LibraryResult::Ok;
}

ReadResult<EventRecord> EventStore::ReadHeld(uint16_t key, uint32_t id) const {
    const LibraryResult rc = library_.CheckKey(key, id);
    if (rc != LibraryResult::Ok) return rc;
    return library_.ReadEvent(key);
}

LibraryResult EventStore::DeleteAs(uint16_t key, uint32_t id, StoreChangeKind kind,
                                   bool closesWindow) {
    // The listeners are given the event as it was; one that cannot be read is deleted all the
    // same.
    ReadResult<EventRecord> read = library_.ReadEvent(key);
    std::optional<EventRecord> gone;
    if (read.Ok()) gone = std::move(read).Value();
    const LibraryResult rc = library_.DeleteEvent(key, id);
    if (rc != LibraryResult::Ok) return rc;
    pending_.Remove(key);
    Notify(StoreChange::Of(kind, key, 0, std::move(gone), closesWindow));
    return LibraryResult::Ok;
}

LibraryResult EventStore::DeleteStored(uint16_t key, uint32_t id) {
    return DeleteAs(key, id, StoreChangeKind::Deleted, false);
}

LibraryResult EventStore::RemoveEvent(uint16_t key, uint32_t id) {
    return DeleteAs(key, id, StoreChangeKind::Deleted, true);
}

LibraryResult EventStore::AcceptAs(uint16_t key, uint32_t id, bool deleteIt,
                                   std::optional<DateTime> shownOccurrence, bool closesWindow) {
    if (deleteIt) return DeleteAs(key, id, StoreChangeKind::Deleted, closesWindow);
    ReadResult<EventRecord> read = ReadHeld(key, id);
    if (!read.Ok()) return read.Code();
    EventRecord event = std::move(read).Value();
    event.Accept(Now(), week_, shownOccurrence);
    const LibraryResult rc = library_.ModifyEvent(event);
    if (rc != LibraryResult::Ok) return rc;
    // The entry of the old key would name blocks that are free now; a recurring event comes
    // back when a further reminder falls before the limit.
    pending_.Remove(key);
    if (event.IsRecurring()) JoinPending(event);
    Notify(StoreChange::Of(StoreChangeKind::Accepted, key, event.key, event, closesWindow));
    return LibraryResult::Ok;
}

LibraryResult EventStore::AcceptStored(uint16_t key, uint32_t id, bool deleteIt,
                                       std::optional<DateTime> shownOccurrence) {
    return AcceptAs(key, id, deleteIt, shownOccurrence, false);
}

LibraryResult EventStore::AcceptListed(uint16_t key, uint32_t id) {
    return AcceptAs(key, id, false, std::nullopt, true);
}

LibraryResult EventStore::ChangeType(EventRecord& event, int32_t typeIndex,
                                     const std::string& typeName) {
    const uint16_t oldKey = event.key;
    EventRecord changed = event;
    changed.typeName = typeName;
    changed.typeIndex = typeIndex;
    const LibraryResult rc = library_.ModifyEvent(changed);
    if (rc != LibraryResult::Ok) return rc;
    event = std::move(changed);
    if (std::optional<EventRecord> entry = pending_.Take(oldKey)) {
        entry->key = event.key;
        entry->typeName = event.typeName;
        entry->typeIndex = event.typeIndex;
        pending_.Add(std::move(*entry));
    } else {
        JoinPending(event);
    }
    Notify(StoreChange::Of(StoreChangeKind::TypeChanged, oldKey, event.key, event, true));
    return LibraryResult::Ok;
}

LibraryResult EventStore::SetDisabled(EventRecord& event, bool on) {
    if (event.Has(kDisabled) == on) return LibraryResult::Ok;
    const uint16_t oldKey = event.key;
    EventRecord changed = event;
    changed.SetDisabled(on);
    const LibraryResult rc = library_.ModifyEvent(changed);
    if (rc != LibraryResult::Ok) return rc;
    event = std::move(changed);
    FinishRewrite(oldKey, event, on ? StoreChangeKind::Disabled : StoreChangeKind::Enabled, true);
    return LibraryResult::Ok;
}

LibraryResult EventStore::DeleteAccepted() {
    return library_.ForEachEvent([this](uint16_t key) {
        const ReadResult<EventRecord> event = library_.ReadEvent(key);
        if (!event.Ok()) return event.Code();
        if (event->IsRecurring() || !event->Has(kAccepted)) return LibraryResult::Ok;
        return DeleteAs(key, event->id, StoreChangeKind::Purged, false);
    });
}

LibraryResult EventStore::SnoozeStored(uint16_t key, uint32_t id, const SnoozeRequest& request,
                                       Verdict& verdict) {
    verdict = Verdict::Pass();
    ReadResult<EventRecord> read = ReadHeld(key, id);
    if (!read.Ok()) return read.Code();
    EventRecord event = std::move(read).Value();
    verdict = ApplySnooze(event, request, Now(), week_);
    if (!verdict.Ok()) return LibraryResult::Ok;
    const LibraryResult rc = library_.ModifyEvent(event);
    if (rc != LibraryResult::Ok) return rc;
    FinishRewrite(key, event, StoreChangeKind::Snoozed, false);
    return LibraryResult::Ok;
}

LibraryResult EventStore::UnsnoozeStored(uint16_t key, uint32_t id) {
    ReadResult<EventRecord> read = ReadHeld(key, id);
    if (!read.Ok()) return read.Code();
    EventRecord event = std::move(read).Value();
    // The current occurrence is today's (or the next one); before the first rebuild the end of
    // today stands in for the limit.
    event.Unsnooze(pending_.LimitSet() ? pending_.Limit() : EndOfDay(Now()));
    const LibraryResult rc = library_.ModifyEvent(event);
    if (rc != LibraryResult::Ok) return rc;
    FinishRewrite(key, event, StoreChangeKind::Unsnoozed, true);
    return LibraryResult::Ok;
}

// --- the scheduler ---

void EventStore::TypesChanged() {
    if (typeLookup_) {
        std::vector<EventRecord> entries = pending_.Entries();
        for (EventRecord& event : entries)
            event.SetTypeIndex(typeLookup_(event.typeName));
        pending_.Assign(std::move(entries));
    }
    Notify(StoreChange::ResetBy(ResetCause::TypesChanged));
}

LibraryResult EventStore::ReloadPending() {
    pending_.UnsetLimit();
    return RebuildPendingAt(Now());
}

LibraryResult EventStore::RebuildPending() {
    return RebuildPendingAt(Now());
}

LibraryResult EventStore::RebuildPendingAt(DateTime now) {
    if (!pending_.NeedsRebuild(now)) return LibraryResult::Ok;
    const DateTime limit = EndOfDay(now);
    const WeekSettings& settings = week_;
    std::vector<EventRecord> fresh;
    const LibraryResult rc = ReadEachEvent(library_, typeLookup_, [&](EventRecord& event) {
        if (event.IsDue(limit, settings).due) fresh.push_back(std::move(event));
        return LibraryResult::Ok;
    });
    if (rc != LibraryResult::Ok) return rc;
    pending_.SetLimit(limit);
    pending_.Assign(std::move(fresh));
    Notify(StoreChange::Of(StoreChangeKind::PendingRebuilt, 0, 0, std::nullopt));
    return LibraryResult::Ok;
}

std::vector<DueReminder> EventStore::DueReminders() const {
    return pending_.DueAt(Now(), week_);
}

std::optional<DateTime> EventStore::NextDueInstant() const {
    return pending_.NextDueAfter(Now(), week_);
}

LibraryResult EventStore::CheckFutureStamps() {
    return CheckFutureStampsAt(Now());
}

LibraryResult EventStore::CheckFutureStampsAt(DateTime now) {
    BusyScope busy(*this);
    // Stops the first walk at the first event found; no library code has this value.
    constexpr LibraryResult kFound = static_cast<LibraryResult>(0xFFFFFFFFu);
    const WeekSettings& settings = week_;
    LibraryResult rc = ReadEachEvent(library_, typeLookup_, [&](EventRecord& event) {
        return event.IsStampedInFuture(now, settings) ? kFound : LibraryResult::Ok;
    });
    if (rc != kFound) return rc;
    if (!prompts_ || !prompts_->ConfirmFutureStampCorrection()) return LibraryResult::Ok;
    bool corrected = false;
    rc = library_.ForEachEvent([&](uint16_t key) {
        ReadResult<EventRecord> read = library_.ReadEvent(key);
        if (!read.Ok()) return read.Code();
        EventRecord event = std::move(read).Value();
        if (!event.IsStampedInFuture(now, settings)) return LibraryResult::Ok;
        event.StampShown(now);
        const LibraryResult written = library_.RewriteFirstBlock(event);
        if (written == LibraryResult::Ok) corrected = true;
        return written;
    });
    if (corrected) {
        const LibraryResult flushed = library_.Flush();
        if (rc == LibraryResult::Ok) rc = flushed;
        pending_.UnsetLimit();
        Notify(StoreChange::ResetBy(ResetCause::StampsCorrected));
    }
    return rc;
}

LibraryResult EventStore::StartCheck() {
    const DateTime now = Now();
    const LibraryResult rc = CheckFutureStampsAt(now);
    if (rc != LibraryResult::Ok) return rc;
    // The list is always built here, also when the store already held one for today.
    pending_.UnsetLimit();
    return RebuildPendingAt(now);
}

} // namespace zm
