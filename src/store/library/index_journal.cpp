#include "store/library/index_journal.h"

#include "platform/byte_order.h"
#include "store/io/store_file_system.h"

#include <algorithm>
#include <cerrno>

namespace zm {
namespace {

uint32_t Crc32(const unsigned char* data, size_t size) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

} // namespace

std::string JournalPathOf(const std::string& libraryPath) {
    return libraryPath + ".journal";
}

std::vector<unsigned char> EncodeJournal(const JournalImage& image) {
    std::vector<unsigned char> bytes(journalfmt::kLength);
    std::copy(std::begin(journalfmt::kMagic), std::end(journalfmt::kMagic), bytes.begin());
    PutLe64(bytes.data() + journalfmt::kSizeAt, image.librarySize);
    std::copy(image.oldIndex.begin(), image.oldIndex.end(), bytes.begin() + journalfmt::kIndexAt);
    PutLe32(bytes.data() + journalfmt::kCrcAt, Crc32(bytes.data(), journalfmt::kCrcAt));
    return bytes;
}

std::optional<JournalImage> DecodeJournal(const std::vector<unsigned char>& bytes) {
    if (bytes.size() != journalfmt::kLength) return std::nullopt;
    if (!std::equal(std::begin(journalfmt::kMagic), std::end(journalfmt::kMagic), bytes.begin()))
        return std::nullopt;
    if (GetLe32(bytes.data() + journalfmt::kCrcAt) != Crc32(bytes.data(), journalfmt::kCrcAt))
        return std::nullopt;
    JournalImage image;
    image.librarySize = GetLe64(bytes.data() + journalfmt::kSizeAt);
    std::copy_n(bytes.begin() + journalfmt::kIndexAt, libfmt::kIndexSize, image.oldIndex.begin());
    return image;
}

FolderJournal::FolderJournal(StoreFileSystem& files, std::string libraryPath)
    : files_(files), path_(JournalPathOf(libraryPath)), folder_(FolderOf(libraryPath)) {}

LibraryResult FolderJournal::Write(const std::vector<unsigned char>& bytes) {
    FileFailure failure;
    // A fresh private file every time: a leftover, or a link planted under its name, goes first
    // and is never written through.
    const int removed = files_.Remove(path_);
    if (removed != 0 && removed != ENOENT) return LibraryResult::WriteError;
    std::unique_ptr<File> file = files_.Open(path_, FileMode::CreateNew, failure);
    if (!file)
        return failure.systemError == ENOSPC ? LibraryResult::DiskFull : LibraryResult::WriteError;
    LibraryResult rc = file->WriteAt(0, bytes.data(), bytes.size());
    if (rc == LibraryResult::Ok) rc = file->Flush();
    file.reset();
    if (rc == LibraryResult::Ok && files_.FlushFolder(folder_) != 0) rc = LibraryResult::WriteError;
    return rc;
}

LibraryResult FolderJournal::Read(std::vector<unsigned char>& bytes, bool& exists) {
    bytes.clear();
    exists = false;
    FileFailure failure;
    std::unique_ptr<File> file = files_.Open(path_, FileMode::ReadOnly, failure);
    if (!file)
        return failure.kind == FileFailureKind::NotFound ? LibraryResult::Ok
                                                         : LibraryResult::ReadError;
    exists = true;
    uint64_t size = 0;
    if (file->Size(size) != LibraryResult::Ok) return LibraryResult::ReadError;
    // Anything longer than a journal is not one; it is read only as far as tells so.
    bytes.resize(static_cast<size_t>(std::min<uint64_t>(size, journalfmt::kLength + 1)));
    if (bytes.empty()) return LibraryResult::Ok;
    return file->ReadAt(0, bytes.data(), bytes.size());
}

LibraryResult FolderJournal::Remove(bool& gone) {
    const int error = files_.Remove(path_);
    gone = error == 0 || error == ENOENT;
    if (error == ENOENT) return LibraryResult::Ok;
    if (error != 0) return LibraryResult::WriteError;
    return files_.FlushFolder(folder_) == 0 ? LibraryResult::Ok : LibraryResult::WriteError;
}

} // namespace zm
