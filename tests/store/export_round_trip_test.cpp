// A library of random events of every kind, exported to each text kind and imported into an
// empty library, gives back the same events in several locales.

#include "store/import_export.h"
#include "store/text/oem_code_page.h"
#include "store/text/oem_text.h"
#include "store/transfer/text_time.h"
#include "support/store_fixture.h"
#include "support/transfer_fixture.h"

#include <gtest/gtest.h>
#include <random>

namespace zm {
namespace {

using testing::MemoryLibrary;
using testing::StoredEvents;

struct LocaleCase {
    std::string name; // the locale's name, which chooses the DOS code page
    LocaleDescription locale;
};

std::vector<LocaleCase> Locales() {
    std::vector<LocaleCase> out;
    for (const auto& [name, locale] : test::SampleLocales())
        if (name != "odd_12h_no_designators" && name != "ko_KR") out.push_back({name, locale});
    LocaleDescription ru = test::MakeLocale(1, true, true, true, ".", true, false, ":");
    out.push_back({"ru_RU", ru});
    out.push_back({"ko_KR", test::SampleLocales()[7].locale});
    return out;
}

// The characters the DOS code page can hold, beyond ASCII.
std::vector<std::string> PageCharacters(int page) {
    OemCodec codec(page);
    std::vector<std::string> chars;
    for (int b = 0x80; b < 0x100; ++b) {
        const std::string one(1, static_cast<char>(b));
        const std::string utf8 = codec.toUtf8(one);
        if (utf8.size() > 1 && codec.fromUtf8(utf8) == one) chars.push_back(utf8);
    }
    // Double-byte characters of the East Asian pages.
    for (const char* wide : {"\xE6\x97\xA5", "\xE4\xB8\xAD", "\xED\x95\x9C", "\xEA\xB5\xAD"}) {
        const std::string bytes = codec.fromUtf8(wide);
        if (bytes.size() == 2 && codec.toUtf8(bytes) == wide) chars.push_back(wide);
    }
    return chars;
}

class EventMaker {
public:
    EventMaker(unsigned seed, std::vector<std::string> extra)
        : rng_(seed), extra_(std::move(extra)) {}

    std::string text(int maxLength, bool allowEmpty) {
        static const std::string kAscii =
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,;:-_/'!?()";
        static const std::vector<std::string> kSpecial = {"\"", ",",  "\t",   "\r\n",
                                                          "\r", "\n", "\"\"", " "};
        const int length = pick(allowEmpty ? 0 : 1, maxLength);
        std::string s;
        for (int i = 0; i < length; ++i) {
            const int what = pick(0, 9);
            if (what < 6)
                s += kAscii[pick(0, static_cast<int>(kAscii.size()) - 1)];
            else if (what < 8 && !extra_.empty())
                s += extra_[pick(0, static_cast<int>(extra_.size()) - 1)];
            else
                s += kSpecial[pick(0, static_cast<int>(kSpecial.size()) - 1)];
        }
        return s;
    }

