#include "model/event_record.h"
#include "sound/sound_description.h"
#include "sound/sound_setting.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

using std::chrono::milliseconds;
using std::chrono::minutes;
using std::chrono::seconds;

TEST(SoundDescription, NamesTheSoundAndItsRepeatPause) {
    const struct {
        uint32_t sound;
        uint32_t pause;
        const char* file;
        const char* text;
    } cases[] = {
        {0, 0x10000, "", "No sound"},
        {0x10000, 0x10000, "", "No sound"},
        {1, 0x10000, "", "Default Beep"},
        {0x10001, 0x10005, "", "Default Beep ( Repeat sound with delay of 1:05 )"},
        {2, 0x10000, "/home/ann/Sounds/ring.wav", "ring.wav"},
        {0x10002, 30, "C:\\Sounds\\gong.WAV", "gong.WAV ( Repeat sound with delay of 0:30 )"},
        {0x10001, 0xFFFF00FF, "", "Default Beep ( Repeat sound with delay of 99:59 )"},
        {7, 0x10000, "x.wav", "No sound"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SoundDescription(c.sound, c.pause, c.file), c.text) << c.text;
}

TEST(SoundSetting, ReminderPlaysTheEventsOwnSoundOrItsTypesWhileSoundIsOn) {
    const SoundSetting type{0x10002, 0x00000014, "/s/type.wav"}; // file, repeat, 0:20
    EventRecord own;
    own.SetFlag(kCustomSound, true);
    own.sound = 0x10001;
    own.soundPause = 0x00020003;
    EventRecord ownWithoutPause = own;
    own.SetFlag(kHasSoundPause, true);
    EventRecord once = own;
    once.sound = 1;
    EventRecord silent = own;
    silent.sound = 0;
    EventRecord fileWithoutName = own;
    fileWithoutName.sound = 2;
    EventRecord typed;

    const struct {
        const char* name;
        const EventRecord& event;
        bool soundOn;
        std::optional<SoundRequest> request;
    } cases[] = {
        {"own sound and pause", own, true, SoundRequest{"", minutes(2) + seconds(3)}},
        {"own sound, one-minute pause", ownWithoutPause, true, SoundRequest{"", minutes(1)}},
        {"once", once, true, SoundRequest{"", milliseconds(0)}},
        {"no sound", silent, true, std::nullopt},
        {"file without a name beeps", fileWithoutName, true, SoundRequest{"", milliseconds(0)}},
        {"type's sound", typed, true, SoundRequest{"/s/type.wav", seconds(20)}},
        {"reminder sound off", own, false, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReminderSoundRequest(c.event, type, c.soundOn), c.request);
    }
}

TEST(SoundSetting, PauseDelayCapsItsPartsAndNeverRepeatsWithoutABreak) {
    EXPECT_EQ(PauseDelay(0x00010005), seconds(65));
    EXPECT_EQ(PauseDelay(0), seconds(1));
    // 65535 minutes would overflow a 32-bit count of milliseconds; 99:59 is the longest pause.
    EXPECT_EQ(PauseDelay(0xFFFFFFFF), minutes(99) + seconds(59));
}

} // namespace
} // namespace zm
