#include "model/crc32.h"
#include "platform/byte_order.h"
#include "store/library/event_serializer.h"

#include <cstring>
#include <gtest/gtest.h>

namespace zm {
namespace {

EventRecord EveryField() {
    EventRecord e;
    e.key = 77;
    e.flags = kSnoozed | kShown | kCustomSound | kHasWindowSize | kHasSoundPause | kHasEnd;
    e.advance = TimeAmount::Of(AmountUnit::Hour, 2);
    e.pattern = 0x1200 | kMonday | kFriday;
    e.patternParam = 0x00050003;
    e.id = 0xCAFEBABE;
    e.start = DateTime::FromParts(2024, 2, 29, 23, 59, 59);
    e.snoozeUntil = DateTime::FromParts(1899, 12, 29, 6, 0, 0); // a negative day number
    e.lastShown = DateTime::FromParts(9999, 12, 31, 0, 0, 1);
    e.snoozeChoice = TimeAmount(0x00018005);
    e.sound = 0x00010002;
    e.duration = TimeAmount::Of(AmountUnit::Day, 1);
    e.windowSize = (300u << 16) | 450u;
    e.soundPause = (2u << 16) | 30u;
    e.end = DateTime::FromParts(2030, 1, 1);
    e.name = "Zahnarzt – Kontrolle";
    e.notes = "Zeile 1\r\nZeile 2 € ü";
    e.soundFile = "/home/u/Klänge/gong.wav";
    e.typeName = "Meeting";
    return e;
}

MemoryStream Serialized(const EventRecord& e) {
    MemoryStream s;
    SerializeEvent(e, s);
    return s;
}

TEST(EventSerializer, AnEmptyEventIs128BytesLaidOutByField) {
    EventRecord e;
    e.flags = 0x11223344;
    e.advance = TimeAmount(0x00020003);
    e.start = DateTime::FromParts(1900, 1, 1, 12); // day 2.5
    e.id = 0x01020304;
    const MemoryStream s = Serialized(e);
    ASSERT_EQ(s.Length(), 128u);
    ASSERT_EQ(SerializedSize(e), 128u);
    const unsigned char* b = s.Data();
    EXPECT_EQ(std::memcmp(b, "OBJ\x03", 4), 0);
    EXPECT_EQ(GetLe32(b + 4), 128u);
    EXPECT_EQ(GetLe32(b + 8), 0x11223344u);
    EXPECT_EQ(GetLe32(b + 12), 0x00020003u);
    EXPECT_EQ(DoubleFromBits(GetLe64(b + 24)), 2.5);
    EXPECT_EQ(GetLe32(b + 48), 5u);       // snooze choice default
    EXPECT_EQ(GetLe32(b + 52), 1u);       // default beep
    EXPECT_EQ(GetLe32(b + 56), 30u);      // duration default
    EXPECT_EQ(GetLe32(b + 64), 0x10000u); // sound pause default
    EXPECT_EQ(GetLe32(b + 76), 0x01020304u);
    for (size_t i = 80; i < 108; ++i)
        EXPECT_EQ(b[i], 0) << i;
    for (size_t at : {108u, 113u, 118u, 123u}) {
        EXPECT_EQ(GetLe32(b + at), 1u) << at;
        EXPECT_EQ(b[at + 4], 0) << at;
    }
    // The bytes behind the event up to the whole block are zero.
    EXPECT_EQ(s.Capacity() % 256, 0u);
    for (size_t i = 128; i < s.Capacity(); ++i)
        ASSERT_EQ(s.Data()[i], 0);
}

TEST(EventSerializer, TextsFollowInOrderNameNotesSoundFileTypeName) {
    EventRecord e;
    e.name = "ab";
    e.notes = "c";
    e.soundFile = "";
    e.typeName = "Call";
    const MemoryStream s = Serialized(e);
    const unsigned char expected[] = {3, 0, 0, 0, 'a', 'b', 0, 2, 0,   0,   0,   'c', 0, 1,
                                      0, 0, 0, 0, 5,   0,   0, 0, 'C', 'a', 'l', 'l', 0};
    ASSERT_EQ(s.Length(), 108 + sizeof expected);
    EXPECT_EQ(std::memcmp(s.Data() + 108, expected, sizeof expected), 0);
    EXPECT_EQ(GetLe32(s.Data() + 4), s.Length());
    EXPECT_EQ(s.Length(), 128u + 7u);
}

TEST(EventSerializer, EveryStoredFieldRoundTrips) {
    const EventRecord e = EveryField();
    MemoryStream s = Serialized(e);
    EventRecord back = EventRecord::ForKey(77);
    back.typeIndex = 4;
    back.listOccurrence = DateTime::FromParts(2001, 1, 1);
    ASSERT_TRUE(DeserializeEvent(s, back));
    EXPECT_EQ(back.key, 77);
    EXPECT_EQ(back.typeIndex, 4); // not stored: left alone
    EXPECT_EQ(back.listOccurrence, DateTime::FromParts(2001, 1, 1));
    EXPECT_EQ(back.flags, e.flags);
    EXPECT_EQ(back.advance, e.advance);
    EXPECT_EQ(back.pattern, e.pattern);
    EXPECT_EQ(back.patternParam, e.patternParam);
    EXPECT_EQ(back.id, e.id);
    EXPECT_EQ(back.start, e.start);
    EXPECT_EQ(back.snoozeUntil, e.snoozeUntil);
    EXPECT_EQ(back.lastShown, e.lastShown);
    EXPECT_EQ(back.end, e.end);
    EXPECT_TRUE(back.start.IsValid() && back.end.IsValid());
    EXPECT_EQ(back.snoozeChoice, e.snoozeChoice);
    EXPECT_EQ(back.sound, e.sound);
    EXPECT_EQ(back.duration, e.duration);
    EXPECT_EQ(back.windowSize, e.windowSize);
    EXPECT_EQ(back.soundPause, e.soundPause);
    EXPECT_EQ(back.name, e.name);
    EXPECT_EQ(back.notes, e.notes);
    EXPECT_EQ(back.soundFile, e.soundFile);
    EXPECT_EQ(back.typeName, e.typeName);
    // String lengths count bytes: "–" is 3 bytes of UTF-8, "€" 3, "ü" and "ä" 2.
    EXPECT_EQ(SerializedSize(e), 128 + e.name.size() + e.notes.size() + e.soundFile.size() + 7);
    EXPECT_EQ(e.StoredSize(), SerializedSize(e));
}

// A stored event with hand-made texts: each is the raw bytes of the file.
MemoryStream Raw(std::initializer_list<std::string> texts, int32_t length = -1) {
    EventRecord e;
    MemoryStream s = Serialized(e);
    MemoryStream r;
    r.Write(s.Data(), 108);
    for (const std::string& t : texts)
        r.WriteString(t);
    r.PatchU32(4, length < 0 ? static_cast<uint32_t>(r.Length()) : static_cast<uint32_t>(length));
    return r;
}

TEST(EventSerializer, TextsWrittenOnWindowsAreReadAsWindows1252) {
    MemoryStream s =
        Raw({"Caf\xe9", "5 \x80 f\xfcr \x84gut\x93", "C:\\Kl\xe4nge\\a.wav", "Caf\xc3\xa9"});
    EventRecord e;
    ASSERT_TRUE(DeserializeEvent(s, e));
    EXPECT_EQ(e.name, "Café");
    EXPECT_EQ(e.notes, "5 € für „gut“");
    EXPECT_EQ(e.soundFile, "C:\\Klänge\\a.wav");
    EXPECT_EQ(e.typeName, "Café"); // valid UTF-8 stays as it is
}

TEST(EventSerializer, BrokenRecordsAreRefusedAndLeaveTheEventAlone) {
    EventRecord original;
    original.name = "keep me";
    struct Case {
        const char* what;
        MemoryStream stream;
    };
    MemoryStream badMagic = Raw({"a", "", "", ""});
    badMagic.PatchU32(0, 0x034A424E);
    MemoryStream longer = Raw({"a", "", "", ""});
    longer.PatchU32(4, static_cast<uint32_t>(longer.Length() + 1));
    MemoryStream gigabytes = Raw({"a", "", "", ""});
    gigabytes.PatchU32(108, 0x7FFFFFF0); // the name's count
    MemoryStream countPastEnd = Raw({"a", "", "", ""});
    countPastEnd.PatchU32(countPastEnd.Length() - 5, 6); // the type name's count, one too many
    MemoryStream missingText = Raw({"a", "", ""});
    MemoryStream onlyFixed;
    onlyFixed.Write(Serialized(EventRecord()).Data(), 100);
    Case cases[] = {
        {"bad record magic", std::move(badMagic)},
        {"stored length beyond the stream", std::move(longer)},
        {"a text asking for gigabytes", std::move(gigabytes)},
        {"a count one past the end", std::move(countPastEnd)},
        {"a text missing", std::move(missingText)},
        {"fixed part cut short", std::move(onlyFixed)},
    };
    for (Case& c : cases) {
        EventRecord e = original;
        EXPECT_FALSE(DeserializeEvent(c.stream, e)) << c.what;
        EXPECT_EQ(e.name, "keep me") << c.what;
    }
}

TEST(EventSerializer, OddButReadableTexts) {
    // A count of 0 is an empty text; a text ends at its first zero byte.
    MemoryStream t;
    t.Write(Serialized(EventRecord()).Data(), 108);
    t.WriteString("ab");
    t.WriteU32(0);
    t.WriteString("");
    t.WriteString(std::string("x\0y", 3));
    t.PatchU32(4, static_cast<uint32_t>(t.Length()));
    EventRecord e;
    ASSERT_TRUE(DeserializeEvent(t, e));
    EXPECT_EQ(e.name, "ab");
    EXPECT_EQ(e.notes, "");
    EXPECT_EQ(e.soundFile, "");
    EXPECT_EQ(e.typeName, "x");
}

TEST(EventSerializer, AnUnusableStoredDateReadsAsTheZeroInstant) {
    MemoryStream s = Serialized(EventRecord());
    PutLe64(const_cast<unsigned char*>(s.Data()) + 68, DoubleBits(1e300));
    EventRecord e;
    e.end = DateTime::FromParts(2000, 1, 1);
    ASSERT_TRUE(DeserializeEvent(s, e));
    EXPECT_EQ(e.end, DateTime());
    EXPECT_TRUE(e.end.IsValid());
}

TEST(EventSerializer, TheIdIsTheCrcOverRecordNowAndTick) {
    const MemoryStream s = Serialized(EventRecord());
    const DateTime now = DateTime::FromParts(2024, 1, 2, 12);
    unsigned char tail[12];
    PutLe64(tail, DoubleBits(now.ToOle()));
    PutLe32(tail + 8, 0xA1B2C3D4);
    uint32_t expected = Crc32Update(0, s.Data(), s.Length());
    expected = Crc32Update(expected, tail, 12);
    EXPECT_EQ(ComputeEventId(s.Data(), s.Length(), now, 0xA1B2C3D4), expected);
    EXPECT_NE(ComputeEventId(s.Data(), s.Length(), now, 0xA1B2C3D5), expected);
}

} // namespace
} // namespace zm

namespace zm {
namespace {

TEST(MemoryStream, GrowsInWholeBlocksAndReadsOnlyWhatItHolds) {
    MemoryStream s;
    s.Write("abcd", 4);
    EXPECT_EQ(s.Capacity(), 256u);
    s.Write(std::string(252, 'x').data(), 252); // exactly 256: still fits
    EXPECT_EQ(s.Capacity(), 256u);
    s.Write("y", 1);
    EXPECT_EQ(s.Capacity(), 512u);
    s.Write(std::string(600, 'z').data(), 600); // (257 + 600) / 256 + 1 = 4 units
    EXPECT_EQ(s.Capacity(), 1024u);
    EXPECT_EQ(s.Length(), 857u);

    uint32_t v;
    ASSERT_TRUE(s.ReadU32(v));
    EXPECT_EQ(v, 0x64636261u);
    std::string out(900, '\0');
    EXPECT_FALSE(s.Read(out.data(), 854)); // one more than remains
    EXPECT_EQ(s.Cursor(), 4u);
    EXPECT_TRUE(s.Read(out.data(), 853));
    EXPECT_FALSE(s.ReadU32(v));
}

} // namespace
} // namespace zm
