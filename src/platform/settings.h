#pragma once
// The user's settings: values kept by key ("Section/Entry") between runs. The program keeps
// them in its settings file; tests use MemorySettings. Values are kept as text; setting_table.h
// gives every setting its type, default and range and reads and writes them typed.

#include <optional>
#include <string>
#include <string_view>

namespace zm {

class Settings {
public:
    virtual ~Settings() = default;
    // The stored text of the key; nothing when the key is not stored.
    virtual std::optional<std::string> Read(std::string_view key) const = 0;
    virtual void Write(std::string_view key, std::string_view value) = 0;
};

} // namespace zm
