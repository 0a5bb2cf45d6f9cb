#include "ipc_protocol/byte_text.h"
#include "ipc_protocol/companion_protocol.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

const std::string kLatin1Name = "Caf\xE9";

TEST(CompanionProtocol, RequestsAndAnswersComeBackByteForByte) {
    const CompanionRequest run{RequestKind::Run,
                               {"--json", "add", kLatin1Name, "2025-03-12 09:30", ""},
                               "/home/u/w\xFF",
                               "/home/u/.local/share/zantimore",
                               {}};
    CompanionRequest named = run;
    named.identity = "0f3c9a_B-" + std::string(55, '7');
    const CompanionRequest restore{RequestKind::Restore, {}, {}, {}, {}};
    for (const CompanionRequest& request : {run, named, restore}) {
        const DecodedRequest decoded = DecodeRequest(EncodeRequest(request));
        EXPECT_EQ(decoded.problem, RequestProblem::None);
        EXPECT_EQ(decoded.request, request);
    }
    const CompanionAnswer answer{AnswerOutcome::Done, 1, "7  " + kLatin1Name + "\n",
                                 "No event has the key 9.\n"};
    EXPECT_EQ(DecodeAnswer(EncodeAnswer(answer)), answer);
    const CompanionAnswer elsewhere{AnswerOutcome::Elsewhere, 0, "", ""};
    EXPECT_EQ(DecodeAnswer(EncodeAnswer(elsewhere)), elsewhere);
}

// Output longer than the companion takes keeps its start, cut after a whole line, and says how
// much was left out; the outcome and the status stay.
TEST(CompanionProtocol, AnAnswerNeverGrowsPastTheLimit) {
    constexpr size_t kLimit = 4096;
    auto lines = [](const std::string& line, size_t bytes) {
        std::string text;
        while (text.size() < bytes)
            text += line;
        return text;
    };
    const std::string plain =
        lines("The record 12 is not imported. Reason: invalid date.\n", kLimit + 100);
    const struct {
        const char* what;
        std::string out;
        std::string err;
    } cases[] = {
        {"plain text", plain, "Stopped.\n"},
        {"escaped text", lines("\x01\x02\x03\n", kLimit / 3), ""},
        {"bytes that are no UTF-8", lines(kLatin1Name + "\n", kLimit), ""},
        {"both streams", plain, plain},
    };
    for (const auto& c : cases) {
        const CompanionAnswer answer{AnswerOutcome::Done, 1, c.out, c.err};
        const std::string payload = EncodeAnswer(answer, kLimit);
        EXPECT_LE(payload.size(), kLimit) << c.what;
        const std::optional<CompanionAnswer> decoded = DecodeAnswer(payload);
        ASSERT_TRUE(decoded) << c.what;
        EXPECT_EQ(decoded->status, 1);
        EXPECT_GT(decoded->out.size(), kLimit / 16) << c.what;
        const size_t note = decoded->out.rfind("... and ");
        ASSERT_NE(note, std::string::npos) << c.what;
        EXPECT_EQ(c.out.compare(0, note, decoded->out, 0, note), 0) << c.what;
        EXPECT_EQ(decoded->out.substr(note), "... and " + std::to_string(c.out.size() - note) +
                                                 " more bytes of output, too long to send.\n")
            << c.what;
    }
    // The companion's own limit is the one kept by default.
    const CompanionAnswer huge{AnswerOutcome::Done, 0, lines("x\n", kMaxAnswerBytes + 2), ""};
    EXPECT_LE(EncodeAnswer(huge).size(), kMaxAnswerBytes);
}

TEST(CompanionProtocol, BadRequestsAreRefusedWithTheirReason) {
    std::string tooMany = R"({"version":1,"kind":"run","workingFolder":"/","dataFolder":"/d",)"
                          R"("arguments":[)";
    for (size_t i = 0; i <= kMaxRequestArguments; ++i)
        tooMany += i ? ",\"a\"" : "\"a\"";
    tooMany += "]}";
    const std::string run = R"("kind":"run","workingFolder":"/w","dataFolder":"/d")";
    const struct {
        std::string payload;
        RequestProblem problem;
        int version;
    } cases[] = {
        {"", RequestProblem::Malformed, 0},
        {"{\"version\":1,", RequestProblem::Malformed, 0},
        {"{}", RequestProblem::Malformed, 0},
        {R"({"version":"1","kind":"restore"})", RequestProblem::Malformed, 0},
        {R"({"version":1.5,"kind":"restore"})", RequestProblem::Malformed, 0},
        {R"({"version":2,"kind":"restore"})", RequestProblem::WrongVersion, 2},
        {R"({"version":1,"kind":"quit"})", RequestProblem::Malformed, 1},
        {R"({"version":1,"kind":"run"})", RequestProblem::Malformed, 1},
        {R"({"version":1,)" + run + R"(,"arguments":"add"})", RequestProblem::Malformed, 1},
        {R"({"version":1,)" + run + R"(,"arguments":["add",7]})", RequestProblem::Malformed, 1},
        {R"({"version":1,)" + run + R"(,"arguments":[{"base64":"Zg="}]})",
         RequestProblem::Malformed, 1},
        {R"({"version":1,)" + run + R"(,"arguments":[{"base64":"Zg==","x":1}]})",
         RequestProblem::Malformed, 1},
        {R"({"version":1,"kind":"run","workingFolder":"w","dataFolder":"/d","arguments":[]})",
         RequestProblem::Malformed, 1},
        {R"({"version":1,"kind":"run","workingFolder":"/w","arguments":[]})",
         RequestProblem::Malformed, 1},
        {tooMany, RequestProblem::Malformed, 1},
        {R"({"version":1,)" + run + R"(,"arguments":[],"identity":7})", RequestProblem::Malformed,
         1},
        {R"({"version":1,)" + run + R"(,"arguments":[],"identity":""})", RequestProblem::Malformed,
         1},
        {R"({"version":1,)" + run + R"(,"arguments":[],"identity":"a b"})",
         RequestProblem::Malformed, 1},
        {R"({"version":1,)" + run + R"(,"arguments":[],"identity":")" + std::string(65, 'a') +
             R"("})",
         RequestProblem::Malformed, 1},
        {"{\"version\":1,\"pad\":\"" + std::string(kMaxRequestBytes, 'x') + "\"}",
         RequestProblem::TooLarge, 0},
    };
    for (const auto& c : cases) {
        const DecodedRequest d = DecodeRequest(c.payload);
        EXPECT_EQ(d.problem, c.problem) << c.payload.substr(0, 80);
        EXPECT_EQ(d.version, c.version) << c.payload.substr(0, 80);
        EXPECT_TRUE(d.request.arguments.empty()) << c.payload.substr(0, 80);
    }
    // A field that a later version may add is not a fault.
    EXPECT_EQ(DecodeRequest(R"({"version":1,"kind":"restore","from":"x"})").problem,
              RequestProblem::None);
}

