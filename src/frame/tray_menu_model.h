#pragma once
// What the tray menu holds: its items in order, which are enabled, checked or the default, and
// the image beside each. The window turns this into its menu; the rules live here.

#include <cstdint>
#include <string>
#include <vector>

namespace zm {

class TypeList;
class QuickList;

// Images of the tray menu: an index into the menu's image strip, or an event type's icon
// (kTypeImageBase + i) or a quick reminder's icon (kQuickImageBase + i).
enum TrayImage : int {
    kNoImage = -1,
    kImageWeb = 2,
    kImagePreferences = 3,
    kImageHelp = 4,
    kImageAbout = 5,
    kImageExit = 18,
    kImageRestore = 19,
    kImageStopwatch = 20,
    kImageCountdown = 21,
    kImageSoundOn = 24,
    kImageSoundOff = 25,
};
inline constexpr int kTypeImageBase = 4096;
inline constexpr int kQuickImageBase = 65536;

enum class TrayItemKind : uint8_t { Command, Submenu, Separator };

struct TrayMenuItem {
    TrayItemKind kind = TrayItemKind::Command;
    std::string text; // with its "&" mnemonic
    uint32_t command = 0;
    bool enabled = true;
    bool checkable = false; // a toggle: shows a check mark while `checked`
    bool checked = false;
    bool isDefault = false; // drawn bold
    int image = kNoImage;
    std::vector<TrayMenuItem> children; // a submenu's items
};

struct TrayMenuState {
    bool remindersEnabled = true;
    bool soundOn = true;
    bool programDialogOpen = false;
    bool plainMenu = false; // no images
};

std::vector<TrayMenuItem> BuildTrayMenu(const TrayMenuState& state, const TypeList& types,
                                        const QuickList& quick);

} // namespace zm
