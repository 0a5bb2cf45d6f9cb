#pragma once
// A file system in memory, for tests and fuzz targets: files are shared byte buffers (see
// MemoryFile), folders a set of names. A hook may wrap each file as it is opened, for instance
// in a FaultyFile, and each call can be made to fail with an error number.

#include "store/io/memory_file.h"
#include "store/io/store_file_system.h"

#include <functional>
#include <limits>
#include <map>
#include <set>

namespace zm {

class MemoryFileSystem final : public StoreFileSystem {
public:
    using Wrapper = std::function<std::unique_ptr<File>(std::unique_ptr<File> file,
                                                        const std::string& path, FileMode mode)>;

    // The files by path, to put bytes in and look at them.
    std::map<std::string, std::shared_ptr<FileBytes>> files;
    std::set<std::string> folders;
    // Called for every file opened; returns the file to hand out.
    Wrapper wrap;
    // When not 0, the next call of that kind fails with this error number (once).
    int failCreateFolder = 0;
    int failMove = 0;
    int failOpen = 0;
    // The results of the next folder flushes, first one first (0 once it is empty).
    std::vector<int> folderFlushResults;
    int folderFlushes = 0;
    // The size of the disk: the files together never hold more bytes. A write that would
    // need more writes what fits and fails with DiskFull, as on a full disk.
    uint64_t capacity = std::numeric_limits<uint64_t>::max();
    // The bytes all files hold together.
    uint64_t UsedBytes() const;

    bool Exists(const std::string& path) const { return files.count(path) != 0; }
    // The bytes of a file, or an empty buffer when there is none.
    FileBytes BytesOf(const std::string& path) const;
    void Put(const std::string& path, FileBytes bytes);

    std::unique_ptr<File> Open(const std::string& path, FileMode mode,
                               FileFailure& failure) override;
    bool IsFolder(const std::string& path) override { return folders.count(path) != 0; }
    int CreateFolder(const std::string& path) override;
    int MoveNoReplace(const std::string& from, const std::string& to) override;
    int MoveReplacing(const std::string& from, const std::string& to) override;
    int Remove(const std::string& path) override;
    int FlushFolder(const std::string& folder) override;
};

} // namespace zm
