#pragma once
// A disk in memory that can lose power at any moment. It records every write and flush of its
// files and every change and flush of its folders; a crash state is what the disk would hold
// had the power gone after the first n of them: everything flushed before is there, and of the
// 4 KiB pages written since a file's last flush any subset reached the disk, as did any leading
// part of the folder changes since the folder's last flush. A file cut shorter keeps its old
// length on the disk until its next flush.

#include "store/io/memory_file.h"
#include "store/io/store_file_system.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace zm::testing {

class PowerLossDisk final : public StoreFileSystem {
public:
    static constexpr uint64_t kPageSize = 4096;

    // Everything so far reaches the disk, and the record starts anew.
    void Settle();
    // The number of operations recorded since the last Settle.
    size_t OperationCount() const { return ops_.size(); }
    // The files a power loss after the first `prefix` operations may leave, one map per state.
    // Every subset of the unflushed pages is tried while there are at most `exhaustiveUpTo` of
    // them; above that, none, all, each one alone, all but each one, and some chosen at random.
    std::vector<std::map<std::string, FileBytes>> CrashStates(size_t prefix,
                                                              int exhaustiveUpTo = 8) const;
    // The files as they are now (what a program that keeps running sees).
    std::map<std::string, FileBytes> Files() const;
    void Put(const std::string& path, FileBytes bytes);

    std::unique_ptr<File> Open(const std::string& path, FileMode mode,
                               FileFailure& failure) override;
    bool IsFolder(const std::string& path) override { return folders_.count(path) != 0; }
    int CreateFolder(const std::string& path) override;
    int MoveNoReplace(const std::string& from, const std::string& to) override;
    int MoveReplacing(const std::string& from, const std::string& to) override;
    int Remove(const std::string& path) override;
    int FlushFolder(const std::string& folder) override;

private:
    class DiskFile;
    using Node = int;
    enum class OpKind : uint8_t { Write, Truncate, Flush, Link, Unlink, Move, FlushFolder };
    struct Op {
        OpKind kind;
        Node node = 0;
        std::string name;
        std::string from; // the old name of a move
        uint64_t offset = 0;
        FileBytes bytes;
    };
    // The disk as a replay sees it.
    struct State {
        std::map<Node, FileBytes> durable;        // what a node holds on the disk
        std::map<Node, FileBytes> current;        // what it holds in the cache
        std::map<Node, std::set<uint64_t>> dirty; // its pages written since its last flush
        std::map<std::string, Node> durableNames; // the folder entries on the disk
        std::vector<Op> pendingNames;             // the folder changes since the last flush
        std::map<std::string, Node> names;        // the folder entries as programs see them
    };

    void Record(Op op);
    static void Apply(State& state, const Op& op);
    static void ApplyName(std::map<std::string, Node>& names, const Op& op);

    State base_;
    State live_;
    std::vector<Op> ops_;
    std::set<std::string> folders_;
    Node nextNode_ = 1;
};

} // namespace zm::testing
