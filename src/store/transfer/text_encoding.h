#pragma once
// The character encoding of a text file to import, told by its first bytes. Files in UTF-16
// carry a byte order mark (FF FE little-endian, FE FF big-endian) and are read as UTF-8 text;
// a file that holds zero bytes without such a mark (UTF-16 without its mark, UTF-32, or no text
// at all) cannot be read as records and is refused. Anything else is bytes in the code page of
// the file kind.

#include "store/transfer/text_records.h"

#include <cstdint>
#include <string>

namespace zm {

enum class TextEncoding : uint8_t {
    CodePage,   // single bytes or UTF-8: the file kind's code page decides
    Utf16Le,    // read as UTF-8
    Utf16Be,    // read as UTF-8
    Unreadable, // zero bytes and no UTF-16 mark: not a text the import can read
};

// The bytes of another source, converted to UTF-8 when they are UTF-16. The encoding is known
// once `Detect` (or the first `read`) has looked at the start of the data.
class EncodedTextSource final : public ByteSource {
public:
    explicit EncodedTextSource(ByteSource& raw) : raw_(raw) {}

    // Looks at the start of the data; false when the source could not be read.
    bool Detect();
    TextEncoding Encoding() const { return encoding_; }
    // The fields of the records are UTF-8 whatever the file kind says.
    bool IsUnicode() const {
        return encoding_ == TextEncoding::Utf16Le || encoding_ == TextEncoding::Utf16Be;
    }

    // Nothing is served from an unreadable file: its data ends at once.
    long Read(char* data, size_t capacity) override;

private:
    // Appends the rest of the raw data to `held_`; false when reading failed.
    bool ReadAll();

    ByteSource& raw_;
    bool detected_ = false;
    bool failed_ = false;
    TextEncoding encoding_ = TextEncoding::CodePage;
    std::string held_; // bytes read ahead, served before the raw source's rest
    size_t pos_ = 0;
};

} // namespace zm
