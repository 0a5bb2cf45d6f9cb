#include "store/event_store.h"

#include "platform/clock.h"
#include "store/library/event_serializer.h"
#include "store/library/library_format.h"
#include "store/library/library_walk.h"

namespace zm {
namespace {

DateTime SystemNow() {
    const CivilTime t = SystemClock().localNow();
    return DateTime::FromParts(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

const WeekSettings kDefaultWeek{};

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
    close();
}

void EventStore::setTypeLookup(EventLibrary::TypeLookup lookup) {
    typeLookup_ = lookup;
    library_.setTypeLookup(std::move(lookup));
}

DateTime EventStore::now() const {
    return now_();
}

const WeekSettings& EventStore::week() const {
    return week_ ? *week_ : kDefaultWeek;
}

void EventStore::showFileError(const std::string& text) {
    if (prompts_) prompts_->showFileError(text);
}

void EventStore::close() {
    pending_.clear();
    pending_.unsetLimit();
    library_.close();
}

// --- telling the windows ---

void EventStore::joinPending(const EventRecord& event) {
    if (!pending_.belongs(event, week())) return;
    pending_.add(event);
    if (upcoming_) upcoming_->addEvent(event);
}

void EventStore::removePending(uint16_t key) {
    if (pending_.remove(key) && upcoming_) upcoming_->removeEvent(key);
}

void EventStore::closeWindow(uint16_t key) {
    if (windows_) windows_->closeWindow(key);
}

void EventStore::listReplace(uint16_t oldKey, const EventRecord& event) {
    if (list_) list_->replaceItem(oldKey, event);
}

// --- events ---

LibraryResult EventStore::storeNew(EventRecord& event) {
    const LibraryResult rc = library_.addEvent(event);
    if (rc != lr::kOk) return rc;
    if (list_) list_->insertItem(event);
    joinPending(event);
    return lr::kOk;
}

LibraryResult EventStore::storeChanged(EventRecord& event) {
    const uint16_t oldKey = event.Key;
    const LibraryResult rc = library_.modifyEvent(event);
    if (rc != lr::kOk) return rc;
    closeWindow(oldKey);
    listReplace(oldKey, event);
    removePending(oldKey);
    joinPending(event);
    return lr::kOk;
}

LibraryResult EventStore::storeReplaced(EventRecord& event) {
    const uint16_t oldKey = event.Key;
    EventRecord replacement = event;
    if (replacement.Id == 0) {
        EventRecord stored = EventRecord::ForKey(oldKey);
        const LibraryResult rc = library_.readEvent(stored);
        if (rc != lr::kOk) return rc;
        replacement.Id = stored.Id;
    }
    FitEventToChain(replacement);
    const LibraryResult rc = library_.modifyEvent(replacement);
    if (rc != lr::kOk) return rc;
    event = std::move(replacement);
    closeWindow(oldKey);
    removePending(oldKey);
    return lr::kOk;
}

LibraryResult EventStore::deleteStored(uint16_t key) {
    const LibraryResult rc = library_.deleteEvent(key);
    if (rc != lr::kOk) return rc;
    removePending(key);
    if (list_) list_->removeItem(key);
    return lr::kOk;
}

LibraryResult EventStore::removeEvent(uint16_t key) {
    const LibraryResult rc = deleteStored(key);
    if (rc == lr::kOk) closeWindow(key);
    return rc;
}

LibraryResult EventStore::acceptStored(uint16_t key, bool deleteIt,
                                       std::optional<DateTime> shownOccurrence) {
    if (deleteIt) return deleteStored(key);
    EventRecord event = EventRecord::ForKey(key);
    LibraryResult rc = library_.readEvent(event);
    if (rc != lr::kOk) return rc;
    event.Accept(now(), week(), shownOccurrence);
    rc = library_.modifyEvent(event);
    if (rc != lr::kOk) return rc;
    listReplace(key, event);
    // The entry of the old key would name blocks that are free now.
    removePending(key);
    if (event.IsRecurring()) joinPending(event);
    return lr::kOk;
}

LibraryResult EventStore::acceptListed(uint16_t key) {
    const LibraryResult rc = acceptStored(key);
    if (rc == lr::kOk) closeWindow(key);
    return rc;
}

LibraryResult EventStore::changeType(EventRecord& event, int32_t typeIndex,
                                     const std::string& typeName) {
    const uint16_t oldKey = event.Key;
    EventRecord changed = event;
    changed.TypeName = typeName;
    changed.TypeIndex = typeIndex;
    const LibraryResult rc = library_.modifyEvent(changed);
    if (rc != lr::kOk) return rc;
    event = std::move(changed);
    closeWindow(oldKey);
    if (std::optional<EventRecord> entry = pending_.take(oldKey)) {
        entry->Key = event.Key;
        entry->TypeName = event.TypeName;
        entry->TypeIndex = event.TypeIndex;
        if (upcoming_) upcoming_->removeEvent(oldKey);
        pending_.add(*entry);
        if (upcoming_) upcoming_->addEvent(*entry);
    } else {
        joinPending(event);
    }
    return lr::kOk;
}

LibraryResult EventStore::setDisabled(EventRecord& event, bool on) {
    if (event.Has(kDisabled) == on) return lr::kOk;
    const uint16_t oldKey = event.Key;
    EventRecord changed = event;
    changed.SetDisabled(on);
    const LibraryResult rc = library_.modifyEvent(changed);
    if (rc != lr::kOk) return rc;
    event = std::move(changed);
    closeWindow(oldKey);
    removePending(oldKey);
    joinPending(event);
    return lr::kOk;
}

LibraryResult EventStore::deleteAccepted() {
    return library_.forEachEvent([this](uint16_t key) {
        EventRecord event = EventRecord::ForKey(key);
        const LibraryResult rc = library_.readEvent(event);
        if (rc != lr::kOk) return rc;
        if (event.IsRecurring() || !event.Has(kAccepted)) return lr::kOk;
        return deleteStored(key);
    });
}

LibraryResult EventStore::snoozeStored(uint16_t key, const SnoozeRequest& request,
                                       Verdict& verdict) {
    verdict = Verdict::Pass();
    EventRecord event = EventRecord::ForKey(key);
    LibraryResult rc = library_.readEvent(event);
    if (rc != lr::kOk) return rc;
    verdict = ApplySnooze(event, request, now(), week());
    if (!verdict.Ok()) return lr::kOk;
    rc = library_.modifyEvent(event);
    if (rc != lr::kOk) return rc;
    removePending(key);
    listReplace(key, event);
    joinPending(event);
    return lr::kOk;
}

LibraryResult EventStore::unsnoozeStored(uint16_t key) {
    EventRecord event = EventRecord::ForKey(key);
    LibraryResult rc = library_.readEvent(event);
    if (rc != lr::kOk) return rc;
    // The current occurrence is today's (or the next one); before the first rebuild the end of
    // today stands in for the limit.
    event.Unsnooze(pending_.limitSet() ? pending_.limit() : EndOfDay(now()));
    rc = library_.modifyEvent(event);
    if (rc != lr::kOk) return rc;
    closeWindow(key);
    removePending(key);
    listReplace(key, event);
    joinPending(event);
    return lr::kOk;
}

// --- the scheduler ---

LibraryResult EventStore::reloadPending() {
    pending_.unsetLimit();
    return rebuildPending(now());
}

LibraryResult EventStore::rebuildPending(DateTime now) {
    if (!pending_.needsRebuild(now)) return lr::kOk;
    const DateTime limit = EndOfDay(now);
    const WeekSettings& settings = week();
    std::vector<EventRecord> fresh;
    const LibraryResult rc = ReadEachEvent(library_, typeLookup_, [&](EventRecord& event) {
        if (event.IsDue(limit, settings).due) fresh.push_back(std::move(event));
        return lr::kOk;
    });
    if (rc != lr::kOk) return rc;
    pending_.setLimit(limit);
    pending_.assign(std::move(fresh));
    if (upcoming_) upcoming_->rebuild(pending_);
    return lr::kOk;
}

std::vector<DueReminder> EventStore::dueReminders(DateTime now) const {
    return pending_.dueAt(now, week());
}

LibraryResult EventStore::checkFutureStamps(DateTime now) {
    // Stops the first walk at the first event found; no library code has this value.
    constexpr LibraryResult kFound = 0xFFFFFFFFu;
    const WeekSettings& settings = week();
    LibraryResult rc = ReadEachEvent(library_, typeLookup_, [&](EventRecord& event) {
        return event.IsStampedInFuture(now, settings) ? kFound : lr::kOk;
    });
    if (rc != kFound) return rc;
    if (!prompts_ || !prompts_->confirmFutureStampCorrection()) return lr::kOk;
    bool corrected = false;
    rc = library_.forEachEvent([&](uint16_t key) {
        EventRecord event = EventRecord::ForKey(key);
        const LibraryResult read = library_.readEvent(event);
        if (read != lr::kOk) return read;
        if (!event.IsStampedInFuture(now, settings)) return lr::kOk;
        event.StampShown(now);
        corrected = true;
        return library_.rewriteFirstBlock(event);
    });
    if (corrected) {
        const LibraryResult flushed = library_.flush();
        if (rc == lr::kOk) rc = flushed;
        pending_.unsetLimit();
    }
    return rc;
}

LibraryResult EventStore::startCheck(DateTime now) {
    const LibraryResult rc = checkFutureStamps(now);
    if (rc != lr::kOk) return rc;
    return rebuildPending(now);
}

} // namespace zm
