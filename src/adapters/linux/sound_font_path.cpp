#include "adapters/linux/sound_font_path.h"

#include <filesystem>
#include <fluidsynth.h>
#include <system_error>
#include <unistd.h>

namespace zm {

std::vector<std::string> SoundFontCandidates(const char* fluidDefault) {
    std::vector<std::string> paths;
    if (fluidDefault && *fluidDefault) paths.emplace_back(fluidDefault);
    for (const char* path : {
             "/usr/share/sounds/sf2/default-GM.sf2",
             "/usr/share/sounds/sf3/default-GM.sf3",
             "/usr/share/sounds/sf2/FluidR3_GM.sf2",
             "/usr/share/sounds/sf3/MuseScore_General.sf3",
             "/usr/share/sounds/sf2/TimGM6mb.sf2",
             "/usr/share/soundfonts/default.sf2",
             "/usr/share/soundfonts/FluidR3_GM.sf2",
             "/usr/share/soundfonts/FluidR3_GM2-2.sf2",
         })
        paths.emplace_back(path);
    return paths;
}

std::string FindSoundFont(const std::function<bool(const std::string&)>& usable) {
    fluid_settings_t* settings = new_fluid_settings();
    char* fluidDefault = nullptr;
    if (settings) fluid_settings_dupstr(settings, "synth.default-soundfont", &fluidDefault);
    std::string found;
    for (const std::string& path : SoundFontCandidates(fluidDefault))
        if (usable(path)) {
            found = path;
            break;
        }
    fluid_free(fluidDefault);
    if (settings) delete_fluid_settings(settings);
    return found;
}

std::string FindSoundFont() {
    return FindSoundFont([](const std::string& path) {
        std::error_code error;
        return std::filesystem::is_regular_file(path, error) && ::access(path.c_str(), R_OK) == 0;
    });
}

} // namespace zm
