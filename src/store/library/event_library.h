#pragma once
// The event library: a file of events in 256-byte blocks with an index of block links (see
// library_format.h, block_index.h, event_serializer.h). Every change writes its blocks into
// free space and then commits the index (index_commit.h): blocks flushed, the old index into
// the journal beside the library, the new index written and flushed, the journal removed. The
// index write is the moment a change takes effect, and a power loss at any moment leaves the
// state before or after it. A change that fails leaves the index, in memory and in the file,
// as it was, so every event stored before stays readable under its key.
//
// Several changes can share one Commit (BatchScope): their blocks are written one after the
// other, and one flush and one index write store all of them. Until the batch commits, no
// block of the index on the disk is reused.
//
// What lies behind the highest block the index uses (a block cut short by a full disk or a
// power loss, blocks of a change that never committed) is slack, not damage: readers never
// look at it, and a writer cuts it off when it opens the library, when a write fails and when
// changes are dropped, so a failed append leaves the file as long as before.

#include "model/event_record.h"
#include "store/io/file.h"
#include "store/io/library_result.h"
#include "store/io/memory_stream.h"
#include "store/io/posix_file.h"
#include "store/io/read_result.h"
#include "store/library/block_index.h"
#include "store/library/index_commit.h"
#include "store/library/index_journal.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace zm {

class EventLibrary {
public:
    // Resolves a type name to its index in the type list (-1 = no such type).
    using TypeLookup = std::function<int32_t(const std::string&)>;
    // "Now" and the millisecond tick count that go into a new event's id.
    using NowSource = std::function<DateTime()>;
    using TickSource = std::function<uint32_t()>;
    // Called with the first-block number of each event; a result other than Ok stops the walk.
    using EventVisitor = std::function<LibraryResult(uint16_t key)>;

    EventLibrary();
    ~EventLibrary();
    EventLibrary(const EventLibrary&) = delete;
    EventLibrary& operator=(const EventLibrary&) = delete;

    // --- opening and closing ---

    // Opens an existing library of the current version. ReadWrite locks it against other
    // writers (LibraryInUse when another one holds it); ReadOnly shares it and refuses every
    // change. OpenFailed when the file cannot be opened (LastFileFailure() tells why),
    // ReadError for a file too short for its header and index, BadFormat for a wrong magic or
    // geometry, OldVersion for an old version, UnknownVersion for one not known.
    LibraryResult Open(const std::string& path, FileMode mode = FileMode::ReadWrite);
    // Opens a library of any known version read only, to convert or import it: its events and
    // chains can be read (ReadChain, ReadBytes; ReadEvent for the versions with the current
    // event layout). The first format has no index; its blocks are read with ReadBytes.
    LibraryResult OpenForConversion(const std::string& path);
    // Creates an empty library, replacing any file of that name (unless another program holds
    // it: LibraryInUse). CreateFailed when the file cannot be created (LastFileFailure() tells
    // why).
    LibraryResult Create(const std::string& path);
    // The same on a file given by the caller (a file in memory, a file that fails on purpose).
    // `journal`: where the library keeps its journal (none for a file in memory); a journal
    // left by a change that did not complete is put back (writable) or read (read only).
    LibraryResult OpenFile(std::unique_ptr<File> file, bool writable = true, bool acceptOld = false,
                           std::unique_ptr<JournalFile> journal = nullptr);
    LibraryResult CreateFile(std::unique_ptr<File> file,
                             std::unique_ptr<JournalFile> journal = nullptr);
    // Never fails.
    void Close();

    bool IsOpen() const { return file_ != nullptr; }
    bool IsWritable() const { return file_ != nullptr && writable_; }
    // The format version of the open file, 0 when none is open.
    uint32_t Version() const { return version_; }
    // Why the last open or create could not open the file.
    const FileFailure& LastFileFailure() const { return lastFailure_; }
    // The warning of the last change that was stored although a step after it failed (its
    // journal could not be removed for certain); Ok when there is none.
    LibraryResult LastWarning() const { return lastWarning_; }

    // --- batches ---

    // While a batch is open, adding, modifying and deleting write their blocks and change the
    // index in memory only; CommitBatch stores every change since the last Commit at once. A
    // change that fails in a batch is undone alone. Closing the batch (or the scope) drops the
    // changes not committed.
    class BatchScope {
    public:
        explicit BatchScope(EventLibrary& library) : library_(library) { library_.BeginBatch(); }
        ~BatchScope() { library_.EndBatch(); }
        BatchScope(const BatchScope&) = delete;
        BatchScope& operator=(const BatchScope&) = delete;
        LibraryResult Commit() { return library_.CommitBatch(); }

    private:
        EventLibrary& library_;
    };
    void BeginBatch();
    LibraryResult CommitBatch();
    void EndBatch();
    bool InBatch() const { return batchDepth_ > 0; }

    // --- events ---

