#include "sound/sound_description.h"

#include "res/format_text.h"
#include "res/strings.h"
#include "sound/sound_setting.h"

namespace zm {

std::string_view FileNameOfPath(std::string_view path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string SoundDescription(uint32_t sound, uint32_t pause, std::string_view file) {
    std::string text;
    switch (KindOf(sound)) {
    case SoundKind::None:
        return LoadString(IDS_SOUND_NONE);
    case SoundKind::Beep:
        text = LoadString(IDS_SOUND_DEFAULT_BEEP);
        break;
    case SoundKind::File:
        text = FileNameOfPath(file);
        break;
    }
    if (RepeatsIn(sound))
        text += FormatText(IDS_SOUND_REPEAT_SUFFIX, {PauseMinutes(pause), PauseSeconds(pause)});
    return text;
}

} // namespace zm
