#include "cli/cli_session.h"

#include "cli/side_lists.h"
#include "platform/data_folder.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "store/memory_file.h"

#include <filesystem>
#include <system_error>

namespace zm {

std::string FileFailureText(const FileFailure& failure, const std::string& path) {
    int id = IDS_FILE_CANNOT_OPEN;
    switch (failure.kind) {
    case FileFailureKind::NotFound: id = IDS_FILE_NOT_FOUND; break;
    case FileFailureKind::AccessDenied: id = IDS_FILE_ACCESS_DENIED; break;
    case FileFailureKind::InUse: id = IDS_FILE_IN_USE; break;
    default: break;
    }
    return LoadString(id) + path;
}

bool CliSession::reportOpenFailure(LibraryResult code) {
    if (code == lr::kOpenFailed || code == lr::kCreateFailed)
        run_.error(FileFailureText(library_.lastFileFailure(), libraryPath_));
    else
        run_.fail(code);
    return false;
}

void CliSession::readTypes() {
    ReadTypeList(run_.dataFolder, types_);
    library_.setTypeLookup([this](const std::string& name) { return types_.findType(name); });
}

const QuickList& CliSession::quickList() {
    if (!quickRead_) ReadQuickList(run_.dataFolder, quick_);
    quickRead_ = true;
    return quick_;
}

bool CliSession::openForReading() {
    if (run_.dataFolder.empty()) return run_.failWith(LoadString(IDS_CLI_NO_DATA_FOLDER)), false;
    readTypes();
    libraryPath_ = PathInFolder(run_.dataFolder, kLibraryFileName);
    std::error_code ec;
    if (!std::filesystem::exists(libraryPath_, ec) && !ec) {
        // Nothing stored yet: an empty library, without creating any file.
        return library_.createFile(std::make_unique<MemoryFile>()) == lr::kOk;
    }
    const LibraryResult rc = library_.open(libraryPath_, FileMode::ReadOnly);
    return rc == lr::kOk || reportOpenFailure(rc);
}

bool CliSession::openForWriting() {
    if (run_.dataFolder.empty()) return run_.failWith(LoadString(IDS_CLI_NO_DATA_FOLDER)), false;
    libraryPath_ = PathInFolder(run_.dataFolder, kLibraryFileName);
    std::error_code ec;
    std::filesystem::create_directories(run_.dataFolder, ec);
    if (ec) {
        run_.error(LoadString(IDS_FOLDER_CANNOT_CREATE) + run_.dataFolder);
        return false;
    }
    readTypes();
    library_.setIdSource(
        [this] { return run_.now; },
        [this] { return run_.env.tick ? run_.env.tick() : 0u; });
    LibraryResult rc = library_.open(libraryPath_, FileMode::ReadWrite);
    if (rc == lr::kOpenFailed && library_.lastFileFailure().kind == FileFailureKind::NotFound)
        rc = library_.create(libraryPath_);
    return rc == lr::kOk || reportOpenFailure(rc);
}

bool CliSession::readEvent(uint16_t key, EventRecord& event) {
    if (!library_.index().isHead(key))
        return run_.failWith(FormatText(IDS_CLI_NO_SUCH_KEY, {key})), false;
    event = EventRecord::ForKey(key);
    const LibraryResult rc = library_.readEvent(event);
    if (rc != lr::kOk) return run_.fail(rc), false;
    return true;
}

} // namespace zm
