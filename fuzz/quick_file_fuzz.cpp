// Arbitrary bytes read as a quick-reminder file. The loader must not crash, must not allocate
// more than the input justifies (three times its size, for Windows-1252 text that grows into
// UTF-8, plus 25 entries with their icons), and what it reads must survive a save and a second
// read unchanged.
//
// Seeds: run once with ZM_FUZZ_SEEDS=<folder> to write a few well-formed files there.

#include "res/artwork.h"
#include "side_file_fuzz_support.h"
#include "store/quick/quick_file.h"

#include <cstdlib>

namespace {

constexpr size_t kFixedAllowance = 64 * 1024;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (const char* folder = std::getenv("ZM_FUZZ_SEEDS")) {
        zm::QuickList list;
        zm::fuzz::WriteSeed(folder, "empty", zm::SerializeQuickFile(list));
        zm::QuickReminder q;
        q.menuName = "In 15 minutes";
        q.eventName = "Tea";
        q.typeName = "Alarm";
        q.soundFile = "c:\\sounds\\ding.wav";
        list.AddWithDefaultIcon(q);
        q.menuName = "Tomorrow";
        q.offset = zm::TimeAmount(0x00020001);
        list.Add(q, zm::PredefinedTypeIcon(3, 16));
        zm::fuzz::WriteSeed(folder, "two", zm::SerializeQuickFile(list));
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zm::QuickFileContent content;
    const size_t base = zm::fuzz::StartHeapMeasure();
    const bool ok = zm::ParseQuickFile({data, size}, content);
    const size_t used = zm::fuzz::g_heap.peak - base;
    if (used > 3 * size + kFixedAllowance) {
        std::fprintf(stderr, "reading %zu bytes took %zu bytes of memory\n", size, used);
        std::abort();
    }
    if (!ok) return 0;

    zm::QuickList list;
    const auto entries = content.entries;
    list.Assign(std::move(content.entries), std::move(content.icons));
    const std::vector<uint8_t> saved = zm::SerializeQuickFile(list);
    zm::QuickFileContent again;
    if (!zm::ParseQuickFile(saved, again) || again.entries != entries ||
        again.schema != zm::kQuickSchema) {
        std::fprintf(stderr, "a saved quick-reminder file did not read back the same\n");
        std::abort();
    }
    return 0;
}
