#include "support/power_loss_disk.h"

#include <algorithm>
#include <cerrno>
#include <random>

namespace zm::testing {

class PowerLossDisk::DiskFile final : public File {
public:
    DiskFile(PowerLossDisk& disk, Node node) : disk_(disk), node_(node) {}

    LibraryResult ReadAt(uint64_t offset, void* data, size_t size) override {
        const FileBytes& bytes = disk_.live_.current[node_];
        if (offset > bytes.size() || bytes.size() - offset < size) return LibraryResult::ReadError;
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), size,
                    static_cast<unsigned char*>(data));
        return LibraryResult::Ok;
    }
    LibraryResult WriteAt(uint64_t offset, const void* data, size_t size) override {
        const auto* p = static_cast<const unsigned char*>(data);
        disk_.Record({OpKind::Write, node_, {}, {}, offset, FileBytes(p, p + size)});
        return LibraryResult::Ok;
    }
    LibraryResult Size(uint64_t& size) override {
        size = disk_.live_.current[node_].size();
        return LibraryResult::Ok;
    }
    LibraryResult Flush() override {
        disk_.Record({OpKind::Flush, node_, {}, {}, 0, {}});
        return LibraryResult::Ok;
    }
    LibraryResult Truncate(uint64_t size) override {
        if (size < disk_.live_.current[node_].size())
            disk_.Record({OpKind::Truncate, node_, {}, {}, size, {}});
        return LibraryResult::Ok;
    }

private:
    PowerLossDisk& disk_;
    Node node_;
};

void PowerLossDisk::Record(Op op) {
    Apply(live_, op);
    ops_.push_back(std::move(op));
}

void PowerLossDisk::ApplyName(std::map<std::string, Node>& names, const Op& op) {
    if (op.kind == OpKind::Unlink) {
        names.erase(op.name);
        return;
    }
    if (op.kind == OpKind::Move) names.erase(op.from);
    names[op.name] = op.node;
}

void PowerLossDisk::Apply(State& state, const Op& op) {
    switch (op.kind) {
    case OpKind::Write: {
        FileBytes& bytes = state.current[op.node];
        if (bytes.size() < op.offset + op.bytes.size()) bytes.resize(op.offset + op.bytes.size());
        std::copy(op.bytes.begin(), op.bytes.end(),
                  bytes.begin() + static_cast<std::ptrdiff_t>(op.offset));
        if (op.bytes.empty()) break;
        for (uint64_t page = op.offset / kPageSize;
             page <= (op.offset + op.bytes.size() - 1) / kPageSize; ++page)
            state.dirty[op.node].insert(page);
        break;
    }
    case OpKind::Truncate:
        state.current[op.node].resize(static_cast<size_t>(op.offset));
        break;
    case OpKind::Flush:
        state.durable[op.node] = state.current[op.node];
        state.dirty.erase(op.node);
        break;
    case OpKind::Link:
    case OpKind::Unlink:
    case OpKind::Move:
        ApplyName(state.names, op);
        state.pendingNames.push_back(op);
        break;
    case OpKind::FlushFolder:
        for (const Op& name : state.pendingNames)
            ApplyName(state.durableNames, name);
        state.pendingNames.clear();
        break;
    }
}

void PowerLossDisk::Settle() {
    for (auto& [node, bytes] : live_.current)
        live_.durable[node] = bytes;
    live_.dirty.clear();
    live_.durableNames = live_.names;
    live_.pendingNames.clear();
    base_ = live_;
    ops_.clear();
}

std::map<std::string, FileBytes> PowerLossDisk::Files() const {
    std::map<std::string, FileBytes> files;
    for (const auto& [name, node] : live_.names)
        files[name] = live_.current.at(node);
    return files;
}

void PowerLossDisk::Put(const std::string& path, FileBytes bytes) {
    const Node node = nextNode_++;
    live_.current[node] = std::move(bytes);
    live_.names[path] = node;
    Settle();
}

