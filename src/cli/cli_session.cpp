#include "cli/cli_session.h"

#include "cli/hosted_store.h"
#include "cli/side_lists.h"
#include "platform/data_folder.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "store/store_messages.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace zm {

// The store's boxes on the error stream. There is nobody to ask: an old library is not
// converted here (the program does that when it starts).
class CliSession::Prompts final : public StorePrompts {
public:
    explicit Prompts(const CliRun& run) : run_(run) {}
    void showFileError(const std::string& text) override {
        // "File will be created": creating a missing library is the normal first use.
        if (std::exchange(skipNext, false)) return;
        std::string t = text;
        while (!t.empty() && t.back() == '\n')
            t.pop_back();
        run_.error(t);
    }
    bool confirmConversion(const std::string&) override { return false; }
    bool confirmFutureStampCorrection() override { return false; }

    bool skipNext = false;

private:
    const CliRun& run_;
};

// Keeps what the store tells of its changes, so that a command can show the changed event.
class CliSession::Changes final : public StoreListener {
public:
    void OnStoreChange(const StoreChange& change) override {
        switch (change.Kind) {
        case StoreChangeKind::LeftPending:
        case StoreChangeKind::PendingRebuilt:
        case StoreChangeKind::Reset:
            return;
        case StoreChangeKind::Purged:
            if (change.Event) purged.push_back(*change.Event);
            [[fallthrough]];
        case StoreChangeKind::Deleted:
            changed.reset();
            return;
        default:
            changed = change.Event;
            return;
        }
    }
    std::optional<EventRecord> changed;
    std::vector<EventRecord> purged;
};

CliSession::CliSession(const CliRun& run)
    : run_(run), prompts_(std::make_unique<Prompts>(run)), changes_(std::make_unique<Changes>()) {
    if (const HostedStore* host = run_.env.host) {
        store_ = host->Store;
        typeSource_ = host->Types;
        hostPrompts_ = store_->prompts();
    } else {
        StoreSetup setup;
        setup.now = [this] { return run_.now; };
        setup.week = run_.week;
        setup.programFolder = run_.dataFolder;
        ownStore_ = std::make_unique<EventStore>(std::move(setup));
        store_ = ownStore_.get();
        if (run_.env.tick) store_->SetIdTick(run_.env.tick);
    }
    store_->setPrompts(prompts_.get());
    store_->AddListener(*changes_);
}

const std::optional<EventRecord>& CliSession::changedEvent() const {
    return changes_->changed;
}

const std::vector<EventRecord>& CliSession::purgedEvents() const {
    return changes_->purged;
}

CliSession::~CliSession() {
    store_->RemoveListener(*changes_);
    if (!ownStore_) store_->setPrompts(hostPrompts_);
}

const QuickList& CliSession::quickList() {
    if (run_.env.host) return *run_.env.host->Quick;
    if (!quickRead_) ReadQuickList(run_.dataFolder, quick_);
    quickRead_ = true;
    return quick_;
}

bool CliSession::prepare() {
    if (run_.dataFolder.empty()) {
        run_.error(LoadString(IDS_CLI_NO_DATA_FOLDER));
        return false;
    }
    libraryPath_ = PathInFolder(run_.dataFolder, kLibraryFileName);
    ReadTypeList(run_.dataFolder, types_);
    store_->setTypeLookup([this](const std::string& name) { return types_.findType(name); });
    return true;
}

bool CliSession::reportOpenFailure(LibraryResult code, const FileFailure& failure) {
    if (code == LibraryResult::OpenFailed || code == LibraryResult::CreateFailed) {
        std::string text = reportFileError(failure, libraryPath_);
        run_.error(text);
    } else {
        run_.fail(code);
    }
    return false;
}

bool CliSession::openHosted() {
    libraryPath_ = PathInFolder(run_.dataFolder, kLibraryFileName);
    if (library().isOpen()) return true;
    run_.error(LoadString(IDS_CLI_LINK_NOT_OPEN));
    return false;
}

bool CliSession::openForReading() {
    if (run_.env.host) return openHosted();
    if (!prepare()) return false;
    std::error_code ec;
    if (!std::filesystem::exists(libraryPath_, ec) && !ec) {
        // Nothing stored yet: an empty library, without creating any file.
        return store_->OpenEmpty() == LibraryResult::Ok;
    }
    const LibraryResult rc = store_->OpenAsIs(libraryPath_, FileMode::ReadOnly);
    return rc == LibraryResult::Ok || reportOpenFailure(rc, store_->LastFileFailure());
}

bool CliSession::openForWriting() {
    if (run_.env.host) return openHosted();
    if (!prepare()) return false;
    std::error_code ec;
    const bool exists = std::filesystem::exists(libraryPath_, ec);
    if (!exists && !ec) {
        std::filesystem::create_directories(run_.dataFolder, ec);
        if (ec) {
            run_.error(FolderCreateErrorText(run_.dataFolder));
            return false;
        }
        prompts_->skipNext = true;
        const LibraryResult rc = store_->openLibrary(libraryPath_);
        prompts_->skipNext = false;
        // OpenFailed and CreateFailed were told by the file-error box.
        if (rc == LibraryResult::OpenFailed || rc == LibraryResult::CreateFailed) return false;
        return rc == LibraryResult::Ok || (run_.fail(rc), false);
    }
    // An existing library is opened as it is; one of an older version is left to the program
    // to convert. Another program holding it refuses the change (LibraryInUse).
    const LibraryResult rc = store_->OpenAsIs(libraryPath_, FileMode::ReadWrite);
    return rc == LibraryResult::Ok || reportOpenFailure(rc, store_->LastFileFailure());
}

std::optional<EventRecord> CliSession::readEvent(uint16_t key) {
    if (!library().index().isHead(key)) {
        run_.error(FormatText(IDS_CLI_NO_SUCH_KEY, {key}));
        return std::nullopt;
    }
    ReadResult<EventRecord> read = store_->readStored(key);
    if (!read.Ok()) return run_.fail(read.Code()), std::nullopt;
    return std::move(read).Value();
}

} // namespace zm
