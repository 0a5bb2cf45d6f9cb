// Opening the default library: creating a missing one, and converting one of an older version
// into the current format with its old file kept in the archive folder.

#include "store/event_store.h"
#include "store/io/memory_file.h"
#include "store/library/library_format.h"
#include "store/store_messages.h"
#include "store/store_paths.h"

#include <cerrno>

namespace zm {

LibraryResult EventStore::openDefaultLibrary() {
    std::string path;
    const LibraryResult rc = DefaultLibraryPath(programFolder_, path);
    if (rc != LibraryResult::Ok) return rc;
    return openLibrary(path);
}

LibraryResult EventStore::openLibrary(const std::string& path) {
    BusyScope busy(*this);
    // The listeners learn at the end what is open: the library, the converted one, or none.
    BulkChangeScope bulk(*this, ResetCause::Closed);
    bool converted = false;
    const LibraryResult rc = opened(openOrConvert(path, converted), bulk, path);
    if (rc == LibraryResult::Ok && converted) bulk.SetCause(ResetCause::Converted);
    return rc;
}

LibraryResult EventStore::openOrConvert(const std::string& path, bool& converted) {
    close();
    FileFailure why;
    std::unique_ptr<File> file = files_->open(path, FileMode::ReadWrite, why);
    if (!file) {
        if (why.systemError == ENOENT) {
            showFileError(reportFileError(ENOENT, path, true));
            return createLibrary(path);
        }
        showFileError(reportFileError(why, path));
        return LibraryResult::OpenFailed;
    }
    const LibraryResult rc = library_.openFile(std::move(file), true, false);
    if (rc != LibraryResult::OldVersion) return rc;
    converted = true;
    return convertLibrary(path);
}

LibraryResult EventStore::OpenAsIs(const std::string& path, FileMode mode) {
    BulkChangeScope bulk(*this, ResetCause::Closed);
    close();
    lastFailure_ = FileFailure{};
    std::unique_ptr<File> file = files_->open(path, mode, lastFailure_);
    if (!file)
        return lastFailure_.kind == FileFailureKind::InUse ? LibraryResult::LibraryInUse
                                                           : LibraryResult::OpenFailed;
    const LibraryResult rc = library_.openFile(std::move(file), mode == FileMode::ReadWrite);
    return opened(rc, bulk, path);
}

LibraryResult EventStore::OpenEmpty() {
    BulkChangeScope bulk(*this, ResetCause::Closed);
    close();
    return opened(library_.createFile(std::make_unique<MemoryFile>()), bulk, std::string());
}

LibraryResult EventStore::opened(LibraryResult rc, BulkChangeScope& bulk, std::string path) {
    if (rc != LibraryResult::Ok) return rc;
    libraryPath_ = std::move(path);
    bulk.SetCause(ResetCause::Opened);
    notify(StoreChange::ResetBy(ResetCause::Opened));
    return rc;
}

LibraryResult EventStore::createLibrary(const std::string& path) {
    // The new library is written beside its place and moved there only when it is complete:
    // a file left short by a crash or a full disk could not be opened at the next start, and
    // the program would not start at all.
    const std::string fresh = path + ".new";
    FileFailure why;
    std::unique_ptr<File> file = files_->open(fresh, FileMode::Create, why);
    if (!file) {
        showFileError(reportFileError(why, fresh));
        return LibraryResult::CreateFailed;
    }
    LibraryResult rc = library_.createFile(std::move(file));
    if (rc == LibraryResult::Ok && files_->moveNoReplace(fresh, path) != 0) {
        library_.close();
        rc = LibraryResult::CreateFailed;
    }
    if (rc != LibraryResult::Ok) files_->remove(fresh);
    return rc;
}

LibraryResult EventStore::convertLibrary(const std::string& path) {
    uint32_t version = 0;
    {
        FileFailure why;
        std::unique_ptr<File> file = files_->open(path, FileMode::ReadOnly, why);
        if (!file) {
            showFileError(reportFileError(why, path));
            return LibraryResult::OpenFailed;
        }
        const LibraryResult rc = ReadLibraryVersion(*file, version);
        if (rc != LibraryResult::Ok) return rc;
    }
    const std::string folder = ArchiveFolderPath(path);
    if (!files_->isFolder(folder) && files_->createFolder(folder) != 0) {
        showFileError(FolderCreateErrorText(folder));
        return LibraryResult::OpenFailed;
    }
    std::string archivePath;
    LibraryResult rc = ArchiveFilePath(path, version, archivePath);
    if (rc != LibraryResult::Ok) return rc;
    if (!prompts_ || !prompts_->confirmConversion(ConvertQuestionText(archivePath)))
        return LibraryResult::OpenFailed;
    if (files_->moveNoReplace(path, archivePath) != 0) {
        showFileError(RenameErrorText(path, archivePath));
        return LibraryResult::OpenFailed;
    }
    rc = createLibrary(path);
    if (rc == LibraryResult::Ok) rc = mergeLibraryFile(archivePath, false, DuplicateMode::None);
    if (rc != LibraryResult::Ok) {
        // A library holding only some of the events would hide the others in the archive: the
        // old file goes back where it was, so that nothing is lost and the next start can try
        // again.
        library_.close();
        restoreOldLibrary(path, archivePath);
    }
    return rc;
}

void EventStore::restoreOldLibrary(const std::string& path, const std::string& archivePath) {
    // The move replaces the partial new library in one step; should it fail, the partial
    // library stays rather than none (the old file is still in the archive folder).
    files_->moveReplacing(archivePath, path);
}

} // namespace zm
