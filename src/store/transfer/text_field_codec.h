#pragma once
// The character set of the fields of a text file. The DOS kinds hold their text in the OEM code
// page of the user's locale; the Windows kinds are written in UTF-8, and a field read from them
// that is not valid UTF-8 is taken as Windows-1252.

#include "store/text/oem_text.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zm {

class TextFieldCodec {
public:
    // `dos`: the file is in the code page `oemCodePage`.
    TextFieldCodec(bool dos, int oemCodePage);

    // False when the DOS code page has no converter on this system.
    bool Available() const { return !oem_ || oem_->Available(); }
    int OemCodePage() const { return oem_ ? oem_->CodePage() : 0; }

    std::string Decode(std::string_view bytes);
    std::string Encode(std::string_view text);
    // Decodes every field of a record. The byte order mark that some programs put at the start
    // of a UTF-8 file is not part of the first field of the Windows kinds.
    void DecodeRecord(std::vector<std::string>& fields, bool firstRecord);

private:
    std::unique_ptr<OemCodec> oem_;
};

} // namespace zm