std::vector<std::map<std::string, FileBytes>> PowerLossDisk::CrashStates(size_t prefix,
                                                                         int exhaustiveUpTo) const {
    State state = base_;
    for (size_t i = 0; i < prefix && i < ops_.size(); ++i)
        Apply(state, ops_[i]);
    // The unflushed pages, each once.
    std::vector<std::pair<Node, uint64_t>> pages;
    for (const auto& [node, set] : state.dirty)
        for (uint64_t page : set)
            pages.emplace_back(node, page);
    const size_t n = pages.size();
    std::vector<std::vector<bool>> choices;
    if (n <= static_cast<size_t>(exhaustiveUpTo)) {
        for (uint64_t mask = 0; mask < (uint64_t{1} << n); ++mask) {
            std::vector<bool> choice(n);
            for (size_t i = 0; i < n; ++i)
                choice[i] = (mask >> i) & 1;
            choices.push_back(choice);
        }
    } else {
        choices.emplace_back(n, false);
        choices.emplace_back(n, true);
        for (size_t i = 0; i < n; ++i) {
            std::vector<bool> one(n, false), allBut(n, true);
            one[i] = true;
            allBut[i] = false;
            choices.push_back(one);
            choices.push_back(allBut);
        }
        std::mt19937 random(static_cast<unsigned>(prefix));
        for (int k = 0; k < 16; ++k) {
            std::vector<bool> choice(n);
            for (size_t i = 0; i < n; ++i)
                choice[i] = (random() & 1) != 0;
            choices.push_back(choice);
        }
    }
    std::vector<std::map<std::string, FileBytes>> states;
    for (size_t names = 0; names <= state.pendingNames.size(); ++names) {
        std::map<std::string, Node> entries = state.durableNames;
        for (size_t i = 0; i < names; ++i)
            ApplyName(entries, state.pendingNames[i]);
        for (const std::vector<bool>& choice : choices) {
            std::map<Node, FileBytes> disk = state.durable;
            for (size_t i = 0; i < n; ++i) {
                if (!choice[i]) continue;
                const auto [node, page] = pages[i];
                const FileBytes& cached = state.current.at(node);
                FileBytes& bytes = disk[node];
                const uint64_t from = page * kPageSize;
                const uint64_t to = std::min<uint64_t>(from + kPageSize, cached.size());
                if (from >= to) continue;
                if (bytes.size() < to) bytes.resize(to);
                std::copy(cached.begin() + static_cast<std::ptrdiff_t>(from),
                          cached.begin() + static_cast<std::ptrdiff_t>(to),
                          bytes.begin() + static_cast<std::ptrdiff_t>(from));
            }
            std::map<std::string, FileBytes> files;
            for (const auto& [name, node] : entries)
                files[name] = disk[node];
            states.push_back(std::move(files));
        }
    }
    return states;
}

std::unique_ptr<File> PowerLossDisk::Open(const std::string& path, FileMode mode,
                                          FileFailure& failure) {
    failure = FileFailure{};
    auto it = live_.names.find(path);
    if (it != live_.names.end() && mode == FileMode::CreateNew) {
        failure = FileFailureFromErrno(EEXIST);
        return nullptr;
    }
    const bool creates = mode == FileMode::Create || mode == FileMode::CreateNew;
    if (it == live_.names.end() || creates) {
        if (!creates) {
            failure = FileFailureFromErrno(ENOENT);
            return nullptr;
        }
        // A created file is a new one in the folder (the old one, if any, goes).
        const Node node = nextNode_++;
        live_.current[node];
        Record({OpKind::Link, node, path, {}, 0, {}});
        it = live_.names.find(path);
    }
    return std::make_unique<DiskFile>(*this, it->second);
}

int PowerLossDisk::CreateFolder(const std::string& path) {
    return folders_.insert(path).second ? 0 : EEXIST;
}

int PowerLossDisk::MoveNoReplace(const std::string& from, const std::string& to) {
    if (live_.names.count(to) != 0) return EEXIST;
    return MoveReplacing(from, to);
}

int PowerLossDisk::MoveReplacing(const std::string& from, const std::string& to) {
    const auto it = live_.names.find(from);
    if (it == live_.names.end()) return ENOENT;
    const Node node = it->second;
    // One step on the disk as well: the new name and the old one's removal go together.
    Record({OpKind::Move, node, to, from, 0, {}});
    return 0;
}

int PowerLossDisk::Remove(const std::string& path) {
    const auto it = live_.names.find(path);
    if (it == live_.names.end()) return ENOENT;
    Record({OpKind::Unlink, it->second, path, {}, 0, {}});
    return 0;
}

int PowerLossDisk::FlushFolder(const std::string&) {
    Record({OpKind::FlushFolder, 0, {}, {}, 0, {}});
    return 0;
}

} // namespace zm::testing
