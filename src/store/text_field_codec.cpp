#include "store/text_field_codec.h"

#include "store/text_codec.h"

namespace zm {

TextFieldCodec::TextFieldCodec(bool dos, int oemCodePage) {
    if (dos) oem_ = std::make_unique<OemCodec>(oemCodePage);
}

std::string TextFieldCodec::decode(std::string_view bytes) {
    return oem_ ? oem_->toUtf8(bytes) : DecodeFileText(bytes);
}

std::string TextFieldCodec::encode(std::string_view text) {
    return oem_ ? oem_->fromUtf8(text) : std::string(text);
}

} // namespace zm
