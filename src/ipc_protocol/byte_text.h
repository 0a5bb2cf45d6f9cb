#pragma once
// Texts that are bytes (file names, the output of a command) in a JSON document: a JSON
// string when the bytes are valid UTF-8, otherwise an object {"base64": "..."}, so that every
// byte arrives as it was sent.

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace zm {

nlohmann::json BytesToJson(std::string_view bytes);
// Nothing when the value is neither a string nor a well-formed base64 object.
std::optional<std::string> BytesFromJson(const nlohmann::json& value);

std::string Base64Encode(std::string_view bytes);
std::optional<std::string> Base64Decode(std::string_view text);

} // namespace zm
