#include "support/memory_file_system.h"

#include <algorithm>
#include <cerrno>
#include <utility>

namespace zm {
namespace {

// A file on a disk of limited size: growing it takes room the other files leave.
class FileOnSmallDisk final : public File {
public:
    FileOnSmallDisk(std::unique_ptr<File> inner, const MemoryFileSystem& disk)
        : inner_(std::move(inner)), disk_(disk) {}
    LibraryResult ReadAt(uint64_t offset, void* data, size_t size) override {
        return inner_->ReadAt(offset, data, size);
    }
    LibraryResult WriteAt(uint64_t offset, const void* data, size_t size) override {
        uint64_t length = 0;
        if (inner_->Size(length) != LibraryResult::Ok) return LibraryResult::WriteError;
        const uint64_t used = disk_.UsedBytes();
        const uint64_t room = disk_.capacity > used ? disk_.capacity - used : 0;
        const uint64_t end = std::max<uint64_t>(length, offset + size);
        if (end - length <= room) return inner_->WriteAt(offset, data, size);
        const uint64_t fits = length + room > offset ? length + room - offset : 0;
        if (fits > 0) static_cast<void>(inner_->WriteAt(offset, data, static_cast<size_t>(fits)));
        return LibraryResult::DiskFull;
    }
    LibraryResult Size(uint64_t& size) override { return inner_->Size(size); }
    LibraryResult Flush() override { return inner_->Flush(); }
    LibraryResult Truncate(uint64_t size) override { return inner_->Truncate(size); }

private:
    std::unique_ptr<File> inner_;
    const MemoryFileSystem& disk_;
};

} // namespace

uint64_t MemoryFileSystem::UsedBytes() const {
    uint64_t used = 0;
    for (const auto& [path, bytes] : files)
        used += bytes->size();
    return used;
}

FileBytes MemoryFileSystem::BytesOf(const std::string& path) const {
    const auto it = files.find(path);
    return it == files.end() ? FileBytes() : *it->second;
}

void MemoryFileSystem::Put(const std::string& path, FileBytes bytes) {
    files[path] = std::make_shared<FileBytes>(std::move(bytes));
}

std::unique_ptr<File> MemoryFileSystem::Open(const std::string& path, FileMode mode,
                                             FileFailure& failure) {
    failure = FileFailure{};
    if (failOpen != 0) {
        failure = FileFailureFromErrno(failOpen);
        failOpen = 0;
        return nullptr;
    }
    auto it = files.find(path);
    if (it != files.end() && mode == FileMode::CreateNew) {
        failure = FileFailureFromErrno(EEXIST);
        return nullptr;
    }
    if (it == files.end()) {
        if (mode != FileMode::Create && mode != FileMode::CreateNew) {
            failure = FileFailureFromErrno(ENOENT);
            return nullptr;
        }
        it = files.emplace(path, std::make_shared<FileBytes>()).first;
    } else if (mode == FileMode::Create) {
        it->second->clear();
    }
    std::unique_ptr<File> file = std::make_unique<MemoryFile>(it->second);
    if (capacity != std::numeric_limits<uint64_t>::max())
        file = std::make_unique<FileOnSmallDisk>(std::move(file), *this);
    return wrap ? wrap(std::move(file), path, mode) : std::move(file);
}

int MemoryFileSystem::CreateFolder(const std::string& path) {
    if (failCreateFolder != 0) return std::exchange(failCreateFolder, 0);
    if (!folders.insert(path).second) return EEXIST;
    return 0;
}

int MemoryFileSystem::MoveNoReplace(const std::string& from, const std::string& to) {
    if (files.count(to) != 0) return EEXIST;
    return MoveReplacing(from, to);
}

int MemoryFileSystem::MoveReplacing(const std::string& from, const std::string& to) {
    if (failMove != 0) return std::exchange(failMove, 0);
    const auto it = files.find(from);
    if (it == files.end()) return ENOENT;
    // The moved file keeps its buffer, as a file keeps its contents when it is renamed.
    std::shared_ptr<FileBytes> bytes = it->second;
    files.erase(it);
    files[to] = std::move(bytes);
    return 0;
}

int MemoryFileSystem::FlushFolder(const std::string&) {
    ++folderFlushes;
    if (folderFlushResults.empty()) return 0;
    const int result = folderFlushResults.front();
    folderFlushResults.erase(folderFlushResults.begin());
    return result;
}

int MemoryFileSystem::Remove(const std::string& path) {
    return files.erase(path) != 0 ? 0 : ENOENT;
}

} // namespace zm
