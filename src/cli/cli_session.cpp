#include "cli/cli_session.h"

#include "cli/side_lists.h"
#include "platform/data_folder.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "store/io/memory_file.h"
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

// Keeps what the store tells the event list, so that a command can show the changed event.
class CliSession::ListView final : public EventListView {
public:
    void insertItem(const EventRecord& event) override { changed = event; }
    void replaceItem(uint16_t, const EventRecord& event) override { changed = event; }
    void removeItem(uint16_t) override { changed.reset(); }
    std::optional<EventRecord> changed;
};

CliSession::CliSession(const CliRun& run)
    : run_(run), prompts_(std::make_unique<Prompts>(run)), list_(std::make_unique<ListView>()) {
    StoreSetup setup;
    setup.now = [this] { return run_.now; };
    setup.week = &run_.week;
    setup.programFolder = run_.dataFolder;
    store_ = std::make_unique<EventStore>(std::move(setup));
    store_->setPrompts(prompts_.get());
    store_->setEventListView(list_.get());
    if (run_.env.tick) store_->library().setIdSource([this] { return run_.now; }, run_.env.tick);
}

const std::optional<EventRecord>& CliSession::changedEvent() const {
    return list_->changed;
}

CliSession::~CliSession() = default;

const QuickList& CliSession::quickList() {
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

bool CliSession::openForReading() {
    if (!prepare()) return false;
    std::error_code ec;
    if (!std::filesystem::exists(libraryPath_, ec) && !ec) {
        // Nothing stored yet: an empty library, without creating any file.
        return library().createFile(std::make_unique<MemoryFile>()) == LibraryResult::Ok;
    }
    const LibraryResult rc = library().open(libraryPath_, FileMode::ReadOnly);
    return rc == LibraryResult::Ok || reportOpenFailure(rc, library().lastFileFailure());
}

bool CliSession::openForWriting() {
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
    const LibraryResult rc = library().open(libraryPath_, FileMode::ReadWrite);
    return rc == LibraryResult::Ok || reportOpenFailure(rc, library().lastFileFailure());
}

std::optional<EventRecord> CliSession::readEvent(uint16_t key) {
    if (!library().index().isHead(key)) {
        run_.error(FormatText(IDS_CLI_NO_SUCH_KEY, {key}));
        return std::nullopt;
    }
    ReadResult<EventRecord> read = library().readEvent(key);
    if (!read.Ok()) return run_.fail(read.Code()), std::nullopt;
    return std::move(read).Value();
}

} // namespace zm