    EventRecord event() {
        EventRecord e;
        e.Name = text(40, false);
        e.Notes = text(pick(0, 3) == 0 ? 300 : 30, true);
        e.TypeName = pick(0, 3) == 0 ? "" : text(12, false);
        const int64_t day = pick(static_cast<int>(DaysFromCivil(1753, 1, 1)),
                                 static_cast<int>(DaysFromCivil(9999, 12, 31)));
        const int seconds = pick(0, 9) == 0 ? pick(0, 86399) : pick(0, 1439) * 60;
        e.Start = DateTime::FromSeconds(day * kSecondsPerDay + seconds);
        e.Duration =
            TimeAmount::Of(static_cast<AmountUnit>(pick(0, 3)),
                           static_cast<uint32_t>(pick(0, 1) ? pick(1, 90) : pick(1, 32767)));
        e.Advance =
            TimeAmount::Of(static_cast<AmountUnit>(pick(0, 2)), static_cast<uint32_t>(pick(0, 59)));
        static const uint32_t kPatterns[] = {0,
                                             0x1100,
                                             0x1200 | kMonday | kFriday,
                                             0x1400,
                                             0x2400 | kOrdLast,
                                             0x1800,
                                             0x2800 | kOrdFirst};
        const uint32_t pattern = kPatterns[pick(0, 6)];
        e.SetPattern(pattern, pattern == 0x1400 ? 15u * 65536 + 2 : 1);
        if (pick(0, 4) == 0) e.Flags |= kDisabled;
        if (pick(0, 4) == 0) e.StampShown(e.Start);
        return e;
    }

private:
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    std::mt19937 rng_;
    std::vector<std::string> extra_;
};

struct Kind {
    const char* name;
    char separator;
    bool dos;
};

TEST(ExportRoundTrip, EveryTextKindGivesBackTheSameEvents) {
    const Kind kinds[] = {{"CSV (DOS)", ',', true},
                          {"CSV (Windows)", ',', false},
                          {"TSV (DOS)", '\t', true},
                          {"TSV (Windows)", '\t', false}};
    unsigned seed = 20240305;
    for (const LocaleCase& lc : Locales()) {
        const int page = OemCodePageForLocale(lc.name);
        MemoryLibrary source;
        const std::vector<std::string> extra = PageCharacters(page);
        ASSERT_GE(extra.size(), 2u) << lc.name;
        EventMaker maker(seed++, extra);
        std::vector<EventRecord> originals;
        for (int i = 0; i < 300; ++i) {
            EventRecord e = maker.event();
            ASSERT_EQ(source.library.addEvent(e), LibraryResult::Ok);
            originals.push_back(e);
        }
        for (const Kind& kind : kinds) {
            TextExportOptions out;
            out.separator = kind.separator;
            out.dos = kind.dos;
            out.oemCodePage = page;
            out.locale = lc.locale;
            const std::string file = testing::ExportText(source.library, out);

            TextImportOptions in;
            in.separator = kind.separator;
            in.dos = kind.dos;
            in.oemCodePage = page;
            in.headerLine = true;
            in.rules.locale = lc.locale;
            in.rules.dateOrder = TextFieldFormats(lc.locale).dateOrder();
            MemoryLibrary target;
            const TextImportResult r = testing::ImportText(target.library, file, in);
            ASSERT_EQ(r.code, LibraryResult::Ok) << lc.name << " " << kind.name;
            EXPECT_TRUE(r.log.empty()) << lc.name << " " << kind.name << ": record "
                                       << r.log[0].record << " reason " << r.log[0].reason;
            const auto back = StoredEvents(target.library);
            ASSERT_EQ(back.size(), originals.size()) << lc.name << " " << kind.name;
            for (size_t i = 0; i < back.size(); ++i) {
                const EventRecord& a = originals[i];
                const EventRecord& b = back[i];
                const std::string where = lc.name + " " + kind.name + " event " + std::to_string(i);
                ASSERT_EQ(b.Name, a.Name) << where;
                ASSERT_EQ(b.Start, a.Start) << where;
                ASSERT_EQ(b.Duration, a.Duration) << where;
                ASSERT_EQ(b.TypeName, a.TypeName) << where;
                ASSERT_EQ(b.Notes, a.Notes) << where;
            }
        }
    }
}

// Through an event file, between two stores: the events come back with their ids as well.
class EventFileRoundTrip : public testing::StoreTest {};

TEST_F(EventFileRoundTrip, GivesBackTheSameEvents) {
    openEmpty();
    EventMaker maker(77, {"\xC3\xA9", "\xD0\x96", "\xE2\x82\xAC"});
    std::vector<EventRecord> originals;
    std::vector<uint16_t> keys;
    for (int i = 0; i < 300; ++i) {
        EventRecord e = maker.event();
        ASSERT_EQ(store.storeNew(e), LibraryResult::Ok);
        originals.push_back(e);
        keys.push_back(e.Key);
    }
    const TransferResult out = exportEventFile(store, fs, "/prog/export.VR0", keys);
    ASSERT_EQ(out.code, LibraryResult::Ok);
    EXPECT_EQ(out.events, 300);

    fs.folders.insert("/other");
    EventStore other(StoreSetup{&fs, [this] { return now; }, week, "/other"});
    ASSERT_EQ(other.openDefaultLibrary(), LibraryResult::Ok);
    ASSERT_EQ(importEventFile(other, "/prog/export.VR0", DuplicateMode::Skip), LibraryResult::Ok);
    EXPECT_FALSE(other.busy());
    const auto back = StoredEvents(other.library());
    ASSERT_EQ(back.size(), originals.size());
    for (size_t i = 0; i < back.size(); ++i) {
        const EventRecord& a = originals[i];
        const EventRecord& b = back[i];
        ASSERT_EQ(b.Name, a.Name) << i;
        ASSERT_EQ(b.Start, a.Start) << i;
        ASSERT_EQ(b.Duration, a.Duration) << i;
        ASSERT_EQ(b.TypeName, a.TypeName) << i;
        ASSERT_EQ(b.Notes, a.Notes) << i;
        ASSERT_EQ(b.Id, a.Id) << i;
    }
    // A second import of the same file finds every event already there.
    ASSERT_EQ(importEventFile(other, "/prog/export.VR0", DuplicateMode::Skip), LibraryResult::Ok);
    EXPECT_EQ(other.library().countEvents(), 300);
}

} // namespace
} // namespace zm
