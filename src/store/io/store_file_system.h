#pragma once
// The file-system calls of the event store: opening library files, and the folder and moves of
// a conversion. The program uses the real file system; tests and the fuzz targets use one in
// memory, whose files can be made to fail.

#include "store/io/file.h"
#include "store/io/folder_lock.h"
#include "store/io/posix_file.h"

#include <memory>
#include <string>

namespace zm {

class StoreFileSystem {
public:
    virtual ~StoreFileSystem() = default;

    // Opens a file; on failure returns null and tells why.
    virtual std::unique_ptr<File> Open(const std::string& path, FileMode mode,
                                       FileFailure& failure) = 0;
    virtual bool IsFolder(const std::string& path) = 0;
    // Each of these returns 0 on success, else the system's error number.
    // Creates a folder only its owner can use (0700).
    virtual int CreateFolder(const std::string& path) = 0;
    // Moves a file; fails (EEXIST) when a file of the new name exists.
    virtual int MoveNoReplace(const std::string& from, const std::string& to) = 0;
    // Moves a file over another one, replacing it in one step.
    virtual int MoveReplacing(const std::string& from, const std::string& to) = 0;
    virtual int Remove(const std::string& path) = 0;
    // Makes the names of a folder (created, moved, removed files) reach the disk.
    virtual int FlushFolder(const std::string& folder) = 0;
    // Takes the folder's lock for creating the library (folder_lock.h); null when it cannot be
    // taken. Files in memory need none.
    virtual std::unique_ptr<FolderLock> LockFolder(const std::string&) {
        return std::make_unique<FolderLock>();
    }
};

// The operating system's files.
class PosixFileSystem final : public StoreFileSystem {
public:
    std::unique_ptr<File> Open(const std::string& path, FileMode mode,
                               FileFailure& failure) override;
    bool IsFolder(const std::string& path) override;
    int CreateFolder(const std::string& path) override;
    int MoveNoReplace(const std::string& from, const std::string& to) override;
    int MoveReplacing(const std::string& from, const std::string& to) override;
    int Remove(const std::string& path) override;
    int FlushFolder(const std::string& folder) override;
    std::unique_ptr<FolderLock> LockFolder(const std::string& folder) override;
};

// The folder part of a path, up to and including its last separator; empty when it has none.
std::string FolderOf(const std::string& path);
// The file name part of a path, after its last separator.
std::string FileNameOf(const std::string& path);

} // namespace zm
