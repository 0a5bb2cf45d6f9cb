#pragma once
// The user's stored settings: values by section and entry name. The program keeps them per user;
// tests keep them in memory.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace zm {

class Settings {
public:
    virtual ~Settings() = default;
    // The value, or nothing when the entry is absent or not a number.
    virtual std::optional<int> readInt(std::string_view section, std::string_view entry) const = 0;
    virtual void writeInt(std::string_view section, std::string_view entry, int value) = 0;
};

// Settings that live as long as the object.
class MemorySettings final : public Settings {
public:
    std::optional<int> readInt(std::string_view section, std::string_view entry) const override {
        const auto it = values_.find({std::string(section), std::string(entry)});
        if (it == values_.end()) return std::nullopt;
        return it->second;
    }
    void writeInt(std::string_view section, std::string_view entry, int value) override {
        values_[{std::string(section), std::string(entry)}] = value;
    }

private:
    std::map<std::pair<std::string, std::string>, int> values_;
};

} // namespace zm
