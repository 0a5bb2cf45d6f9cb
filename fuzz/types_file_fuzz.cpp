// Arbitrary bytes read as a types file. The loader must not crash, must not allocate more than
// the input justifies (three times its size, for Windows-1252 text that grows into UTF-8, plus
// what the largest list the program allows takes: 50 types with their icons and 50 filters of
// 50 names), and what it reads must survive a save and a second read unchanged.
//
// Seeds: run once with ZM_FUZZ_SEEDS=<folder> to write a few well-formed files there.

#include "res/artwork.h"
#include "side_file_fuzz_support.h"
#include "store/types/types_file.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t kFixedAllowance = 512 * 1024;

zm::TypeList SeedList(size_t types, size_t filters) {
    zm::TypeList list;
    list.CreatePredefined();
    while (list.TypeCount() > types)
        list.RemoveType(static_cast<int>(list.TypeCount()) - 1);
    for (size_t i = list.TypeCount(); i < types; ++i) {
        zm::EventType t;
        t.name = "Type " + std::to_string(i);
        list.AddType(t, zm::PredefinedTypeIcon(int(i % 11), 16),
                     zm::PredefinedTypeIcon(int(i % 11), 32));
    }
    std::vector<std::string> names;
    for (const zm::EventType& t : list.Types())
        names.push_back(t.name);
    for (size_t i = 0; i < filters; ++i)
        list.Filters().push_back({1, "Filter " + std::to_string(i), names});
    return list;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (const char* folder = std::getenv("ZM_FUZZ_SEEDS")) {
        zm::fuzz::WriteSeed(folder, "predefined", zm::SerializeTypesFile(SeedList(11, 0)));
        zm::fuzz::WriteSeed(folder, "two-with-filters", zm::SerializeTypesFile(SeedList(2, 2)));
        zm::fuzz::WriteSeed(folder, "empty", zm::SerializeTypesFile(SeedList(0, 0)));
        zm::fuzz::WriteSeed(folder, "largest", zm::SerializeTypesFile(SeedList(50, 50)));
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zm::TypesFileContent content;
    const size_t base = zm::fuzz::StartHeapMeasure();
    const bool ok = zm::ParseTypesFile({data, size}, zm::SystemColours{}, content);
    const size_t used = zm::fuzz::g_heap.peak - base;
    if (std::getenv("ZM_FUZZ_SHOW_MEMORY"))
        std::fprintf(stderr, "%zu bytes: %zu bytes of memory\n", size, used);
    if (used > 3 * size + kFixedAllowance) {
        std::fprintf(stderr, "reading %zu bytes took %zu bytes of memory\n", size, used);
        std::abort();
    }
    if (!ok) return 0;

    zm::TypeList list;
    const auto types = content.types;
    const auto filters = content.filters;
    list.Assign(std::move(content.types), std::move(content.smallIcons),
                std::move(content.largeIcons), std::move(content.filters));
    const std::vector<uint8_t> saved = zm::SerializeTypesFile(list);
    zm::TypesFileContent again;
    if (!zm::ParseTypesFile(saved, zm::SystemColours{}, again) || again.types != types ||
        again.filters != filters || again.schema != zm::kTypesSchema) {
        std::fprintf(stderr, "a saved types file did not read back the same\n");
        std::abort();
    }
    return 0;
}