TEST(CompanionProtocol, TheFingerprintTellsWhatARequestAsksButNotItsIdentity) {
    const CompanionRequest a{RequestKind::Run, {"add", "x", "2025-03-12"}, "/w", "/d", "id1"};
    CompanionRequest b = a;
    b.identity = "id2";
    EXPECT_EQ(RequestFingerprint(a), RequestFingerprint(b));
    const CompanionRequest others[] = {
        {RequestKind::Run, {"add", "x", "2025-03-13"}, "/w", "/d", "id1"},
        {RequestKind::Run, {"add", "x2025-03-12"}, "/w", "/d", "id1"},
        {RequestKind::Run, {"add", "x", "2025-03-12"}, "/w2", "/d", "id1"},
        {RequestKind::Run, {"add", "x", "2025-03-12"}, "/w", "/e", "id1"},
        {RequestKind::Run, {"add", "x", "2025-03-12", ""}, "/w", "/d", "id1"},
    };
    for (const CompanionRequest& other : others)
        EXPECT_NE(RequestFingerprint(other), RequestFingerprint(a)) << other.arguments.size();
}

TEST(CompanionProtocol, BadAnswersAreNotTaken) {
    for (const char* payload : {
             R"({"version":2,"outcome":"done","status":0,"stdout":"","stderr":""})",
             R"({"version":1,"outcome":"fine","status":0,"stdout":"","stderr":""})",
             R"({"version":1,"outcome":"done","status":256,"stdout":"","stderr":""})",
             R"({"version":1,"outcome":"done","status":0,"stdout":""})",
             "not json",
         })
        EXPECT_FALSE(DecodeAnswer(payload)) << payload;
}

TEST(FrameReader, GathersAFrameInPiecesAndStopsAtItsEnd) {
    const std::string framed = Frame("{\"a\":1}") + "extra";
    FrameReader reader(100);
    for (size_t i = 0; i + 5 < framed.size(); ++i)
        reader.Feed(framed.substr(i, 1));
    EXPECT_EQ(reader.Current(), FrameReader::State::Complete);
    EXPECT_EQ(reader.Feed("more"), FrameReader::State::Complete);
    EXPECT_EQ(reader.Payload(), "{\"a\":1}");

    FrameReader whole(100);
    EXPECT_EQ(whole.Feed(Frame("")), FrameReader::State::Complete);
    EXPECT_EQ(whole.Payload(), "");

    // The length is judged before any of the payload is kept.
    FrameReader small(6);
    EXPECT_EQ(small.Feed(std::string("\x00\x00\x00\x07", 4)), FrameReader::State::TooLarge);
    FrameReader huge(kMaxRequestBytes);
    EXPECT_EQ(huge.Feed("\xFF\xFF\xFF\xFF"), FrameReader::State::TooLarge);
}

TEST(ByteText, Base64RoundTripsAndRefusesDamagedText) {
    const struct {
        std::string bytes, text;
    } cases[] = {{"", ""},
                 {"f", "Zg=="},
                 {"fo", "Zm8="},
                 {"foo", "Zm9v"},
                 {std::string("\x00\xFF\xE9", 3), "AP/p"}};
    for (const auto& c : cases) {
        EXPECT_EQ(Base64Encode(c.bytes), c.text);
        EXPECT_EQ(Base64Decode(c.text), c.bytes);
    }
    for (const char* bad : {"Zg=", "Z===", "Zm9v!A==", "Zg==Zg==", "=Zg=", "Zm=v"})
        EXPECT_FALSE(Base64Decode(bad)) << bad;
    // Valid UTF-8 stays readable; overlong forms, surrogates and stray bytes do not pass as text.
    EXPECT_TRUE(BytesToJson("Zürich €").is_string());
    for (const char* bytes : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "a\x80", "\xE2\x82"})
        EXPECT_TRUE(BytesToJson(bytes).is_object()) << bytes;
}

} // namespace
} // namespace zm
