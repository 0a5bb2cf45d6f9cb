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
        const std::string utf8 = codec.ToUtf8(one);
        if (utf8.size() > 1 && codec.FromUtf8(utf8) == one) chars.push_back(utf8);
    }
    // Double-byte characters of the East Asian pages.
    for (const char* wide : {"\xE6\x97\xA5", "\xE4\xB8\xAD", "\xED\x95\x9C", "\xEA\xB5\xAD"}) {
        const std::string bytes = codec.FromUtf8(wide);
        if (bytes.size() == 2 && codec.ToUtf8(bytes) == wide) chars.push_back(wide);
    }
    return chars;
}

class EventMaker {
public:
    EventMaker(unsigned seed, std::vector<std::string> extra)
        : rng_(seed), extra_(std::move(extra)) {}

    std::string Text(int maxLength, bool allowEmpty) {
        static const std::string kAscii =
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,;:-_/'!?()";
        static const std::vector<std::string> kSpecial = {"\"", ",",  "\t",   "\r\n",
                                                          "\r", "\n", "\"\"", " "};
        const int length = Pick(allowEmpty ? 0 : 1, maxLength);
        std::string s;
        for (int i = 0; i < length; ++i) {
            const int what = Pick(0, 9);
            if (what < 6)
                s += kAscii[Pick(0, static_cast<int>(kAscii.size()) - 1)];
            else if (what < 8 && !extra_.empty())
                s += extra_[Pick(0, static_cast<int>(extra_.size()) - 1)];
            else
                s += kSpecial[Pick(0, static_cast<int>(kSpecial.size()) - 1)];
        }
        return s;
    }

    EventRecord Event() {
        EventRecord e;
        e.name = Text(40, false);
        e.notes = Text(Pick(0, 3) == 0 ? 300 : 30, true);
        e.typeName = Pick(0, 3) == 0 ? "" : Text(12, false);
        const int64_t day = Pick(static_cast<int>(DaysFromCivil(1753, 1, 1)),
                                 static_cast<int>(DaysFromCivil(9999, 12, 31)));
        const int seconds = Pick(0, 9) == 0 ? Pick(0, 86399) : Pick(0, 1439) * 60;
        e.start = DateTime::FromSeconds(day * kSecondsPerDay + seconds);
        e.duration =
            TimeAmount::Of(static_cast<AmountUnit>(Pick(0, 3)),
                           static_cast<uint32_t>(Pick(0, 1) ? Pick(1, 90) : Pick(1, 32767)));
        e.advance =
            TimeAmount::Of(static_cast<AmountUnit>(Pick(0, 2)), static_cast<uint32_t>(Pick(0, 59)));
        static const uint32_t kPatterns[] = {0,
                                             0x1100,
                                             0x1200 | kMonday | kFriday,
                                             0x1400,
                                             0x2400 | kOrdLast,
                                             0x1800,
                                             0x2800 | kOrdFirst};
        const uint32_t pattern = kPatterns[Pick(0, 6)];
        e.SetPattern(pattern, pattern == 0x1400 ? 15u * 65536 + 2 : 1);
        if (Pick(0, 4) == 0) e.flags |= kDisabled;
        if (Pick(0, 4) == 0) e.StampShown(e.start);
        return e;
    }

private:
    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
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
            EventRecord e = maker.Event();
            ASSERT_EQ(source.library.AddEvent(e), LibraryResult::Ok);
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
            in.rules.dateOrder = TextFieldFormats(lc.locale).DateOrder();
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
                ASSERT_EQ(b.name, a.name) << where;
                ASSERT_EQ(b.start, a.start) << where;
                ASSERT_EQ(b.duration, a.duration) << where;
                ASSERT_EQ(b.typeName, a.typeName) << where;
                ASSERT_EQ(b.notes, a.notes) << where;
            }
        }
    }
}

// Through an event file, between two stores: the events come back with their ids as well.
class EventFileRoundTrip : public testing::StoreTest {};

TEST_F(EventFileRoundTrip, GivesBackTheSameEvents) {
    OpenEmpty();
    EventMaker maker(77, {"\xC3\xA9", "\xD0\x96", "\xE2\x82\xAC"});
    std::vector<EventRecord> originals;
    std::vector<uint16_t> keys;
    for (int i = 0; i < 300; ++i) {
        EventRecord e = maker.Event();
        ASSERT_EQ(store_.StoreNew(e), LibraryResult::Ok);
        originals.push_back(e);
        keys.push_back(e.key);
    }
    const TransferResult out = ExportEventFile(store_, fs_, "/prog/export.VR0", keys);
    ASSERT_EQ(out.code, LibraryResult::Ok);
    EXPECT_EQ(out.events, 300);

    fs_.folders.insert("/other");
    EventStore other(StoreSetup{&fs_, [this] { return now_; }, week_, "/other"});
    ASSERT_EQ(other.OpenDefaultLibrary(), LibraryResult::Ok);
    ASSERT_EQ(ImportEventFile(other, "/prog/export.VR0", DuplicateMode::Skip), LibraryResult::Ok);
    EXPECT_FALSE(other.Busy());
    const auto back = StoredEvents(other.Library());
    ASSERT_EQ(back.size(), originals.size());
    for (size_t i = 0; i < back.size(); ++i) {
        const EventRecord& a = originals[i];
        const EventRecord& b = back[i];
        ASSERT_EQ(b.name, a.name) << i;
        ASSERT_EQ(b.start, a.start) << i;
        ASSERT_EQ(b.duration, a.duration) << i;
        ASSERT_EQ(b.typeName, a.typeName) << i;
        ASSERT_EQ(b.notes, a.notes) << i;
        ASSERT_EQ(b.id, a.id) << i;
    }
    // A second import of the same file finds every event already there.
    ASSERT_EQ(ImportEventFile(other, "/prog/export.VR0", DuplicateMode::Skip), LibraryResult::Ok);
    EXPECT_EQ(other.Library().CountEvents(), 300);
}

} // namespace
} // namespace zm
