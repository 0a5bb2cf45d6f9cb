#pragma once
// Settings held in memory: for tests, and for settings that must not reach the settings file.

#include "platform/settings.h"

#include <functional>
#include <map>
#include <string>

namespace zm {

class MemorySettings final : public Settings {
public:
    std::map<std::string, std::string, std::less<>> values;

    std::optional<std::string> Read(std::string_view key) const override {
        auto it = values.find(key);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    void Write(std::string_view key, std::string_view value) override {
        values.insert_or_assign(std::string(key), std::string(value));
    }
};

} // namespace zm
