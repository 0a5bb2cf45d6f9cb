#include "model/crc32.h"
#include "store/io/byte_order.h"
#include "store/library/event_serializer.h"

#include <cstring>
#include <gtest/gtest.h>

namespace zm {
namespace {

EventRecord EveryField() {
    EventRecord e;
    e.Key = 77;
    e.Flags = kSnoozed | kShown | kCustomSound | kHasWindowSize | kHasSoundPause | kHasEnd;
    e.Advance = TimeAmount::Of(1, 2);
    e.Pattern = 0x1200 | kMonday | kFriday;
    e.PatternParam = 0x00050003;
    e.Id = 0xCAFEBABE;
    e.Start = DateTime::FromParts(2024, 2, 29, 23, 59, 59);
    e.SnoozeUntil = DateTime::FromParts(1899, 12, 29, 6, 0, 0); // a negative day number
    e.LastShown = DateTime::FromParts(9999, 12, 31, 0, 0, 1);
    e.SnoozeChoice = TimeAmount(0x00018005);
    e.Sound = 0x00010002;
    e.Duration = TimeAmount::Of(2, 1);
    e.WindowSize = (300u << 16) | 450u;
    e.SoundPause = (2u << 16) | 30u;
    e.End = DateTime::FromParts(2030, 1, 1);
    e.Name = "Zahnarzt – Kontrolle";
    e.Notes = "Zeile 1\r\nZeile 2 € ü";
    e.SoundFile = "/home/u/Klänge/gong.wav";
    e.TypeName = "Meeting";
    return e;
}

MemoryStream Serialized(const EventRecord& e) {
    MemoryStream s;
    SerializeEvent(e, s);
    return s;
}

TEST(EventSerializer, AnEmptyEventIs128BytesLaidOutByField) {
    EventRecord e;
    e.Flags = 0x11223344;
    e.Advance = TimeAmount(0x00020003);
    e.Start = DateTime::FromParts(1900, 1, 1, 12); // day 2.5
    e.Id = 0x01020304;
    const MemoryStream s = Serialized(e);
    ASSERT_EQ(s.length(), 128u);
    ASSERT_EQ(SerializedSize(e), 128u);
    const unsigned char* b = s.data();
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
    EXPECT_EQ(s.capacity() % 256, 0u);
    for (size_t i = 128; i < s.capacity(); ++i)
        ASSERT_EQ(s.data()[i], 0);
}

TEST(EventSerializer, TextsFollowInOrderNameNotesSoundFileTypeName) {
    EventRecord e;
    e.Name = "ab";
    e.Notes = "c";
    e.SoundFile = "";
    e.TypeName = "Call";
    const MemoryStream s = Serialized(e);
    const unsigned char expected[] = {3, 0, 0, 0, 'a', 'b', 0, 2, 0,   0,   0,   'c', 0, 1,
                                      0, 0, 0, 0, 5,   0,   0, 0, 'C', 'a', 'l', 'l', 0};
    ASSERT_EQ(s.length(), 108 + sizeof expected);
    EXPECT_EQ(std::memcmp(s.data() + 108, expected, sizeof expected), 0);
    EXPECT_EQ(GetLe32(s.data() + 4), s.length());
    EXPECT_EQ(s.length(), 128u + 7u);
}

TEST(EventSerializer, EveryStoredFieldRoundTrips) {
    const EventRecord e = EveryField();
    MemoryStream s = Serialized(e);
    EventRecord back = EventRecord::ForKey(77);
    back.TypeIndex = 4;
    back.ListOccurrence = DateTime::FromParts(2001, 1, 1);
    ASSERT_TRUE(DeserializeEvent(s, back));
    EXPECT_EQ(back.Key, 77);
    EXPECT_EQ(back.TypeIndex, 4); // not stored: left alone
    EXPECT_EQ(back.ListOccurrence, DateTime::FromParts(2001, 1, 1));
    EXPECT_EQ(back.Flags, e.Flags);
    EXPECT_EQ(back.Advance, e.Advance);
    EXPECT_EQ(back.Pattern, e.Pattern);
    EXPECT_EQ(back.PatternParam, e.PatternParam);
    EXPECT_EQ(back.Id, e.Id);
    EXPECT_EQ(back.Start, e.Start);
    EXPECT_EQ(back.SnoozeUntil, e.SnoozeUntil);
    EXPECT_EQ(back.LastShown, e.LastShown);
    EXPECT_EQ(back.End, e.End);
    EXPECT_TRUE(back.Start.IsValid() && back.End.IsValid());
    EXPECT_EQ(back.SnoozeChoice, e.SnoozeChoice);
    EXPECT_EQ(back.Sound, e.Sound);
    EXPECT_EQ(back.Duration, e.Duration);
    EXPECT_EQ(back.WindowSize, e.WindowSize);
    EXPECT_EQ(back.SoundPause, e.SoundPause);
    EXPECT_EQ(back.Name, e.Name);
    EXPECT_EQ(back.Notes, e.Notes);
    EXPECT_EQ(back.SoundFile, e.SoundFile);
    EXPECT_EQ(back.TypeName, e.TypeName);
    // String lengths count bytes: "–" is 3 bytes of UTF-8, "€" 3, "ü" and "ä" 2.
    EXPECT_EQ(SerializedSize(e), 128 + e.Name.size() + e.Notes.size() + e.SoundFile.size() + 7);
    EXPECT_EQ(e.StoredSize(), SerializedSize(e));
}

// A stored event with hand-made texts: each is the raw bytes of the file.
MemoryStream Raw(std::initializer_list<std::string> texts, int32_t length = -1) {
    EventRecord e;
    MemoryStream s = Serialized(e);
    MemoryStream r;
    r.write(s.data(), 108);
    for (const std::string& t : texts)
        r.writeString(t);
    r.patchU32(4, length < 0 ? static_cast<uint32_t>(r.length()) : static_cast<uint32_t>(length));
    return r;
}

TEST(EventSerializer, TextsWrittenOnWindowsAreReadAsWindows1252) {
    MemoryStream s =
        Raw({"Caf\xe9", "5 \x80 f\xfcr \x84gut\x93", "C:\\Kl\xe4nge\\a.wav", "Caf\xc3\xa9"});
    EventRecord e;
    ASSERT_TRUE(DeserializeEvent(s, e));
    EXPECT_EQ(e.Name, "Café");
    EXPECT_EQ(e.Notes, "5 € für „gut“");
    EXPECT_EQ(e.SoundFile, "C:\\Klänge\\a.wav");
    EXPECT_EQ(e.TypeName, "Café"); // valid UTF-8 stays as it is
}

TEST(EventSerializer, BrokenRecordsAreRefusedAndLeaveTheEventAlone) {
    EventRecord original;
    original.Name = "keep me";
    struct Case {
        const char* what;
        MemoryStream stream;
    };
    MemoryStream badMagic = Raw({"a", "", "", ""});
    badMagic.patchU32(0, 0x034A424E);
    MemoryStream longer = Raw({"a", "", "", ""});
    longer.patchU32(4, static_cast<uint32_t>(longer.length() + 1));
    MemoryStream gigabytes = Raw({"a", "", "", ""});
    gigabytes.patchU32(108, 0x7FFFFFF0); // the name's count
    MemoryStream countPastEnd = Raw({"a", "", "", ""});
    countPastEnd.patchU32(countPastEnd.length() - 5, 6); // the type name's count, one too many
    MemoryStream missingText = Raw({"a", "", ""});
    MemoryStream onlyFixed;
    onlyFixed.write(Serialized(EventRecord()).data(), 100);
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
        EXPECT_EQ(e.Name, "keep me") << c.what;
    }
}

TEST(EventSerializer, OddButReadableTexts) {
    // A count of 0 is an empty text; a text ends at its first zero byte.
    MemoryStream t;
    t.write(Serialized(EventRecord()).data(), 108);
    t.writeString("ab");
    t.writeU32(0);
    t.writeString("");
    t.writeString(std::string("x\0y", 3));
    t.patchU32(4, static_cast<uint32_t>(t.length()));
    EventRecord e;
    ASSERT_TRUE(DeserializeEvent(t, e));
    EXPECT_EQ(e.Name, "ab");
    EXPECT_EQ(e.Notes, "");
    EXPECT_EQ(e.SoundFile, "");
    EXPECT_EQ(e.TypeName, "x");
}

TEST(EventSerializer, AnUnusableStoredDateReadsAsTheZeroInstant) {
    MemoryStream s = Serialized(EventRecord());
    PutLe64(const_cast<unsigned char*>(s.data()) + 68, DoubleBits(1e300));
    EventRecord e;
    e.End = DateTime::FromParts(2000, 1, 1);
    ASSERT_TRUE(DeserializeEvent(s, e));
    EXPECT_EQ(e.End, DateTime());
    EXPECT_TRUE(e.End.IsValid());
}

TEST(EventSerializer, TheIdIsTheCrcOverRecordNowAndTick) {
    const MemoryStream s = Serialized(EventRecord());
    const DateTime now = DateTime::FromParts(2024, 1, 2, 12);
    unsigned char tail[12];
    PutLe64(tail, DoubleBits(now.ToOle()));
    PutLe32(tail + 8, 0xA1B2C3D4);
    uint32_t expected = Crc32Update(0, s.data(), s.length());
    expected = Crc32Update(expected, tail, 12);
    EXPECT_EQ(ComputeEventId(s.data(), s.length(), now, 0xA1B2C3D4), expected);
    EXPECT_NE(ComputeEventId(s.data(), s.length(), now, 0xA1B2C3D5), expected);
}

} // namespace
} // namespace zm

namespace zm {
namespace {

TEST(MemoryStream, GrowsInWholeBlocksAndReadsOnlyWhatItHolds) {
    MemoryStream s;
    s.write("abcd", 4);
    EXPECT_EQ(s.capacity(), 256u);
    s.write(std::string(252, 'x').data(), 252); // exactly 256: still fits
    EXPECT_EQ(s.capacity(), 256u);
    s.write("y", 1);
    EXPECT_EQ(s.capacity(), 512u);
    s.write(std::string(600, 'z').data(), 600); // (257 + 600) / 256 + 1 = 4 units
    EXPECT_EQ(s.capacity(), 1024u);
    EXPECT_EQ(s.length(), 857u);

    uint32_t v;
    ASSERT_TRUE(s.readU32(v));
    EXPECT_EQ(v, 0x64636261u);
    std::string out(900, '\0');
    EXPECT_FALSE(s.read(out.data(), 854)); // one more than remains
    EXPECT_EQ(s.cursor(), 4u);
    EXPECT_TRUE(s.read(out.data(), 853));
    EXPECT_FALSE(s.readU32(v));
}

} // namespace
} // namespace zm
