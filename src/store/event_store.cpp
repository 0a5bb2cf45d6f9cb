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
    if (rc != LibraryResult::Ok) return rc;
    if (list_) list_->insertItem(event);
    joinPending(event);
    return LibraryResult::Ok;
}

LibraryResult EventStore::storeChanged(EventRecord& event) {
    const uint16_t oldKey = event.Key;
    const LibraryResult rc = library_.modifyEvent(event);
    if (rc != LibraryResult::Ok) return rc;
    closeWindow(oldKey);
    listReplace(oldKey, event);
    removePending(oldKey);
    joinPending(event);
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
    closeWindow(oldKey);
    removePending(oldKey);
    return LibraryResult::Ok;
}

LibraryResult EventStore::deleteStored(uint16_t key) {
    const LibraryResult rc = library_.deleteEvent(key);
    if (rc != LibraryResult::Ok) return rc;
    removePending(key);
    if (list_) list_->removeItem(key);
    return LibraryResult::Ok;
}

LibraryResult EventStore::removeEvent(uint16_t key) {
    const LibraryResult rc = deleteStored(key);
    if (rc == LibraryResult::Ok) closeWindow(key);
    return rc;
}

LibraryResult EventStore::acceptStored(uint16_t key, bool deleteIt,
                                       std::optional<DateTime> shownOccurrence) {
    if (deleteIt) return deleteStored(key);
    ReadResult<EventRecord> read = library_.readEvent(key);
    if (!read.Ok()) return read.Code();
    EventRecord event = std::move(read).Value();
    event.Accept(now(), week(), shownOccurrence);
    const LibraryResult rc = library_.modifyEvent(event);
    if (rc != LibraryResult::Ok) return rc;
    listReplace(key, event);
    // The entry of the old key would name blocks that are free now.
    removePending(key);
    if (event.IsRecurring()) joinPending(event);
    return LibraryResult::Ok;
}

LibraryResult EventStore::acceptListed(uint16_t key) {
    const LibraryResult rc = acceptStored(key);
    if (rc == LibraryResult::Ok) closeWindow(key);
    return rc;
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
    closeWindow(oldKey);
    removePending(oldKey);
    joinPending(event);
    return LibraryResult::Ok;
}

LibraryResult EventStore::deleteAccepted() {
    return library_.forEachEvent([this](uint16_t key) {
        const ReadResult<EventRecord> event = library_.readEvent(key);
        if (!event.Ok()) return event.Code();
        if (event->IsRecurring() || !event->Has(kAccepted)) return LibraryResult::Ok;
        return deleteStored(key);
    });
}

LibraryResult EventStore::snoozeStored(uint16_t key, const SnoozeRequest& request,
                                       Verdict& verdict) {
    verdict = Verdict::Pass();
    ReadResult<EventRecord> read = library_.readEvent(key);
    if (!read.Ok()) return read.Code();
    EventRecord event = std::move(read).Value();
    verdict = ApplySnooze(event, request, now(), week());
    if (!verdict.Ok()) return LibraryResult::Ok;
    const LibraryResult rc = library_.modifyEvent(event);
    if (rc != LibraryResult::Ok) return rc;
    removePending(key);
    listReplace(key, event);
    joinPending(event);
    return LibraryResult::Ok;
}

LibraryResult EventStore::unsnoozeStored(uint16_t key) {
    ReadResult<EventRecord> read = library_.readEvent(key);
    if (!read.Ok()) return read.Code();
    EventRecord event = std::move(read).Value();
    // The current occurrence is today's (or the next one); before the first rebuild the end of
    // today stands in for the limit.
    event.Unsnooze(pending_.limitSet() ? pending_.limit() : EndOfDay(now()));
    const LibraryResult rc = library_.modifyEvent(event);
    if (rc != LibraryResult::Ok) return rc;
    closeWindow(key);
    removePending(key);
    listReplace(key, event);
    joinPending(event);
    return LibraryResult::Ok;
}

// --- the scheduler ---

LibraryResult EventStore::reloadPending() {
    pending_.unsetLimit();
    return rebuildPending(now());
}

LibraryResult EventStore::rebuildPending(DateTime now) {
    if (!pending_.needsRebuild(now)) return LibraryResult::Ok;
    const DateTime limit = EndOfDay(now);
    const WeekSettings& settings = week();
    std::vector<EventRecord> fresh;
    const LibraryResult rc = ReadEachEvent(library_, typeLookup_, [&](EventRecord& event) {
        if (event.IsDue(limit, settings).due) fresh.push_back(std::move(event));
        return LibraryResult::Ok;
    });
    if (rc != LibraryResult::Ok) return rc;
    pending_.setLimit(limit);
    pending_.assign(std::move(fresh));
    if (upcoming_) upcoming_->rebuild(pending_);
    return LibraryResult::Ok;
}

std::vector<DueReminder> EventStore::dueReminders(DateTime now) const {
    return pending_.dueAt(now, week());
}

LibraryResult EventStore::checkFutureStamps(DateTime now) {
    // Stops the first walk at the first event found; no library code has this value.
    constexpr LibraryResult kFound = static_cast<LibraryResult>(0xFFFFFFFFu);
    const WeekSettings& settings = week();
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
        corrected = true;
        return library_.rewriteFirstBlock(event);
    });
    if (corrected) {
        const LibraryResult flushed = library_.flush();
        if (rc == LibraryResult::Ok) rc = flushed;
        pending_.unsetLimit();
    }
    return rc;
}

LibraryResult EventStore::startCheck(DateTime now) {
    const LibraryResult rc = checkFutureStamps(now);
    if (rc != LibraryResult::Ok) return rc;
    return rebuildPending(now);
}

} // namespace zm
