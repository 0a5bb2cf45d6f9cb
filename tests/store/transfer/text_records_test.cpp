#include "store/transfer/text_records.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zm {
namespace {

using Records = std::vector<std::vector<std::string>>;

Records ReadAll(std::string_view bytes, char sep) {
    StringByteSource source(bytes);
    TextRecordReader reader(source, sep);
    Records out;
    std::vector<std::string> fields;
    while (reader.Next(fields) == TextRecordReader::Status::Record)
        out.push_back(fields);
    return out;
}

// A source that hands out one byte at a time, so every refill boundary is crossed.
class TrickleSource final : public ByteSource {
public:
    explicit TrickleSource(std::string_view bytes) : bytes_(bytes) {}
    long Read(char* data, size_t) override {
        if (pos_ >= bytes_.size()) return 0;
        *data = bytes_[pos_++];
        return 1;
    }

private:
    std::string_view bytes_;
    size_t pos_ = 0;
};

class FailingSource final : public ByteSource {
public:
    long Read(char* data, size_t capacity) override {
        if (served_) return -1;
        served_ = true;
        const std::string_view head = "a,b\r\nc,";
        const size_t n = std::min(capacity, head.size());
        std::copy_n(head.data(), n, data);
        return static_cast<long>(n);
    }

private:
    bool served_ = false;
};

struct GrammarCase {
    const char* what;
    std::string bytes;
    char sep;
    Records expected;
};

TEST(TextRecordReader, ReadsTheGrammar) {
    const GrammarCase cases[] = {
        {"empty file", "", ',', {}},
        {"one record without an end", "a,b", ',', {{"a", "b"}}},
        {"a final CR LF starts no record", "a,b\r\n", ',', {{"a", "b"}}},
        {"empty fields", ",,\r\n", ',', {{"", "", ""}}},
        {"blank lines are records of one empty field", "a\r\n\r\n\r\n", ',', {{"a"}, {""}, {""}}},
        {"quoted with doubled quotes", "\"say \"\"hi\"\"\",x\r\n", ',', {{"say \"hi\"", "x"}}},
        {"separator and line end inside quotes", "\"a,b\r\nc\",d", ',', {{"a,b\r\nc", "d"}}},
        {"lone CR and LF end records too",
         "a\nb,c\rd\r\ne",
         ',',
         {{"a"}, {"b", "c"}, {"d"}, {"e"}}},
        {"tab separated keeps commas", "a,b\tc\r\n", '\t', {{"a,b", "c"}}},
        {"quoted tab field", "\"x\ty\"\tz", '\t', {{"x\ty", "z"}}},
        {"a quote inside an unquoted field is text", "ab\"c,d", ',', {{"ab\"c", "d"}}},
        {"text after a closing quote is kept", "\"ab\"cd,e", ',', {{"abcd", "e"}}},
        {"an unterminated quote runs to the end", "\"ab,\r\ncd", ',', {{"ab,\r\ncd"}}},
        {"empty quoted field", "\"\",\"\"\r\n", ',', {{"", ""}}},
        {"separator at the end of the file", "a,", ',', {{"a", ""}}},
        {"CR at the very end ends the record", "a\r", ',', {{"a"}}},
        {"CR CR LF is a blank line between", "a\r\r\nb", ',', {{"a"}, {""}, {"b"}}},
    };
    for (const GrammarCase& c : cases) {
        EXPECT_EQ(ReadAll(c.bytes, c.sep), c.expected) << c.what;
        TrickleSource trickle(c.bytes);
        TextRecordReader reader(trickle, c.sep);
        Records got;
        std::vector<std::string> fields;
        while (reader.Next(fields) == TextRecordReader::Status::Record)
            got.push_back(fields);
        EXPECT_EQ(got, c.expected) << c.what << " (byte by byte)";
    }
}

TEST(TextRecordReader, HasNoFieldLengthLimit) {
    const std::string big(300000, 'x');
    const Records got = ReadAll("\"" + big + "\"," + big + "\r\n", ',');
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0][0], big);
    EXPECT_EQ(got[0][1], big);
}

TEST(TextRecordReader, ReportsAFailedRead) {
    FailingSource source;
    TextRecordReader reader(source, ',');
    std::vector<std::string> fields;
    EXPECT_EQ(reader.Next(fields), TextRecordReader::Status::Record);
    EXPECT_EQ(reader.Next(fields), TextRecordReader::Status::Failed);
    EXPECT_EQ(reader.RecordNumber(), 1);
}

TEST(TextRecordWriter, QuotesEveryNonEmptyFieldInTheCommaKinds) {
    EXPECT_EQ(TextRecordLine({"Lunch", "12/31/2000", "", "a \"b\""}, ','),
              "\"Lunch\",\"12/31/2000\",,\"a \"\"b\"\"\"\r\n");
}

TEST(TextRecordWriter, QuotesOnlyQuotesTabsAndLineEndsInTheTabKinds) {
    EXPECT_EQ(TextRecordLine({"Lunch", "a,b", "say \"x\"", "t\tu", "l1\r\nl2", "cr\r", ""}, '\t'),
              "Lunch\ta,b\t\"say \"\"x\"\"\"\t\"t\tu\"\t\"l1\r\nl2\"\t\"cr\r\"\t\r\n");
}

TEST(TextRecordWriter, EmptyNotesEndTheLineWithTheTypeAndOneSeparator) {
    const std::vector<std::string> event = {"Lunch",      "12/31/2000", "12:00 PM",
                                            "30 minutes", "Meeting",    ""};
    EXPECT_EQ(TextRecordLine(event, '\t'),
              "Lunch\t12/31/2000\t12:00 PM\t30 minutes\tMeeting\t\r\n");
    EXPECT_EQ(TextRecordLine(event, ','),
              "\"Lunch\",\"12/31/2000\",\"12:00 PM\",\"30 minutes\",\"Meeting\",\r\n");
}

TEST(TextRecordWriter, WhatIsWrittenReadsBackTheSame) {
    const std::vector<std::string> samples = {"",     "plain", "a,b",  "q\"uote", "\"",
                                              "\"\"", "t\tab", "\r\n", "x\ry\nz", " lead"};
    for (char sep : {',', '\t'}) {
        std::vector<std::string> record;
        for (size_t i = 0; i < samples.size(); ++i)
            record.push_back(samples[i]);
        const std::string line = TextRecordLine(record, sep) + TextRecordLine(record, sep);
        const Records back = ReadAll(line, sep);
        ASSERT_EQ(back.size(), 2u) << "separator " << int(sep);
        EXPECT_EQ(back[0], record);
        EXPECT_EQ(back[1], record);
    }
}

} // namespace
} // namespace zm
