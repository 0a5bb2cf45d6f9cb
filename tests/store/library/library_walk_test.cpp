// The windowed walk over a library gives every event, and every failure, exactly as reading
// the events one by one does.

#include "platform/byte_order.h"
#include "store/library/library_walk.h"
#include "support/library_fixture.h"

namespace zm::testing {
namespace {

struct Outcome {
    std::vector<std::string> names;
    LibraryResult code = LibraryResult::Ok;
    friend bool operator==(const Outcome&, const Outcome&) = default;
};

Outcome OneByOne(const EventLibrary& lib) {
    Outcome out;
    out.code = lib.ForEachEvent([&](uint16_t key) {
        const ReadResult<EventRecord> e = lib.ReadEvent(key);
        if (e.Ok()) out.names.push_back(e->name + "/" + std::to_string(e->typeIndex));
        return e.Code();
    });
    return out;
}

Outcome Windowed(const EventLibrary& lib, const EventLibrary::TypeLookup& lookup) {
    Outcome out;
    out.code = ReadEachEvent(lib, lookup, [&](EventRecord& e) {
        out.names.push_back(e.name + "/" + std::to_string(e.typeIndex));
        return LibraryResult::Ok;
    });
    return out;
}

TEST(LibraryWalk, MatchesReadingEachEvent) {
    MemoryLibrary m;
    const auto lookup = [](const std::string& name) { return name == "Meeting" ? 4 : -1; };
    m.library.SetTypeLookup(lookup);
    // More events than one window holds, some of several blocks.
    std::vector<uint16_t> keys;
    for (int i = 0; i < 300; ++i) {
        EventRecord e = MakeEvent("e" + std::to_string(i), i % 50 == 0 ? 900 : 0);
        ASSERT_EQ(m.library.AddEvent(e), LibraryResult::Ok);
        keys.push_back(e.key);
    }
    ASSERT_EQ(m.library.DeleteEvent(keys[10], 0), LibraryResult::Ok);
    const Outcome whole = Windowed(m.library, lookup);
    EXPECT_EQ(whole.names.size(), 299u);
    EXPECT_EQ(whole, OneByOne(m.library));

    // A broken record magic, then a block cut off at the end of the file.
    (*m.bytes)[8000 + 256 * keys[20]] ^= 0xFF;
    EXPECT_EQ(Windowed(m.library, lookup), OneByOne(m.library));
    EXPECT_EQ(OneByOne(m.library).code, LibraryResult::Corrupted);
    (*m.bytes)[8000 + 256 * keys[20]] ^= 0xFF;
    m.bytes->resize(m.bytes->size() - 100);
    EXPECT_EQ(Windowed(m.library, lookup), OneByOne(m.library));
    EXPECT_NE(OneByOne(m.library).code, LibraryResult::Ok);
}

} // namespace
} // namespace zm::testing
