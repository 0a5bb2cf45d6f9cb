#pragma once
// The rollback journal of a library's index. A change first writes its blocks into free space
// and flushes them; then the index as it was goes into the journal beside the library (flushed,
// with its name), then the new index is written over the old one and flushed, and last the
// journal is removed. Whatever part of this a power loss cuts off, the library opens to the
// state before the change or the state after it: a whole journal means the index in the file
// may be torn, and the old index from the journal is put back; a torn journal means the index
// in the file was not touched yet, and the journal is thrown away.
//
// The journal holds a magic, the length of the library when it was written (a journal left
// beside another library does not match it), the 8000 bytes of the old index and a CRC-32 of
// all of it.

#include "store/io/file.h"
#include "store/io/library_result.h"
#include "store/library/library_format.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zm {

class StoreFileSystem;

namespace journalfmt {
inline constexpr char kMagic[8] = {'Z', 'M', 'J', 'O', 'U', 'R', 'N', '1'};
inline constexpr size_t kSizeAt = 8;
inline constexpr size_t kIndexAt = 16;
inline constexpr size_t kCrcAt = kIndexAt + libfmt::kIndexSize;
inline constexpr size_t kLength = kCrcAt + 4;
} // namespace journalfmt

// The name of a library's journal: the library's own with ".journal" behind it.
std::string JournalPathOf(const std::string& libraryPath);

using IndexBytes = std::array<unsigned char, libfmt::kIndexSize>;

struct JournalImage {
    uint64_t librarySize = 0; // the library's length when the journal was written
    IndexBytes oldIndex{};    // the index the library had before the change
};

std::vector<unsigned char> EncodeJournal(const JournalImage& image);
// The image of a whole journal; none for a torn or foreign one.
std::optional<JournalImage> DecodeJournal(const std::vector<unsigned char>& bytes);

// Where a library keeps its journal.
class JournalFile {
public:
    virtual ~JournalFile() = default;
    // Creates the journal with these bytes and makes it, and its name, reach the disk.
    virtual LibraryResult Write(const std::vector<unsigned char>& bytes) = 0;
    // The bytes of the journal; `exists` false (and 0) when there is none.
    virtual LibraryResult Read(std::vector<unsigned char>& bytes, bool& exists) = 0;
    // Removes the journal and makes the removal reach the disk (0 when there was none).
    // `gone` tells whether the journal is gone from the folder, even when making that reach
    // the disk failed.
    virtual LibraryResult Remove(bool& gone) = 0;
};

// A journal file beside a library, through the store's file system.
class FolderJournal final : public JournalFile {
public:
    FolderJournal(StoreFileSystem& files, std::string libraryPath);

    LibraryResult Write(const std::vector<unsigned char>& bytes) override;
    LibraryResult Read(std::vector<unsigned char>& bytes, bool& exists) override;
    LibraryResult Remove(bool& gone) override;

private:
    StoreFileSystem& files_;
    std::string path_;
    std::string folder_;
};

} // namespace zm
