// Opening the default library: creating a missing one, and converting one of an older version
// into the current format with its old file kept in the archive folder.

#include "store/event_store.h"
#include "store/io/memory_file.h"
#include "store/library/index_journal.h"
#include "store/library/library_format.h"
#include "store/store_messages.h"
#include "store/store_paths.h"

#include <cerrno>
#include <chrono>
#include <thread>

namespace zm {
namespace {

// Creating found the library made by another start meanwhile; no library code has this value.
constexpr auto kMadeByAnother = static_cast<LibraryResult>(0xFFFFFFFEu);

} // namespace

LibraryResult EventStore::OpenDefaultLibrary() {
    std::string path;
    const LibraryResult rc = DefaultLibraryPath(programFolder_, path);
    if (rc != LibraryResult::Ok) return rc;
    return OpenLibrary(path);
}

LibraryResult EventStore::OpenLibrary(const std::string& path) {
    BusyScope busy(*this);
    // The listeners learn at the end what is open: the library, the converted one, or none.
    BulkChangeScope bulk(*this, ResetCause::Closed);
    bool converted = false;
    const LibraryResult rc = Opened(OpenOrConvert(path, converted), bulk, path);
    if (rc == LibraryResult::Ok && converted) bulk.SetCause(ResetCause::Converted);
    return rc;
}

LibraryResult EventStore::OpenOrConvert(const std::string& path, bool& converted) {
    Close();
    FileFailure why;
    // A companion command holds the library for a moment: its turn ends soon.
    std::unique_ptr<File> file = OpenWaiting(path, why);
    if (!file) {
        if (why.systemError != ENOENT) {
            ShowFileError(ReportFileError(why, path));
            return LibraryResult::OpenFailed;
        }
        const LibraryResult rc = CreateLibrary(path);
        // Only the start that made the library tells about it, once it is there.
        if (rc == LibraryResult::Ok && prompts_)
            prompts_->TellLibraryCreated(LibraryCreatedText(path, FolderOf(path)));
        if (rc != kMadeByAnother) return rc;
        // Another start made it meanwhile, and may still be storing its first change in it.
        file = OpenWaiting(path, why);
        if (!file) {
            ShowFileError(ReportFileError(why, path));
            return LibraryResult::OpenFailed;
        }
    }
    const LibraryResult rc = library_.OpenFile(std::move(file), true, false,
                                               std::make_unique<FolderJournal>(*files_, path));
    if (rc != LibraryResult::OldVersion) return rc;
    converted = true;
    return ConvertLibrary(path);
}

LibraryResult EventStore::OpenAsIs(const std::string& path, FileMode mode) {
    BulkChangeScope bulk(*this, ResetCause::Closed);
    Close();
    lastFailure_ = FileFailure{};
    std::unique_ptr<File> file = files_->Open(path, mode, lastFailure_);
    if (!file)
        return lastFailure_.kind == FileFailureKind::InUse ? LibraryResult::LibraryInUse
                                                           : LibraryResult::OpenFailed;
    const LibraryResult rc = library_.OpenFile(std::move(file), mode == FileMode::ReadWrite, false,
                                               std::make_unique<FolderJournal>(*files_, path));
    return Opened(rc, bulk, path);
}

LibraryResult EventStore::OpenEmpty() {
    BulkChangeScope bulk(*this, ResetCause::Closed);
    Close();
    return Opened(library_.CreateFile(std::make_unique<MemoryFile>()), bulk, std::string());
}

LibraryResult EventStore::Opened(LibraryResult rc, BulkChangeScope& bulk, std::string path) {
    if (rc != LibraryResult::Ok) return rc;
    libraryPath_ = std::move(path);
    bulk.SetCause(ResetCause::Opened);
    Notify(StoreChange::ResetBy(ResetCause::Opened));
    return rc;
}

LibraryResult EventStore::CreateLibrary(const std::string& path) {
    // Whoever creates the library holds the folder's lock meanwhile: two first starts at once
    // take turns, and the second one opens the library the first one made.
    const std::unique_ptr<FolderLock> lock = files_->LockFolder(FolderOf(path));
    if (!lock) {
        ShowFileError(ReportFileError(errno, FolderOf(path)));
        return LibraryResult::CreateFailed;
    }
    FileFailure why;
    if (files_->Open(path, FileMode::ReadOnly, why)) return kMadeByAnother;
    // The new library is written beside its place and moved there only when it is complete:
    // a file left short by a crash or a full disk could not be opened at the next start, and
    // the program would not start at all. A leftover of such a crash, or a link planted under
    // the name, is removed (never followed), and the new file must not exist before.
    const std::string fresh = path + ".new";
    files_->Remove(fresh);
    std::unique_ptr<File> file = files_->Open(fresh, FileMode::CreateNew, why);
    if (!file) {
        ShowFileError(ReportFileError(why, fresh));
        return LibraryResult::CreateFailed;
    }
    // A journal left beside a library that is gone belongs to no library now.
    auto journal = std::make_unique<FolderJournal>(*files_, path);
    bool gone = false;
    (void)journal->Remove(gone);
    LibraryResult rc = library_.CreateFile(std::move(file), std::move(journal));
    if (rc == LibraryResult::Ok && files_->MoveNoReplace(fresh, path) != 0) {
        library_.Close();
        rc = LibraryResult::CreateFailed;
    }
    if (rc != LibraryResult::Ok) {
        files_->Remove(fresh);
        return rc;
    }
    // The new name reaches the disk before anything is stored under it.
    if (files_->FlushFolder(FolderOf(path)) != 0) {
        library_.Close();
        files_->Remove(path);
        return LibraryResult::CreateFailed;
    }
    return rc;
}

std::unique_ptr<File> EventStore::OpenWaiting(const std::string& path, FileFailure& why) {
    const auto until = std::chrono::steady_clock::now() + lockWait_;
    while (true) {
        std::unique_ptr<File> file = files_->Open(path, FileMode::ReadWrite, why);
        if (file || why.kind != FileFailureKind::InUse || std::chrono::steady_clock::now() >= until)
            return file;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

LibraryResult EventStore::ConvertLibrary(const std::string& path) {
    uint32_t version = 0;
    {
        FileFailure why;
        std::unique_ptr<File> file = files_->Open(path, FileMode::ReadOnly, why);
        if (!file) {
            ShowFileError(ReportFileError(why, path));
            return LibraryResult::OpenFailed;
        }
        const LibraryResult rc = ReadLibraryVersion(*file, version);
        if (rc != LibraryResult::Ok) return rc;
    }
    const std::string folder = ArchiveFolderPath(path);
    if (!files_->IsFolder(folder) && files_->CreateFolder(folder) != 0) {
        ShowFileError(FolderCreateErrorText(folder));
        return LibraryResult::OpenFailed;
    }
    std::string archivePath;
    LibraryResult rc = ArchiveFilePath(path, version, archivePath);
    if (rc != LibraryResult::Ok) return rc;
    if (!prompts_ || !prompts_->ConfirmConversion(ConvertQuestionText(archivePath)))
        return LibraryResult::OpenFailed;
    if (files_->MoveNoReplace(path, archivePath) != 0) {
        ShowFileError(RenameErrorText(path, archivePath));
        return LibraryResult::OpenFailed;
    }
    FlushFolderOf(archivePath);
    rc = CreateLibrary(path);
    if (rc == kMadeByAnother) rc = LibraryResult::CreateFailed;
    if (rc == LibraryResult::Ok) rc = MergeLibraryFile(archivePath, false, DuplicateMode::None);
    if (rc != LibraryResult::Ok) {
        // A library holding only some of the events would hide the others in the archive: the
        // old file goes back where it was, so that nothing is lost and the next start can try
        // again.
        library_.Close();
        RestoreOldLibrary(path, archivePath);
    }
    return rc;
}

void EventStore::RestoreOldLibrary(const std::string& path, const std::string& archivePath) {
    // The move replaces the partial new library in one step; should it fail, the partial
    // library stays rather than none (the old file is still in the archive folder).
    if (files_->MoveReplacing(archivePath, path) == 0) FlushFolderOf(path);
}

void EventStore::FlushFolderOf(const std::string& path) {
    // A failure here leaves a move that a power loss may undo, which the next start handles
    // like any other: there is nothing better to do about it now.
    (void)files_->FlushFolder(FolderOf(path));
}

} // namespace zm
