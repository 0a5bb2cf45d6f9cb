#pragma once
// Records of comma- and tab-separated text files.
//
// A file is a sequence of records; a record is a sequence of fields separated by the separator
// character and ended by CR LF, a lone LF, a lone CR or the end of the file (so files written
// on Windows, Linux and old Macs all read alike). A field that begins with a double quote runs to
// its closing quote: inside it two double quotes stand for one, and separators and line ends
// belong to the field. An unquoted field runs to the next separator or line end. Fields have no
// length limit.
//
// The reader and writer work on bytes; the code page of the text is the caller's business
// (the separator, the quote, CR and LF are the same bytes in every code page the files use).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zm {

inline constexpr char kCommaSeparator = ',';
inline constexpr char kTabSeparator = '\t';

// Where the reader takes its bytes from.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Up to `capacity` bytes into `data`: the number read, 0 at the end of the data, or a
    // negative number when reading failed.
    virtual long Read(char* data, size_t capacity) = 0;
};

// The bytes of a string (a file read beforehand, or a test's text).
class StringByteSource final : public ByteSource {
public:
    explicit StringByteSource(std::string_view bytes) : bytes_(bytes) {}
    long Read(char* data, size_t capacity) override;

private:
    std::string_view bytes_;
    size_t pos_ = 0;
};

class TextRecordReader {
public:
    enum class Status { Record, End, Failed };

    TextRecordReader(ByteSource& source, char separator) : source_(source), sep_(separator) {}

    // The next record's fields, without quotes. End when the data ends (a final line end does
    // not start another record); Failed when the source could not be read.
    Status Next(std::vector<std::string>& fields);

    // The number of records returned so far (the first is 1).
    int RecordNumber() const { return records_; }

private:
    // The next byte, or -1 at the end of the data (or after a failure).
    int Get();
    // The byte `get` would return, without taking it.
    int Peek();
    bool Fill();

    ByteSource& source_;
    char sep_;
    std::vector<char> buf_;
    size_t pos_ = 0;
    size_t len_ = 0;
    bool end_ = false;
    bool failed_ = false;
    int records_ = 0;
};

// Appends one field as the writer puts it into a file: an empty text is nothing; a text is
// quoted (with every double quote doubled) when the separator is a comma or the text holds a
// double quote, a TAB, a CR or an LF; then the separator follows, or CR LF after the last
// field of the record. A CR or LF in a tab-separated field is quoted as well, else it would
// split the record when it is read back.
void AppendTextField(std::string& out, std::string_view text, char separator, bool last);

// A whole record: the fields joined by AppendTextField.
std::string TextRecordLine(const std::vector<std::string>& fields, char separator);

} // namespace zm
