#pragma once
// A file held in memory. The bytes live in a shared buffer, so the one who made the file can
// look at them after the library that used it has closed, or open them again.

#include "store/io/file.h"

#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

namespace zm {

using FileBytes = std::vector<unsigned char>;

class MemoryFile final : public File {
public:
    explicit MemoryFile(std::shared_ptr<FileBytes> bytes = std::make_shared<FileBytes>())
        : bytes_(std::move(bytes)) {}

    // A disk of this many bytes: a write that would make the file longer writes what fits and
    // fails with DiskFull.
    void SetCapacity(uint64_t capacity) { capacity_ = capacity; }

    const std::shared_ptr<FileBytes>& Bytes() const { return bytes_; }

    LibraryResult ReadAt(uint64_t offset, void* data, size_t size) override;
    LibraryResult WriteAt(uint64_t offset, const void* data, size_t size) override;
    LibraryResult Size(uint64_t& size) override;
    LibraryResult Flush() override { return LibraryResult::Ok; }
    LibraryResult Truncate(uint64_t size) override;

private:
    std::shared_ptr<FileBytes> bytes_;
    uint64_t capacity_ = std::numeric_limits<uint64_t>::max();
};

} // namespace zm
