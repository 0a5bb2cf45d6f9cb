#include "store/transfer/text_field_codec.h"

#include "store/text/text_codec.h"

namespace zm {

TextFieldCodec::TextFieldCodec(bool dos, int oemCodePage) {
    if (dos) oem_ = std::make_unique<OemCodec>(oemCodePage);
}

std::string TextFieldCodec::Decode(std::string_view bytes) {
    return oem_ ? oem_->ToUtf8(bytes) : DecodeFileText(bytes);
}

void TextFieldCodec::DecodeRecord(std::vector<std::string>& fields, bool firstRecord) {
    static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (firstRecord && !oem_ && !fields.empty() && fields[0].starts_with(kByteOrderMark))
        fields[0].erase(0, kByteOrderMark.size());
    for (std::string& f : fields)
        f = Decode(f);
}

std::string TextFieldCodec::Encode(std::string_view text) {
    return oem_ ? oem_->FromUtf8(text) : std::string(text);
}

} // namespace zm
