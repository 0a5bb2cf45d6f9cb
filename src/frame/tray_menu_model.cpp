#include "frame/tray_menu_model.h"

#include "frame/frame_commands.h"
#include "res/strings.h"
#include "store/quick/quick_list.h"
#include "store/types/type_list.h"

#include <algorithm>

namespace zm {
namespace {

class MenuMaker {
public:
    explicit MenuMaker(const TrayMenuState& state) : state_(state) {}

    TrayMenuItem Command(std::string text, uint32_t command, int image) const {
        TrayMenuItem item;
        item.text = std::move(text);
        item.command = command;
        item.image = state_.plainMenu ? kNoImage : image;
        const FrameAction action = ClassifyCommand(command, kAny, kAny).action;
        item.enabled = !(state_.programDialogOpen && DisabledWhileDialogOpen(action));
        return item;
    }
    TrayMenuItem Command(int textId, uint32_t command, int image) const {
        return Command(LoadString(textId), command, image);
    }
    TrayMenuItem Submenu(int textId, int image, std::vector<TrayMenuItem> children) const {
        TrayMenuItem item;
        item.kind = TrayItemKind::Submenu;
        item.text = LoadString(textId);
        item.image = state_.plainMenu ? kNoImage : image;
        item.children = std::move(children);
        return item;
    }
    static TrayMenuItem Separator() {
        TrayMenuItem item;
        item.kind = TrayItemKind::Separator;
        return item;
    }

private:
    // Every entry of a list command counts as present while the menu is made.
    static constexpr size_t kAny = 1000;
    const TrayMenuState& state_;
};

} // namespace

std::vector<TrayMenuItem> BuildTrayMenu(const TrayMenuState& state, const TypeList& types,
                                        const QuickList& quick) {
    const MenuMaker make(state);

    std::vector<TrayMenuItem> newMenu;
    const size_t typeCount =
        std::min<size_t>(types.TypeCount(), kCmdLastNewOfType - kCmdFirstNewOfType + 1);
    for (size_t i = 0; i < typeCount; ++i)
        newMenu.push_back(make.Command(types.Types()[i].name,
                                       static_cast<uint32_t>(kCmdFirstNewOfType + i),
                                       kTypeImageBase + static_cast<int>(i)));
    if (!newMenu.empty()) newMenu.push_back(MenuMaker::Separator());
    newMenu.push_back(make.Command(IDS_MENU_CUSTOMIZE, kCmdCustomizeTypes, kNoImage));

    std::vector<TrayMenuItem> quickMenu;
    const size_t quickCount = std::min<size_t>(quick.Count(), kCmdLastQuick - kCmdFirstQuick + 1);
    for (size_t i = 0; i < quickCount; ++i)
        quickMenu.push_back(make.Command(quick.Entries()[i].menuName,
                                         static_cast<uint32_t>(kCmdFirstQuick + i),
                                         kQuickImageBase + static_cast<int>(i)));
    if (!quickMenu.empty()) quickMenu.push_back(MenuMaker::Separator());
    quickMenu.push_back(make.Command(IDS_MENU_CUSTOMIZE, kCmdCustomizeQuick, kNoImage));

    TrayMenuItem soundOn = make.Command(IDS_TRAY_SOUND_ENABLE, kCmdSoundOn, kImageSoundOn);
    soundOn.enabled = !state.soundOn;
    TrayMenuItem soundOff = make.Command(IDS_TRAY_SOUND_DISABLE, kCmdSoundOff, kImageSoundOff);
    soundOff.enabled = state.soundOn;

    TrayMenuItem restore = make.Command(IDS_TRAY_RESTORE, kCmdRestore, kImageRestore);
    restore.isDefault = true;
    TrayMenuItem enable = make.Command(IDS_TRAY_ENABLE_REMINDERS, kCmdToggleReminders, kNoImage);
    enable.checkable = true;
    enable.checked = state.remindersEnabled;

    return {
        restore,
        make.Submenu(IDS_TRAY_NEW, kNoImage, std::move(newMenu)),
        make.Submenu(IDS_TRAY_QUICK_REMINDERS, kNoImage, std::move(quickMenu)),
        MenuMaker::Separator(),
        make.Command(IDS_TRAY_STOPWATCH, kCmdStopwatch, kImageStopwatch),
        make.Command(IDS_TRAY_COUNTDOWN, kCmdCountdown, kImageCountdown),
        MenuMaker::Separator(),
        make.Submenu(IDS_TRAY_REMINDER_SOUND, state.soundOn ? kImageSoundOn : kImageSoundOff,
                     {soundOn, soundOff}),
        enable,
        make.Command(IDS_TRAY_PREFERENCES, kCmdPreferences, kImagePreferences),
        MenuMaker::Separator(),
        make.Submenu(IDS_TRAY_HELP, kImageHelp,
                     {make.Command(IDS_TRAY_HELP_TOPICS, kCmdHelpTopics, kImageHelp),
                      MenuMaker::Separator(), make.Command(IDS_TRAY_WEB, kCmdWebPage, kImageWeb),
                      MenuMaker::Separator(),
                      make.Command(IDS_TRAY_ABOUT, kCmdAbout, kImageAbout)}),
        MenuMaker::Separator(),
        make.Command(IDS_TRAY_EXIT, kCmdExit, kImageExit),
    };
}

} // namespace zm
