#include "cli/cli_session.h"

#include "cli/data_folder_access.h"
#include "cli/hosted_store.h"
#include "cli/side_lists.h"
#include "platform/data_folder.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "store/store_messages.h"

#include <chrono>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <utility>

namespace zm {
namespace {

// Whether anything, a link included, has the name.
bool NameTaken(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

} // namespace

// The store's boxes on the error stream. There is nobody to ask: an old library is not
// converted here (the program does that when it starts).
class CliSession::Prompts final : public StorePrompts {
public:
    explicit Prompts(const CliRun& run) : run_(run) {}
    void ShowFileError(const std::string& text) override {
        std::string t = text;
        while (!t.empty() && t.back() == '\n')
            t.pop_back();
        run_.Error(t);
    }
    bool ConfirmConversion(const std::string&) override { return false; }
    bool ConfirmFutureStampCorrection() override { return false; }
    // Creating a missing library is the normal first use: nothing to say.
    void TellLibraryCreated(const std::string&) override {}

private:
    const CliRun& run_;
};

// Keeps what the store tells of its changes, so that a command can show the changed event.
class CliSession::Changes final : public StoreListener {
public:
    void OnStoreChange(const StoreChange& change) override {
        switch (change.kind) {
        case StoreChangeKind::LeftPending:
        case StoreChangeKind::PendingRebuilt:
        case StoreChangeKind::Reset:
            return;
        case StoreChangeKind::Purged:
            if (change.event) purged.push_back(*change.event);
            [[fallthrough]];
        case StoreChangeKind::Deleted:
            changed.reset();
            return;
        default:
            changed = change.event;
            return;
        }
    }
    std::optional<EventRecord> changed;
    std::vector<EventRecord> purged;
};

CliSession::CliSession(const CliRun& run)
    : run_(run), prompts_(std::make_unique<Prompts>(run)), changes_(std::make_unique<Changes>()) {
    if (const HostedStore* host = run_.env.host) {
        store_ = host->store;
        typeSource_ = host->types;
        hostPrompts_ = store_->Prompts();
    } else {
        StoreSetup setup;
        setup.now = [this] { return run_.now; };
        setup.week = run_.week;
        setup.programFolder = run_.dataFolder;
        setup.lockWait = run_.env.lockWait;
        ownStore_ = std::make_unique<EventStore>(std::move(setup));
        store_ = ownStore_.get();
        if (run_.env.tick) store_->SetIdTick(run_.env.tick);
    }
    store_->SetPrompts(prompts_.get());
    store_->AddListener(*changes_);
}

const std::optional<EventRecord>& CliSession::ChangedEvent() const {
    return changes_->changed;
}

const std::vector<EventRecord>& CliSession::PurgedEvents() const {
    return changes_->purged;
}

CliSession::~CliSession() {
    store_->RemoveListener(*changes_);
    if (!ownStore_) store_->SetPrompts(hostPrompts_);
}

const QuickList& CliSession::QuickReminders() {
    if (run_.env.host) return *run_.env.host->quick;
    if (!quickRead_) quickUnreadable_ = ReadQuickList(run_.dataFolder, quick_);
    quickRead_ = true;
    return quick_;
}

bool CliSession::TellUnreadableTypes() const {
    if (typesUnreadable_) run_.Error(*typesUnreadable_);
    return typesUnreadable_.has_value();
}

bool CliSession::TellUnreadableQuickReminders() {
    QuickReminders();
    if (quickUnreadable_) run_.Error(*quickUnreadable_);
    return quickUnreadable_.has_value();
}

bool CliSession::Prepare(bool create) {
    if (run_.dataFolder.empty()) {
        run_.Error(LoadString(IDS_CLI_NO_DATA_FOLDER));
        return false;
    }
    if (!PrepareDataFolder(run_, create)) return false;
    libraryPath_ = PathInFolder(run_.dataFolder, kLibraryFileName);
    typesUnreadable_ = ReadTypeList(run_.dataFolder, types_);
    store_->SetTypeLookup([this](const std::string& name) { return types_.FindType(name); });
    return true;
}

bool CliSession::LibraryLooksWhole() {
    const std::optional<std::string> damage = LibraryFileDamage(libraryPath_);
    if (damage) run_.Error(*damage);
    return !damage;
}

bool CliSession::ReportOpenFailure(LibraryResult code, const FileFailure& failure) {
    if (code == LibraryResult::LibraryInUse) {
        busy_ = true;
        run_.Error(FormatText(IDS_CLI_LIBRARY_BUSY, {libraryPath_}));
    } else if (code == LibraryResult::OpenFailed || code == LibraryResult::CreateFailed) {
        std::string text = ReportFileError(failure, libraryPath_);
        run_.Error(text);
    } else {
        run_.Fail(code);
    }
    return false;
}

bool CliSession::OpenHosted() {
    libraryPath_ = PathInFolder(run_.dataFolder, kLibraryFileName);
    if (Library().IsOpen()) return true;
    run_.Error(LoadString(IDS_CLI_LINK_NOT_OPEN));
    return false;
}

bool CliSession::OpenForReading() {
    if (run_.env.host) return OpenHosted();
    if (!Prepare(false) || !LibraryLooksWhole()) return false;
    if (!NameTaken(libraryPath_)) {
        // Nothing stored yet: an empty library, without creating any file.
        return store_->OpenEmpty() == LibraryResult::Ok;
    }
    LibraryResult rc = store_->OpenAsIs(libraryPath_, FileMode::ReadOnly);
    if (rc != LibraryResult::Ok) return ReportOpenFailure(rc, store_->LastFileFailure());
    // The index read may be older than a writer that has cut the file since: a second look
    // tells a file cut short from that.
    if (OpenLibraryDamage(Library(), libraryPath_)) {
        rc = store_->OpenAsIs(libraryPath_, FileMode::ReadOnly);
        if (rc != LibraryResult::Ok) return ReportOpenFailure(rc, store_->LastFileFailure());
    }
    return OpenedWhole();
}

bool CliSession::OpenedWhole() {
    const std::optional<std::string> damage = OpenLibraryDamage(Library(), libraryPath_);
    if (damage) run_.Error(*damage);
    return !damage;
}

bool CliSession::OpenForWriting() {
    if (run_.env.host) return OpenHosted();
    if (!Prepare(true) || !LibraryLooksWhole()) return false;
    if (!NameTaken(libraryPath_)) {
        const LibraryResult rc = store_->OpenLibrary(libraryPath_);
        if (rc == LibraryResult::Ok) return true;
        // Unless another command made the library meanwhile (then it is opened as it is,
        // below), OpenFailed and CreateFailed were told by the file-error box.
        if (!NameTaken(libraryPath_)) {
            if (rc == LibraryResult::OpenFailed || rc == LibraryResult::CreateFailed) return false;
            return run_.Fail(rc), false;
        }
    }
    // An existing library is opened as it is; one of an older version is left to the program
    // to convert. Another program holding it refuses the change (LibraryInUse); another
    // command that holds it is given a moment to finish.
    const auto until = std::chrono::steady_clock::now() + run_.env.lockWait;
    LibraryResult rc = store_->OpenAsIs(libraryPath_, FileMode::ReadWrite);
    while (rc == LibraryResult::LibraryInUse && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        rc = store_->OpenAsIs(libraryPath_, FileMode::ReadWrite);
    }
    if (rc != LibraryResult::Ok) return ReportOpenFailure(rc, store_->LastFileFailure());
    return OpenedWhole();
}

std::optional<uint16_t> CliSession::FindEvent(const EventArgument& event) {
    if (event.id == 0) return event.key;
    std::vector<uint16_t> keys;
    const LibraryResult walked = Library().ForEachEvent([&](uint16_t key) {
        const ReadResult<EventRecord> e = store_->ReadStored(key);
        if (e.Ok() && e->id == event.id) keys.push_back(key);
        return LibraryResult::Ok;
    });
    if (walked != LibraryResult::Ok && keys.empty()) return run_.Fail(walked), std::nullopt;
    if (keys.empty()) {
        run_.Error(FormatText(IDS_CLI_NO_SUCH_ID, {event.id}));
        return std::nullopt;
    }
    if (keys.size() > 1) {
        // Copies imported with duplicates allowed share their id: only a key tells them apart.
        std::string list;
        for (uint16_t key : keys)
            list += (list.empty() ? "" : ", ") + std::to_string(key);
        run_.Error(FormatText(IDS_CLI_ID_SHARED, {keys.size(), event.id, list}));
        return std::nullopt;
    }
    return keys.front();
}

std::optional<EventRecord> CliSession::ReadEvent(const EventArgument& event) {
    const std::optional<uint16_t> key = FindEvent(event);
    if (!key) return std::nullopt;
    return ReadEvent(*key);
}

std::optional<EventRecord> CliSession::ReadEvent(uint16_t key) {
    if (!Library().Index().IsHead(key)) {
        run_.Error(FormatText(IDS_CLI_NO_SUCH_KEY, {key}));
        return std::nullopt;
    }
    ReadResult<EventRecord> read = store_->ReadStored(key);
    if (!read.Ok()) return run_.Fail(read.Code()), std::nullopt;
    return std::move(read).Value();
}

} // namespace zm
