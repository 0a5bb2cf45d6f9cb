#pragma once
// The user's settings: values kept by key ("Section/Entry") between runs. The program keeps
// them in its settings file; tests use FakeSettings. Values are kept as text; setting_table.h
// gives every setting its type, default and range and reads and writes them typed.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace zm {

class Settings {
public:
    virtual ~Settings() = default;
    // The stored text of the key; nothing when the key is not stored.
    virtual std::optional<std::string> read(std::string_view key) const = 0;
    virtual void write(std::string_view key, std::string_view value) = 0;
};

// Settings held in memory.
class FakeSettings final : public Settings {
public:
    std::map<std::string, std::string, std::less<>> values;

    std::optional<std::string> read(std::string_view key) const override {
        auto it = values.find(key);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    void write(std::string_view key, std::string_view value) override {
        values.insert_or_assign(std::string(key), std::string(value));
    }
};

} // namespace zm
