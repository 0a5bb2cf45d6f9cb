// Arbitrary bytes as a library file: opening it and reading every event must neither crash nor
// allocate more than the file's size and a small constant, whatever its index and records say.
// Changing such a file (deleting, adding, modifying) must not crash either.

#include "heap_count.h"
#include "platform/byte_order.h"
#include "store/io/memory_file.h"
#include "store/library/event_library.h"
#include "store/library/library_check.h"
#include "store/library/library_format.h"

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

// What the loader may hold besides the file: the open library's objects, one event's chain of
// at most 20 blocks with the texts read from it (a Windows text grows up to three times as
// UTF-8), and the odd small buffer.
constexpr long long kSlack = 64 * 1024;

void ReadEverything(const std::shared_ptr<zm::FileBytes>& bytes, bool acceptOld) {
    zm::EventLibrary lib;
    lib.SetTypeLookup([](const std::string& name) { return name.size() == 4 ? 1 : -1; });
    if (lib.OpenFile(std::make_unique<zm::MemoryFile>(bytes), false, acceptOld) !=
        zm::LibraryResult::Ok)
        return;
    // Whatever the file holds, reading it must not crash; the results themselves do not matter.
    static_cast<void>(lib.ForEachEvent([&](uint16_t key) {
        static_cast<void>(lib.ReadEvent(key));
        return zm::LibraryResult::Ok;
    }));
    zm::MemoryStream chain;
    static_cast<void>(lib.ReadChain(lib.Index().Entry(0), chain));
}

void ChangeEverything(const uint8_t* data, size_t size) {
    auto bytes = std::make_shared<zm::FileBytes>(data, data + size);
    auto file = std::make_unique<zm::MemoryFile>(bytes);
    file->SetCapacity(size + 64 * 1024);
    zm::EventLibrary lib;
    lib.SetIdSource([] { return zm::DateTime(); }, [] { return 0u; });
    if (lib.OpenFile(std::move(file)) != zm::LibraryResult::Ok) return;
    zm::VerifyLibrary(lib);
    int n = 0;
    // Every change may fail on a damaged file; what matters is that none crashes.
    static_cast<void>(lib.ForEachEvent([&](uint16_t key) {
        zm::ReadResult<zm::EventRecord> read = lib.ReadEvent(key);
        zm::EventRecord e = read.Ok() ? std::move(read).Value() : zm::EventRecord::ForKey(key);
        e.name += "x";
        zm::LibraryResult changed;
        if (++n % 3 == 0)
            changed = lib.DeleteEvent(key, 0);
        else if (n % 3 == 1)
            changed = lib.ModifyEvent(e);
        else
            changed = lib.RewriteFirstBlock(e);
        static_cast<void>(changed);
        return n > 50 ? zm::LibraryResult::Corrupted : zm::LibraryResult::Ok;
    }));
    zm::EventRecord added;
    added.notes = std::string(size % 3000, 'n');
    static_cast<void>(lib.AddEvent(added));
}

// The file the input stands for. An input whose first byte is even is the file itself, from
// its second byte on. An odd first byte builds a library around the rest, so that the fuzzer
// reaches the index and the records at once: byte 1 picks the version, byte 2 says how many
// index entries follow (each a 16-bit entry number and a 16-bit value), the rest is the blocks.
std::vector<uint8_t> FileOf(const uint8_t* data, size_t size) {
    if (size == 0) return {};
    if ((data[0] & 1) == 0) return std::vector<uint8_t>(data + 1, data + size);
    static constexpr uint32_t kVersions[] = {0x00030005, 0x00030000, 0x00020004,
                                             0x00010001, 0x00040000, 0x00030005};
    std::vector<uint8_t> file(zm::libfmt::kEmptyFileSize, 0);
    const uint32_t version = kVersions[(size > 1 ? data[1] : 0) % std::size(kVersions)];
    zm::WriteLibraryHeader(file.data(), version);
    if (version == zm::libfmt::kVersionFirst) file[14] = 208;
    size_t at = 3;
    const size_t entries = size > 2 ? data[2] : 0;
    for (size_t i = 0; i < entries && at + 4 <= size; ++i, at += 4) {
        const size_t n = zm::GetLe16(data + at) % zm::libfmt::kIndexEntries;
        file[256 + 2 * n] = data[at + 2];
        file[256 + 2 * n + 1] = data[at + 3];
    }
    if (at < size) file.insert(file.end(), data + at, data + size);
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> file = FileOf(data, size);
    const long long before = static_cast<long long>(zm::fuzz::StartHeapMeasure());
    {
        auto bytes = std::make_shared<zm::FileBytes>(file.begin(), file.end());
        ReadEverything(bytes, false);
        ReadEverything(bytes, true);
    }
    const long long used = static_cast<long long>(zm::fuzz::g_heap.peak) - before;
    if (used > static_cast<long long>(file.size()) + kSlack) {
        std::fprintf(stderr, "loading %zu bytes held %lld bytes at once\n", file.size(), used);
        std::abort();
    }
    ChangeEverything(file.data(), file.size());
    return 0;
}
