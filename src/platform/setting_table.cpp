#include "platform/setting_table.h"

#include "platform/ascii_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

namespace zm {
namespace {

constexpr int64_t kAnyInt32Low = -2147483648LL;
constexpr int64_t kAnyInt32High = 4294967295LL;

constexpr std::array<SettingDefinition, 23> kTable{{
    {SettingId::WorkWeek, "Calendar/WorkWeek", SettingType::Int, 127, 0, 127, OutOfRange::Default,
     ""},
    {SettingId::CheckWeekendEvents, "Calendar/CheckWeekendEvents", SettingType::Bool, 0, 0, 1,
     OutOfRange::Default, ""},
    // An order beyond the list counts as its nearest end.
    {SettingId::ImportDateOrder, "LastImpDateF", SettingType::Int, 0, 0, 2, OutOfRange::Clamp,
     ""},
    // The undefined type's values are checked where they are applied to the type.
    {SettingId::UndefinedSoundKind, "Types/UndefinedSoundKind", SettingType::Int, 1, kAnyInt32Low,
     kAnyInt32High, OutOfRange::Clamp, ""},
    {SettingId::UndefinedSoundRepeat, "Types/UndefinedSoundRepeat", SettingType::Int, 1,
     kAnyInt32Low, kAnyInt32High, OutOfRange::Clamp, ""},
    {SettingId::UndefinedSoundPause, "Types/UndefinedSoundPause", SettingType::Int, 0x00010000,
     kAnyInt32Low, kAnyInt32High, OutOfRange::Clamp, ""},
    {SettingId::UndefinedSoundFile, "Types/UndefinedSoundFile", SettingType::Text, 0, 0, 0,
     OutOfRange::Default, ""},
    {SettingId::UndefinedColour, "Types/UndefinedColour", SettingType::Int, 0x004080FF, 0,
     kAnyInt32High, OutOfRange::Clamp, ""},
    // Sound: the recently used sound files, entry 1 the oldest; an empty entry ends the list.
    {SettingId::RecentSoundFile1, "RecentSounds/File1", SettingType::Text, 0, 0, 0,
     OutOfRange::Default, ""},
    {SettingId::RecentSoundFile2, "RecentSounds/File2", SettingType::Text, 0, 0, 0,
     OutOfRange::Default, ""},
    {SettingId::RecentSoundFile3, "RecentSounds/File3", SettingType::Text, 0, 0, 0,
     OutOfRange::Default, ""},
    {SettingId::RecentSoundFile4, "RecentSounds/File4", SettingType::Text, 0, 0, 0,
     OutOfRange::Default, ""},
    {SettingId::RecentSoundFile5, "RecentSounds/File5", SettingType::Text, 0, 0, 0,
     OutOfRange::Default, ""},
    {SettingId::RecentSoundFile6, "RecentSounds/File6", SettingType::Text, 0, 0, 0,
     OutOfRange::Default, ""},
    {SettingId::RecentSoundFile7, "RecentSounds/File7", SettingType::Text, 0, 0, 0,
     OutOfRange::Default, ""},
    {SettingId::RecentSoundFile8, "RecentSounds/File8", SettingType::Text, 0, 0, 0,
     OutOfRange::Default, ""},
    {SettingId::RecentSoundFile9, "RecentSounds/File9", SettingType::Text, 0, 0, 0,
     OutOfRange::Default, ""},
    {SettingId::RecentSoundFile10, "RecentSounds/File10", SettingType::Text, 0, 0, 0,
     OutOfRange::Default, ""},
    {SettingId::RecentSoundFile11, "RecentSounds/File11", SettingType::Text, 0, 0, 0,
     OutOfRange::Default, ""},
    {SettingId::RecentSoundFile12, "RecentSounds/File12", SettingType::Text, 0, 0, 0,
     OutOfRange::Default, ""},
    {SettingId::RecentSoundFile13, "RecentSounds/File13", SettingType::Text, 0, 0, 0,
     OutOfRange::Default, ""},
    {SettingId::RecentSoundFile14, "RecentSounds/File14", SettingType::Text, 0, 0, 0,
     OutOfRange::Default, ""},
    {SettingId::RecentSoundFile15, "RecentSounds/File15", SettingType::Text, 0, 0, 0,
     OutOfRange::Default, ""},
}};

int64_t InRange(const SettingDefinition& d, int64_t v) {
    if (v >= d.min && v <= d.max) return v;
    if (d.outOfRange == OutOfRange::Default) return d.defaultValue;
    return std::clamp(v, d.min, d.max);
}

} // namespace

std::span<const SettingDefinition> AllSettings() {
    return kTable;
}

const SettingDefinition& DefinitionOf(SettingId id) {
    return kTable[static_cast<size_t>(id)];
}

const SettingDefinition* FindSetting(std::string_view key) {
    for (const auto& d : kTable)
        if (key == d.key) return &d;
    return nullptr;
}

std::optional<int64_t> ParseSettingInt(std::string_view text) {
    text = TrimAsciiSpace(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int64_t v = 0;
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec != std::errc() || p != end) return std::nullopt;
    return v;
}

std::optional<bool> ParseSettingBool(std::string_view text) {
    text = TrimAsciiSpace(text);
    if (EqualsIgnoringAsciiCase(text, "true")) return true;
    if (EqualsIgnoringAsciiCase(text, "false")) return false;
    if (auto n = ParseSettingInt(text)) return *n != 0;
    return std::nullopt;
}

int64_t ReadInt(const Settings& settings, SettingId id) {
    const SettingDefinition& d = DefinitionOf(id);
    const auto text = settings.read(d.key);
    if (!text) return d.defaultValue;
    const auto v = ParseSettingInt(*text);
    return v ? InRange(d, *v) : d.defaultValue;
}

bool ReadBool(const Settings& settings, SettingId id) {
    const SettingDefinition& d = DefinitionOf(id);
    const auto text = settings.read(d.key);
    const auto v = text ? ParseSettingBool(*text) : std::nullopt;
    return v ? *v : d.defaultValue != 0;
}

std::string ReadText(const Settings& settings, SettingId id) {
    const SettingDefinition& d = DefinitionOf(id);
    const auto text = settings.read(d.key);
    return text ? *text : d.defaultText;
}

void WriteInt(Settings& settings, SettingId id, int64_t value) {
    const SettingDefinition& d = DefinitionOf(id);
    settings.write(d.key, std::to_string(InRange(d, value)));
}

void WriteBool(Settings& settings, SettingId id, bool value) {
    settings.write(DefinitionOf(id).key, value ? "true" : "false");
}

void WriteText(Settings& settings, SettingId id, std::string_view value) {
    settings.write(DefinitionOf(id).key, value);
}

} // namespace zm
