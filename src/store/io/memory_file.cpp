#include "store/io/memory_file.h"

#include <algorithm>
#include <cstring>

namespace zm {

LibraryResult MemoryFile::ReadAt(uint64_t offset, void* data, size_t size) {
    if (offset > bytes_->size() || size > bytes_->size() - offset) return LibraryResult::ReadError;
    if (size > 0) std::memcpy(data, bytes_->data() + offset, size);
    return LibraryResult::Ok;
}

LibraryResult MemoryFile::WriteAt(uint64_t offset, const void* data, size_t size) {
    if (offset > capacity_) return LibraryResult::DiskFull;
    const uint64_t fits = std::min<uint64_t>(size, capacity_ - offset);
    // Writing at an offset past the end fills the gap with zeros, as a sparse file reads.
    const uint64_t end = offset + fits;
    if (end > bytes_->size()) bytes_->resize(static_cast<size_t>(end), 0);
    if (fits > 0) std::memcpy(bytes_->data() + offset, data, static_cast<size_t>(fits));
    return fits == size ? LibraryResult::Ok : LibraryResult::DiskFull;
}

LibraryResult MemoryFile::Truncate(uint64_t size) {
    if (size < bytes_->size()) bytes_->resize(static_cast<size_t>(size));
    return LibraryResult::Ok;
}

LibraryResult MemoryFile::Size(uint64_t& size) {
    size = bytes_->size();
    return LibraryResult::Ok;
}

} // namespace zm
