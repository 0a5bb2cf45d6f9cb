#include "store/library/index_commit.h"

#include "store/library/library_format.h"

namespace zm {
namespace {

LibraryResult WriteIndexBytes(File& file, const IndexBytes& bytes) {
    return file.WriteAt(libfmt::kIndexOffset, bytes.data(), bytes.size());
}

IndexBytes BytesOf(const BlockIndex& index) {
    IndexBytes bytes{};
    index.Store(bytes.data());
    return bytes;
}

LibraryResult ReadIndexBytes(File& file, IndexBytes& bytes) {
    uint64_t size = 0;
    if (file.Size(size) != LibraryResult::Ok) return LibraryResult::SeekError;
    if (size < libfmt::kIndexOffset + libfmt::kIndexSize) return LibraryResult::ReadError;
    return file.ReadAt(libfmt::kIndexOffset, bytes.data(), bytes.size());
}

// Puts the old index back after a failed step; true when it reached the disk.
bool PutBack(File& file, const IndexBytes& old) {
    return WriteIndexBytes(file, old) == LibraryResult::Ok && file.Flush() == LibraryResult::Ok;
}

// What the file holds after a failure that could not be undone, without a journal.
CommitOutcome WhatIsStored(File& file, const IndexBytes& fresh, LibraryResult failure) {
    IndexBytes now{};
    if (ReadIndexBytes(file, now) == LibraryResult::Ok && now == fresh)
        return {LibraryResult::Ok, failure};
    return {failure, LibraryResult::Ok};
}

} // namespace

CommitOutcome CommitIndex(File& file, JournalFile* journal, const BlockIndex& oldIndex,
                          const BlockIndex& newIndex) {
    const IndexBytes old = BytesOf(oldIndex);
    const IndexBytes fresh = BytesOf(newIndex);
    // The blocks of the change reach the disk before any index that names them.
    LibraryResult rc = file.Flush();
    if (rc != LibraryResult::Ok) return {rc, LibraryResult::Ok};
    if (journal) {
        JournalImage image;
        image.oldIndex = old;
        rc = file.Size(image.librarySize) == LibraryResult::Ok ? LibraryResult::Ok
                                                               : LibraryResult::SeekError;
        if (rc == LibraryResult::Ok) rc = journal->Write(EncodeJournal(image));
        if (rc != LibraryResult::Ok) {
            // The index was not touched; a journal left half written is not a whole one.
            bool gone = false;
            (void)journal->Remove(gone);
            return {rc, LibraryResult::Ok};
        }
    }
    rc = WriteIndexBytes(file, fresh);
    if (rc == LibraryResult::Ok) rc = file.Flush();
    if (rc != LibraryResult::Ok) {
        if (PutBack(file, old)) {
            bool gone = false;
            if (journal) (void)journal->Remove(gone);
            return {rc, LibraryResult::Ok};
        }
        // With a journal the old index comes back at the next open, for readers at once.
        if (journal) return {rc, LibraryResult::Ok};
        return WhatIsStored(file, fresh, rc);
    }
    if (!journal) return {};
    bool gone = false;
    rc = journal->Remove(gone);
    if (rc == LibraryResult::Ok) return {};
    // Gone from the folder: the change is what everyone sees now, though a power loss before
    // the folder reaches the disk could still undo it.
    if (gone) return {LibraryResult::Ok, rc};
    // The journal stays and would undo the change at the next open: undo it now as well.
    (void)PutBack(file, old);
    return {rc, LibraryResult::Ok};
}

LibraryResult LoadIndex(File& file, JournalFile* journal, bool writable, BlockIndex& index) {
    // The file's index is read before the journal: a journal that is not whole yet then means
    // that the index read was not touched yet either.
    IndexBytes bytes{};
    LibraryResult rc = ReadIndexBytes(file, bytes);
    if (rc != LibraryResult::Ok) return rc;
    if (journal) {
        std::vector<unsigned char> stored;
        bool exists = false;
        rc = journal->Read(stored, exists);
        if (rc != LibraryResult::Ok && writable) return rc;
        if (rc == LibraryResult::Ok && exists) {
            uint64_t size = 0;
            std::optional<JournalImage> image = DecodeJournal(stored);
            if (image && (file.Size(size) != LibraryResult::Ok || size != image->librarySize))
                image.reset();
            if (image) bytes = image->oldIndex;
            if (writable) {
                if (image && !PutBack(file, bytes)) return LibraryResult::WriteError;
                bool gone = false;
                rc = journal->Remove(gone);
                if (!gone) return rc;
            }
        }
    }
    index.Load(bytes.data());
    return LibraryResult::Ok;
}

} // namespace zm
