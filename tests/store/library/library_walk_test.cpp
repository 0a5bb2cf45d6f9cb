// The windowed walk over a library gives every event, and every failure, exactly as reading
// the events one by one does.

#include "support/library_fixture.h"
#include "store/io/byte_order.h"
#include "store/library/library_walk.h"

namespace zm::testing {
namespace {

struct Outcome {
    std::vector<std::string> names;
    LibraryResult code = lr::kOk;
    friend bool operator==(const Outcome&, const Outcome&) = default;
};

Outcome OneByOne(const EventLibrary& lib) {
    Outcome out;
    out.code = lib.forEachEvent([&](uint16_t key) {
        EventRecord e = EventRecord::ForKey(key);
        const LibraryResult rc = lib.readEvent(e);
        if (rc == lr::kOk) out.names.push_back(e.Name + "/" + std::to_string(e.TypeIndex));
        return rc;
    });
    return out;
}

Outcome Windowed(const EventLibrary& lib, const EventLibrary::TypeLookup& lookup) {
    Outcome out;
    out.code = ReadEachEvent(lib, lookup, [&](EventRecord& e) {
        out.names.push_back(e.Name + "/" + std::to_string(e.TypeIndex));
        return lr::kOk;
    });
    return out;
}

TEST(LibraryWalk, MatchesReadingEachEvent) {
    MemoryLibrary m;
    const auto lookup = [](const std::string& name) { return name == "Meeting" ? 4 : -1; };
    m.library.setTypeLookup(lookup);
    // More events than one window holds, some of several blocks.
    std::vector<uint16_t> keys;
    for (int i = 0; i < 300; ++i) {
        EventRecord e = MakeEvent("e" + std::to_string(i), i % 50 == 0 ? 900 : 0);
        ASSERT_EQ(m.library.addEvent(e), lr::kOk);
        keys.push_back(e.Key);
    }
    ASSERT_EQ(m.library.deleteEvent(keys[10]), lr::kOk);
    const Outcome whole = Windowed(m.library, lookup);
    EXPECT_EQ(whole.names.size(), 299u);
    EXPECT_EQ(whole, OneByOne(m.library));

    // A broken record magic, then a block cut off at the end of the file.
    (*m.bytes)[8000 + 256 * keys[20]] ^= 0xFF;
    EXPECT_EQ(Windowed(m.library, lookup), OneByOne(m.library));
    EXPECT_EQ(OneByOne(m.library).code, lr::kCorrupted);
    (*m.bytes)[8000 + 256 * keys[20]] ^= 0xFF;
    m.bytes->resize(m.bytes->size() - 100);
    EXPECT_EQ(Windowed(m.library, lookup), OneByOne(m.library));
    EXPECT_NE(OneByOne(m.library).code, lr::kOk);
}

} // namespace
} // namespace zm::testing
