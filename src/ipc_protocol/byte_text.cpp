#include "ipc_protocol/byte_text.h"

#include <array>

namespace zm {
namespace {

constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

bool IsValidUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        size_t extra = 0;
        char32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= bytes.size()) return false;
        for (size_t k = 1; k <= extra; ++k) {
            const auto d = static_cast<unsigned char>(bytes[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = cp << 6 | (d & 0x3F);
        }
        // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
        constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kMinimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += extra + 1;
    }
    return true;
}

} // namespace

nlohmann::json BytesToJson(std::string_view bytes) {
    if (IsValidUtf8(bytes)) return std::string(bytes);
    return nlohmann::json{{"base64", Base64Encode(bytes)}};
}

std::optional<std::string> BytesFromJson(const nlohmann::json& value) {
    if (value.is_string()) return value.get<std::string>();
    if (!value.is_object() || value.size() != 1) return std::nullopt;
    const auto it = value.find("base64");
    if (it == value.end() || !it->is_string()) return std::nullopt;
    return Base64Decode(it->get_ref<const std::string&>());
}

std::string Base64Encode(std::string_view bytes) {
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        uint32_t group = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size()) group |= static_cast<unsigned char>(bytes[i + 2]);
        text += kDigits[group >> 18 & 63];
        text += kDigits[group >> 12 & 63];
        text += i + 1 < bytes.size() ? kDigits[group >> 6 & 63] : '=';
        text += i + 2 < bytes.size() ? kDigits[group & 63] : '=';
    }
    return text;
}

std::optional<std::string> Base64Decode(std::string_view text) {
    if (text.size() % 4 != 0) return std::nullopt;
    std::array<int, 256> value;
    value.fill(-1);
    for (int i = 0; i < 64; ++i)
        value[static_cast<unsigned char>(kDigits[i])] = i;
    std::string bytes;
    bytes.reserve(text.size() / 4 * 3);
    for (size_t i = 0; i < text.size(); i += 4) {
        const bool last = i + 4 == text.size();
        // Padding only at the very end: "xx==" or "xxx=".
        const size_t pad = last ? (text[i + 3] == '=') + (text[i + 2] == '=') : 0;
        if (pad == 1 && text[i + 2] == '=') return std::nullopt;
        uint32_t group = 0;
        for (size_t k = 0; k < 4; ++k) {
            const int v = k >= 4 - pad ? 0 : value[static_cast<unsigned char>(text[i + k])];
            if (v < 0) return std::nullopt;
            group = group << 6 | static_cast<uint32_t>(v);
        }
        bytes += static_cast<char>(group >> 16);
        if (pad < 2) bytes += static_cast<char>(group >> 8 & 0xFF);
        if (pad < 1) bytes += static_cast<char>(group & 0xFF);
    }
    return bytes;
}

} // namespace zm
