#include "platform/hot_key_code.h"

#include "platform/hot_keys.h"

#include <array>

namespace zm {
namespace {

struct KeyPair {
    uint8_t virtualKey;
    uint32_t keySym;
};

// The keys besides letters, digits, F1-F24 and the keypad digits, which go by ranges.
constexpr auto kKeys = std::to_array<KeyPair>({
    {0x03, 0xFF6B}, // Break
    {0x08, 0xFF08}, // BackSpace
    {0x09, 0xFF09}, // Tab
    {0x0C, 0xFF0B}, // Clear
    {0x0D, 0xFF0D}, // Return
    {0x13, 0xFF13}, // Pause
    {0x1B, 0xFF1B}, // Escape
    {0x20, 0x0020}, // space
    {0x21, 0xFF55}, // Prior (Page Up)
    {0x22, 0xFF56}, // Next (Page Down)
    {0x23, 0xFF57}, // End
    {0x24, 0xFF50}, // Home
    {0x25, 0xFF51}, // Left
    {0x26, 0xFF52}, // Up
    {0x27, 0xFF53}, // Right
    {0x28, 0xFF54}, // Down
    {0x2C, 0xFF61}, // Print
    {0x2D, 0xFF63}, // Insert
    {0x2E, 0xFFFF}, // Delete
    {0x2F, 0xFF6A}, // Help
    {0x5D, 0xFF67}, // Menu
    {0x6A, 0xFFAA}, // KP_Multiply
    {0x6B, 0xFFAB}, // KP_Add
    {0x6C, 0xFFAC}, // KP_Separator
    {0x6D, 0xFFAD}, // KP_Subtract
    {0x6E, 0xFFAE}, // KP_Decimal
    {0x6F, 0xFFAF}, // KP_Divide
    {0x90, 0xFF7F}, // Num_Lock
    {0x91, 0xFF14}, // Scroll_Lock
    {0xBA, 0x003B}, // semicolon
    {0xBB, 0x003D}, // equal
    {0xBC, 0x002C}, // comma
    {0xBD, 0x002D}, // minus
    {0xBE, 0x002E}, // period
    {0xBF, 0x002F}, // slash
    {0xC0, 0x0060}, // grave
    {0xDB, 0x005B}, // bracketleft
    {0xDC, 0x005C}, // backslash
    {0xDD, 0x005D}, // bracketright
    {0xDE, 0x0027}, // apostrophe
    {0xE2, 0x003C}, // less (the extra key of European keyboards)
});

constexpr uint32_t kKeySymF1 = 0xFFBE;
constexpr uint32_t kKeySymKp0 = 0xFFB0;

} // namespace

HotKeyParts SplitHotKeyCode(uint16_t code) {
    const auto flags = static_cast<uint8_t>(code >> 8);
    return {static_cast<uint8_t>(code & 0xFF),
            static_cast<uint8_t>(flags & (kHotKeyShift | kHotKeyControl | kHotKeyAlt))};
}

uint16_t MakeHotKeyCode(uint8_t virtualKey, uint8_t modifiers) {
    if (virtualKey == 0) return 0;
    uint8_t flags = modifiers & (kHotKeyShift | kHotKeyControl | kHotKeyAlt);
    if (IsExtendedVirtualKey(virtualKey)) flags |= kHotKeyExtendedFlag;
    return static_cast<uint16_t>(flags << 8 | virtualKey);
}

bool IsExtendedVirtualKey(uint8_t vk) {
    return vk == 0x03 || (vk >= 0x21 && vk <= 0x28) || vk == 0x2C || vk == 0x2D || vk == 0x2E ||
           vk == 0x5D || vk == 0x6F || vk == 0x90;
}

uint32_t KeySymOfVirtualKey(uint8_t vk) {
    if (vk >= '0' && vk <= '9') return vk;
    if (vk >= 'A' && vk <= 'Z') return vk + ('a' - 'A');
    if (vk >= 0x60 && vk <= 0x69) return kKeySymKp0 + (vk - 0x60u);
    if (vk >= 0x70 && vk <= 0x87) return kKeySymF1 + (vk - 0x70u);
    for (const KeyPair& k : kKeys)
        if (k.virtualKey == vk) return k.keySym;
    return 0;
}

uint8_t VirtualKeyOfKeySym(uint32_t keySym) {
    if (keySym == 0) return 0;
    if (keySym >= '0' && keySym <= '9') return static_cast<uint8_t>(keySym);
    if (keySym >= 'a' && keySym <= 'z') return static_cast<uint8_t>(keySym - ('a' - 'A'));
    if (keySym >= 'A' && keySym <= 'Z') return static_cast<uint8_t>(keySym);
    if (keySym >= kKeySymKp0 && keySym <= kKeySymKp0 + 9)
        return static_cast<uint8_t>(0x60 + (keySym - kKeySymKp0));
    if (keySym >= kKeySymF1 && keySym <= kKeySymF1 + 23)
        return static_cast<uint8_t>(0x70 + (keySym - kKeySymF1));
    for (const KeyPair& k : kKeys)
        if (k.keySym == keySym) return k.virtualKey;
    return 0;
}

uint16_t XModifiersOf(uint8_t modifiers) {
    uint16_t mask = 0;
    if (modifiers & kHotKeyShift) mask |= 1;   // ShiftMask
    if (modifiers & kHotKeyControl) mask |= 4; // ControlMask
    if (modifiers & kHotKeyAlt) mask |= 8;     // Mod1Mask
    return mask;
}

} // namespace zm