    // The event stored at `key`, its type resolved. Corrupted for a key that is not an event's
    // first block, a broken chain or a record that cannot be read.
    ReadResult<EventRecord> ReadEvent(uint16_t key) const;
    // Stores the event in new blocks, gives it an id when its Id is 0, and on success sets its
    // Key. EventTooLarge when its stored form would be longer than 20 blocks, LibraryFull when
    // the library is full.
    LibraryResult AddEvent(EventRecord& event);
    // Stores the event in new blocks and frees the chain at its Key; on success sets the new
    // Key. The new copy is placed while the old one still takes its blocks. Corrupted (nothing
    // written) when the Key is not an event's first block or, for an event with an Id, the
    // event stored there has another Id (the key is stale).
    LibraryResult ModifyEvent(EventRecord& event);
    // Frees the chain of the event whose first block is `key`, also a broken one, leaving the
    // blocks of every other event (BlockIndex::FreeEvent); Corrupted (nothing written) unless
    // the event stored there has the Id `id` (any Id when `id` is 0).
    LibraryResult DeleteEvent(uint16_t key, uint32_t id);
    // Ok when `key` is an event's first block and the event stored there has the Id `id` (any
    // when `id` is 0), else Corrupted.
    LibraryResult CheckKey(int key, uint32_t id) const;
    // Writes the fixed fields of the event (Flags ... Id, the bytes 8 to 107 of its stored
    // form) over its first block in place; the key, the index and the stored texts stay as they
    // are, and nothing is flushed. For changes of the reminder state only.
    LibraryResult RewriteFirstBlock(const EventRecord& event);
    // Makes every write so far reach the disk.
    LibraryResult Flush();

    // Calls the visitor for every event in ascending block order and returns the first result
    // other than Ok, else Ok. The walk reads the live index: an event the visitor deletes is gone,
    // one it adds in higher blocks is met later.
    LibraryResult ForEachEvent(const EventVisitor& visit) const;
    int CountEvents() const { return IsOpen() ? index_.CountHeads() : 0; }

    // The version of another library file, without touching this one. OpenFailed when it cannot
    // be opened, ReadError when it is too short, BadFormat for a wrong magic, UnknownVersion
    // for an unknown version.
    LibraryResult ReadVersion(const std::string& path, uint32_t& version);

    // --- the raw file, for conversion and checking ---

    // The bytes of the chain that starts at `first`, whether or not the index marks it as an
    // event's first block (old files keep their quick reminders in such a chain): whole blocks,
    // at most 20. Corrupted for a broken chain.
    LibraryResult ReadChain(int first, MemoryStream& out) const;
    // Bytes at an absolute offset of the file: SeekError past the end, ReadError short.
    LibraryResult ReadBytes(uint64_t offset, void* data, size_t size) const;
    LibraryResult FileSize(uint64_t& size) const;
    const BlockIndex& Index() const { return index_; }

    void SetTypeLookup(TypeLookup lookup) { typeLookup_ = std::move(lookup); }
    void SetNowSource(NowSource now) { now_ = std::move(now); }
    void SetIdSource(NowSource now, TickSource tick) {
        now_ = std::move(now);
        tick_ = std::move(tick);
    }

private:
    LibraryResult SeekCheck(uint64_t position) const;
    LibraryResult ReadBlock(int block, unsigned char* data) const;
    LibraryResult ReadChainInto(const BlockChain& chain, MemoryStream& out) const;
    LibraryResult WriteChain(const MemoryStream& stored, const BlockChain& chain);
    // Plans a chain of free blocks for the stream, writes it and links it into the index (the
    // shadow keeps the index as it was); a failed write puts the index back.
    LibraryResult WriteNewChain(const MemoryStream& stored, BlockChain& chain);
    LibraryResult WriteIndex();
    LibraryResult ValidKey(int key) const;
    // Ok when `id` is 0 or the first block of `key` holds an event with that Id.
    LibraryResult CheckId(int key, uint32_t id) const;
    LibraryResult Serialize(EventRecord& event, bool assignId, MemoryStream& out,
                            uint32_t& newId) const;
    // Cuts off the slack behind the highest block that the index in memory or the committed
    // one uses, unless a journal is left (it holds the file's length). A file that cannot be
    // cut keeps it: nobody reads it.
    void TrimSlack();
    // Ends a change: outside a batch the index is committed, inside one it waits.
    LibraryResult FinishChange();
    // The one way the index reaches the file (index_commit.h). On failure the index in memory
    // is the committed one again.
    LibraryResult Commit();
    // Undoes the change under way in memory (its blocks are free space).
    void Rollback();
    // Plans a chain that takes no block of the changes under way nor of the committed index.
    bool PlanChain(int count, BlockChain& chain) const;

    std::unique_ptr<File> file_;
    bool writable_ = false;
    uint32_t version_ = 0;
    BlockIndex index_;
    BlockIndex shadow_;    // the index before the change under way
    BlockIndex committed_; // the index in the file
    std::unique_ptr<JournalFile> journal_;
    int batchDepth_ = 0;
    LibraryResult lastWarning_ = LibraryResult::Ok;
    FileFailure lastFailure_;
    TypeLookup typeLookup_;
    NowSource now_;
    TickSource tick_;
};

// The event stored in the bytes of its chain (whole blocks), as ReadEvent gives it: its key,
// its fields, its type resolved. Corrupted when the bytes hold no event. May throw
// std::bad_alloc.
ReadResult<EventRecord> EventFromChain(MemoryStream& chain, uint16_t key,
                                       const EventLibrary::TypeLookup& lookup);

// The version of a library file: OpenFailed when it cannot be opened (`failure` tells why),
// ReadError when it is shorter than a header, BadFormat for a wrong magic, UnknownVersion for
// an unknown version.
LibraryResult ReadLibraryVersion(const std::string& path, uint32_t& version,
                                 FileFailure* failure = nullptr);
LibraryResult ReadLibraryVersion(File& file, uint32_t& version);

} // namespace zm
