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
    for (std::string* text : {&event.Notes, &event.Name, &event.SoundFile, &event.TypeName}) {
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
      programFolder_(std::move(setup.programFolder)) {
    if (!files_) {
        ownFiles_ = std::make_unique<PosixFileSystem>();
        files_ = ownFiles_.get();
    }
    if (!now_) now_ = SystemNow;
    library_.setNowSource(now_);
}

EventStore::~EventStore() {
    listeners_.clear();
    close();
}

void EventStore::setTypeLookup(EventLibrary::TypeLookup lookup) {
    typeLookup_ = lookup;
    library_.setTypeLookup(std::move(lookup));
}

DateTime EventStore::Now() const {
    return now_();
}

void EventStore::showFileError(const std::string& text) {
    if (prompts_) prompts_->showFileError(text);
}

void EventStore::close() {
    const bool wasOpen = library_.isOpen();
    pending_.clear();
    pending_.unsetLimit();
    library_.close();
    libraryPath_.clear();
    if (wasOpen) notify(StoreChange::ResetBy(ResetCause::Closed));
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

void EventStore::notify(const StoreChange& change) {
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

void EventStore::joinPending(const EventRecord& event) {
    if (pending_.belongs(event, week_)) pending_.add(event);
}

void EventStore::removePending(uint16_t key) {
    if (pending_.remove(key))
        notify(StoreChange::Of(StoreChangeKind::LeftPending, key, key, std::nullopt));
}

void EventStore::finishRewrite(uint16_t oldKey, const EventRecord& event, StoreChangeKind kind,
                               bool closesWindow) {
    pending_.remove(oldKey);
    joinPending(event);
    notify(StoreChange::Of(kind, oldKey, event.Key, event, closesWindow));
}

// --- events ---

LibraryResult EventStore::storeNew(EventRecord& event) {
    const LibraryResult rc = library_.addEvent(event);
    if (rc != LibraryResult::Ok) return rc;
    joinPending(event);
    notify(StoreChange::Of(StoreChangeKind::Added, 0, event.Key, event));
    return LibraryResult::Ok;
}

LibraryResult EventStore::storeChanged(EventRecord& event) {
    const uint16_t oldKey = event.Key;
    const LibraryResult rc = library_.modifyEvent(event);
    if (rc != LibraryResult::Ok) return rc;
    finishRewrite(oldKey, event, StoreChangeKind::Changed, true);
    return LibraryResult::Ok;
}

LibraryResult EventStore::storeReplaced(EventRecord& event) {
    const uint16_t oldKey = event.Key;
    EventRecord replacement = event;
    if (replacement.Id == 0) {
        const ReadResult<EventRecord> stored = library_.readEvent(oldKey);
        if (!stored.Ok()) return stored.Code();
        replacement.Id = stored->Id;
    }
    const LibraryResult rc = library_.modifyEvent(replacement);
    if (rc != LibraryResult::Ok) return rc;
    event = std::move(replacement);
    // The merge or import that replaces it rebuilds the pending list afterwards.
    pending_.remove(oldKey);
    notify(StoreChange::Of(StoreChangeKind::Replaced, oldKey, event.Key, event, true));
    return LibraryResult::Ok;
}

LibraryResult EventStore::deleteAs(uint16_t key, StoreChangeKind kind, bool closesWindow) {
    // The listeners are given the event as it was; one that cannot be read is deleted all the
    // same.
    ReadResult<EventRecord> read = library_.readEvent(key);
    std::optional<EventRecord> gone;
    if (read.Ok()) gone = std::move(read).Value();
    const LibraryResult rc = library_.deleteEvent(key);
    if (rc != LibraryResult::Ok) return rc;
    pending_.remove(key);
    notify(StoreChange::Of(kind, key, 0, std::move(gone), closesWindow));
    return LibraryResult::Ok;
}

LibraryResult EventStore::deleteStored(uint16_t key) {
    return deleteAs(key, StoreChangeKind::Deleted, false);
}

LibraryResult EventStore::removeEvent(uint16_t key) {
    return deleteAs(key, StoreChangeKind::Deleted, true);
}

LibraryResult EventStore::acceptAs(uint16_t key, bool deleteIt,
                                   std::optional<DateTime> shownOccurrence, bool closesWindow) {
    if (deleteIt) return deleteAs(key, StoreChangeKind::Deleted, closesWindow);
    ReadResult<EventRecord> read = library_.readEvent(key);
    if (!read.Ok()) return read.Code();
    EventRecord event = std::move(read).Value();
    event.Accept(Now(), week_, shownOccurrence);
    const LibraryResult rc = library_.modifyEvent(event);
    if (rc != LibraryResult::Ok) return rc;
    // The entry of the old key would name blocks that are free now; a recurring event comes
    // back when a further reminder falls before the limit.
    pending_.remove(key);
    if (event.IsRecurring()) joinPending(event);
    notify(StoreChange::Of(StoreChangeKind::Accepted, key, event.Key, event, closesWindow));
    return LibraryResult::Ok;
}

LibraryResult EventStore::acceptStored(uint16_t key, bool deleteIt,
                                       std::optional<DateTime> shownOccurrence) {
    return acceptAs(key, deleteIt, shownOccurrence, false);
}

LibraryResult EventStore::acceptListed(uint16_t key) {
    return acceptAs(key, false, std::nullopt, true);
}

LibraryResult EventStore::changeType(EventRecord& event, int32_t typeIndex,
                                     const std::string& typeName) {
    const uint16_t oldKey = event.Key;
    EventRecord changed = event;
    changed.TypeName = typeName;
    changed.TypeIndex = typeIndex;
    const LibraryResult rc = library_.modifyEvent(changed);
    if (rc != LibraryResult::Ok) return rc;
    event = std::move(changed);
    if (std::optional<EventRecord> entry = pending_.take(oldKey)) {
        entry->Key = event.Key;
        entry->TypeName = event.TypeName;
        entry->TypeIndex = event.TypeIndex;
        pending_.add(std::move(*entry));
    } else {
        joinPending(event);
    }
    notify(StoreChange::Of(StoreChangeKind::TypeChanged, oldKey, event.Key, event, true));
    return LibraryResult::Ok;
}

LibraryResult EventStore::setDisabled(EventRecord& event, bool on) {
    if (event.Has(kDisabled) == on) return LibraryResult::Ok;
    const uint16_t oldKey = event.Key;
    EventRecord changed = event;
    changed.SetDisabled(on);
    const LibraryResult rc = library_.modifyEvent(changed);
    if (rc != LibraryResult::Ok) return rc;
    event = std::move(changed);
    finishRewrite(oldKey, event, on ? StoreChangeKind::Disabled : StoreChangeKind::Enabled, true);
    return LibraryResult::Ok;
}

LibraryResult EventStore::deleteAccepted() {
    return library_.forEachEvent([this](uint16_t key) {
        const ReadResult<EventRecord> event = library_.readEvent(key);
        if (!event.Ok()) return event.Code();
        if (event->IsRecurring() || !event->Has(kAccepted)) return LibraryResult::Ok;
        return deleteAs(key, StoreChangeKind::Purged, false);
    });
}

LibraryResult EventStore::snoozeStored(uint16_t key, const SnoozeRequest& request,
                                       Verdict& verdict) {
    verdict = Verdict::Pass();
    ReadResult<EventRecord> read = library_.readEvent(key);
    if (!read.Ok()) return read.Code();
    EventRecord event = std::move(read).Value();
    verdict = ApplySnooze(event, request, Now(), week_);
    if (!verdict.Ok()) return LibraryResult::Ok;
    const LibraryResult rc = library_.modifyEvent(event);
    if (rc != LibraryResult::Ok) return rc;
    finishRewrite(key, event, StoreChangeKind::Snoozed, false);
    return LibraryResult::Ok;
}

LibraryResult EventStore::unsnoozeStored(uint16_t key) {
    ReadResult<EventRecord> read = library_.readEvent(key);
    if (!read.Ok()) return read.Code();
    EventRecord event = std::move(read).Value();
    // The current occurrence is today's (or the next one); before the first rebuild the end of
    // today stands in for the limit.
    event.Unsnooze(pending_.limitSet() ? pending_.limit() : EndOfDay(Now()));
    const LibraryResult rc = library_.modifyEvent(event);
    if (rc != LibraryResult::Ok) return rc;
    finishRewrite(key, event, StoreChangeKind::Unsnoozed, true);
    return LibraryResult::Ok;
}

// --- the scheduler ---

LibraryResult EventStore::reloadPending() {
    pending_.unsetLimit();
    return rebuildPendingAt(Now());
}

LibraryResult EventStore::rebuildPending() {
    return rebuildPendingAt(Now());
}

LibraryResult EventStore::rebuildPendingAt(DateTime now) {
    if (!pending_.needsRebuild(now)) return LibraryResult::Ok;
    const DateTime limit = EndOfDay(now);
    const WeekSettings& settings = week_;
    std::vector<EventRecord> fresh;
    const LibraryResult rc = ReadEachEvent(library_, typeLookup_, [&](EventRecord& event) {
        if (event.IsDue(limit, settings).due) fresh.push_back(std::move(event));
        return LibraryResult::Ok;
    });
    if (rc != LibraryResult::Ok) return rc;
    pending_.setLimit(limit);
    pending_.assign(std::move(fresh));
    notify(StoreChange::Of(StoreChangeKind::PendingRebuilt, 0, 0, std::nullopt));
    return LibraryResult::Ok;
}

std::vector<DueReminder> EventStore::dueReminders() const {
    return pending_.dueAt(Now(), week_);
}

std::optional<DateTime> EventStore::NextDueInstant() const {
    return pending_.NextDueAfter(Now(), week_);
}

LibraryResult EventStore::checkFutureStamps() {
    return checkFutureStampsAt(Now());
}

LibraryResult EventStore::checkFutureStampsAt(DateTime now) {
    BusyScope busy(*this);
    // Stops the first walk at the first event found; no library code has this value.
    constexpr LibraryResult kFound = static_cast<LibraryResult>(0xFFFFFFFFu);
    const WeekSettings& settings = week_;
    LibraryResult rc = ReadEachEvent(library_, typeLookup_, [&](EventRecord& event) {
        return event.IsStampedInFuture(now, settings) ? kFound : LibraryResult::Ok;
    });
    if (rc != kFound) return rc;
    if (!prompts_ || !prompts_->confirmFutureStampCorrection()) return LibraryResult::Ok;
    bool corrected = false;
    rc = library_.forEachEvent([&](uint16_t key) {
        ReadResult<EventRecord> read = library_.readEvent(key);
        if (!read.Ok()) return read.Code();
        EventRecord event = std::move(read).Value();
        if (!event.IsStampedInFuture(now, settings)) return LibraryResult::Ok;
        event.StampShown(now);
        const LibraryResult written = library_.rewriteFirstBlock(event);
        if (written == LibraryResult::Ok) corrected = true;
        return written;
    });
    if (corrected) {
        const LibraryResult flushed = library_.flush();
        if (rc == LibraryResult::Ok) rc = flushed;
        pending_.unsetLimit();
        notify(StoreChange::ResetBy(ResetCause::StampsCorrected));
    }
    return rc;
}

LibraryResult EventStore::startCheck() {
    const DateTime now = Now();
    const LibraryResult rc = checkFutureStampsAt(now);
    if (rc != LibraryResult::Ok) return rc;
    return rebuildPendingAt(now);
}

} // namespace zm
