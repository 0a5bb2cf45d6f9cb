// Arbitrary bytes as a library of an older version, merged into an empty library as a
// conversion does, then merged again with a duplicate check. Whatever the old file says, the
// merge must not crash, must not allocate what its lengths ask for (every length is checked
// against the file first), and must leave a library whose index and events are sound.

#include "heap_count.h"
#include "platform/byte_order.h"
#include "store/event_store.h"
#include "store/library/library_check.h"
#include "store/library/library_format.h"
#include "support/memory_file_system.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

// Every allocation through operator new is counted (heap_count.h), so the bound is checked,
// not assumed.

namespace {

// The largest library there is, and the growth of its buffer while it is written (the old and
// the new buffer are held at once), the old file itself, the duplicate table and one event.
constexpr long long kLibraryBytes = 8256 + 3999 * 256;
constexpr long long kSlack = 256 * 1024;

class QuickCheck final : public zm::QuickReminderTakeOver {
public:
    void TakeOver(const std::vector<zm::OldQuickReminder>& reminders) override {
        for (const zm::OldQuickReminder& q : reminders)
            if (q.menuName.empty()) std::abort();
    }
};

// The old file the input stands for: byte 0 picks the version, byte 1 how many index entries
// follow (a 16-bit entry number and a 16-bit value each; for the first format, bitmap words
// instead), the rest is the blocks (for the first format: the bitmap and the quick-reminder
// table first).
std::vector<uint8_t> FileOf(const uint8_t* data, size_t size) {
    static constexpr uint32_t kVersions[] = {0x00010001, 0x00020002, 0x00020003, 0x00020004,
                                             0x00020005, 0x00030000, 0x00030005};
    const uint32_t version = kVersions[(size > 0 ? data[0] : 0) % std::size(kVersions)];
    const bool first = version == zm::libfmt::kVersionFirst;
    std::vector<uint8_t> file(first ? 256 : zm::libfmt::kEmptyFileSize, 0);
    zm::WriteLibraryHeader(file.data(), version);
    if (first) file[14] = 208;
    size_t at = 2;
    const size_t entries = size > 1 ? data[1] : 0;
    std::vector<std::pair<size_t, uint32_t>> marks;
    for (size_t i = 0; i < entries && at + 4 <= size; ++i, at += 4) {
        const size_t n = zm::GetLe16(data + at);
        if (first) {
            marks.emplace_back(256 + 4 * (n % 256), 1u << (data[at + 2] % 32));
        } else {
            const size_t e = n % zm::libfmt::kIndexEntries;
            file[256 + 2 * e] = data[at + 2];
            file[256 + 2 * e + 1] = data[at + 3];
        }
    }
    if (at < size) file.insert(file.end(), data + at, data + size);
    for (const auto& [offset, bit] : marks) {
        if (file.size() < offset + 4) file.resize(offset + 4, 0);
        zm::PutLe32(file.data() + offset, zm::GetLe32(file.data() + offset) | bit);
    }
    return file;
}

void MergeAndCheck(const std::vector<uint8_t>& old, zm::DuplicateMode mode) {
    zm::MemoryFileSystem fs;
    fs.folders.insert("/p");
    fs.Put("/p/old.VR0", old);
    QuickCheck quick;
    zm::EventStore store(
        zm::StoreSetup{&fs, [] { return zm::DateTime::FromDayNumber(45362); }, {}, "/p"});
    store.SetQuickTakeOver(&quick);
    store.SetTypeLookup([](const std::string& name) { return name.size() == 4 ? 1 : -1; });
    if (store.OpenDefaultLibrary() != zm::LibraryResult::Ok) std::abort();
    // A damaged old file may fail to merge; the library must stay sound all the same.
    static_cast<void>(store.MergeLibraryFile("/p/old.VR0", false, zm::DuplicateMode::None));
    static_cast<void>(store.MergeLibraryFile("/p/old.VR0", true, mode));
    if (!zm::VerifyLibrary(store.Library()).empty()) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> old = FileOf(data, size);
    const auto mode = static_cast<zm::DuplicateMode>(size > 2 ? data[2] % 3 : 0);
    const long long before = static_cast<long long>(zm::fuzz::StartHeapMeasure());
    MergeAndCheck(old, mode);
    const long long used = static_cast<long long>(zm::fuzz::g_heap.peak) - before;
    if (used > 2 * static_cast<long long>(old.size()) + 3 * kLibraryBytes + kSlack) {
        std::fprintf(stderr, "merging %zu bytes held %lld bytes at once\n", old.size(), used);
        std::abort();
    }
    return 0;
}
