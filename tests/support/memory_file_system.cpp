#include "support/memory_file_system.h"

#include <cerrno>
#include <utility>

namespace zm {

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
