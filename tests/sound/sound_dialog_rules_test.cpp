#include "model/event_record.h"
#include "platform/memory_settings.h"
#include "platform/setting_table.h"
#include "res/strings.h"
#include "sound/recent_sound_files.h"
#include "sound/sound_choice.h"
#include "sound/sound_file_filter.h"
#include "sound/sound_player.h"

#include <gtest/gtest.h>
#include <set>

namespace zm {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

std::string Entry(int n) {
    return "RecentSounds/File" + std::to_string(n);
}

TEST(RecentSoundFiles, KeepsFifteenExistingFilesOldestFirst) {
    std::set<std::string> existing;
    for (int i = 1; i <= 20; ++i)
        existing.insert("/s/" + std::to_string(i) + ".wav");
    RecentSoundFiles recent([&](const std::string& p) { return existing.count(p) > 0; });

    MemorySettings settings;
    settings.values = {{Entry(1), "/s/1.wav"},
                       {Entry(2), "/s/gone.wav"},
                       {Entry(3), "/s/3.wav"},
                       {Entry(4), ""},
                       {Entry(5), "/s/5.wav"}};
    recent.Load(settings);
    EXPECT_EQ(recent.Files(), (std::vector<std::string>{"/s/1.wav", "/s/3.wav"}));
    EXPECT_FALSE(recent.Selected());

    EXPECT_FALSE(recent.Add("/s/missing.wav"));
    EXPECT_TRUE(recent.Add("/s/1.wav")); // listed: only selected
    EXPECT_EQ(recent.Files().size(), 2u);
    EXPECT_EQ(recent.SelectedFile(), "/s/1.wav");

    for (int i = 4; i <= 17; ++i)
        recent.Add("/s/" + std::to_string(i) + ".wav");
    ASSERT_EQ(recent.Files().size(), kMaxRecentSoundFiles);
    EXPECT_EQ(recent.Files().front(), "/s/3.wav"); // the 16th file dropped the oldest
    EXPECT_EQ(recent.SelectedFile(), "/s/17.wav");

    recent.Save(settings);
    EXPECT_EQ(settings.values[Entry(1)], "/s/3.wav");
    EXPECT_EQ(settings.values[Entry(15)], "/s/17.wav");
    recent = RecentSoundFiles([&](const std::string& p) { return existing.count(p) > 0; });
    recent.Add("/s/2.wav");
    recent.Save(settings);
    EXPECT_EQ(settings.values[Entry(1)], "/s/2.wav");
    EXPECT_EQ(settings.values[Entry(2)], "");
}

TEST(SoundChoice, ShowsStoredWordsAndStoresAPauseOfAtLeastOneSecond) {
    EXPECT_EQ(ChoiceOf(0x10009, 0x00050007), (SoundChoice{SoundKind::None, true, 5, 7}));
    EXPECT_FALSE(WithKind({SoundKind::Beep, true, 1, 0}, SoundKind::None).repeat);
    EXPECT_TRUE(WithKind({SoundKind::Beep, true, 1, 0}, SoundKind::File).repeat);

    const SoundChoice zero{SoundKind::Beep, true, 0, 0};
    EXPECT_EQ(SoundWordOf(zero), 0x10001u);
    EXPECT_EQ(StoredPauseOf(zero), 1u);
    EXPECT_EQ(PreviewDelayOf(zero), seconds(1));
    EXPECT_EQ(PreviewDelayOf({SoundKind::Beep, false, 2, 0}), milliseconds(0));
    EXPECT_TRUE(NeedsFile({SoundKind::File, false, 0, 0}, ""));
    EXPECT_FALSE(NeedsFile({SoundKind::Beep, false, 0, 0}, ""));

    EventRecord event;
    ApplyReminderSound(event, true, {SoundKind::File, true, 1, 5}, "/s/a.wav");
    EXPECT_TRUE(event.Has(kCustomSound) && event.Has(kHasSoundPause));
    EXPECT_EQ(event.sound, 0x10002u);
    EXPECT_EQ(event.soundPause, 0x10005u);
    EXPECT_EQ(event.soundFile, "/s/a.wav");
    ApplyReminderSound(event, false, {SoundKind::File, true, 1, 5}, "/s/a.wav");
    EXPECT_FALSE(event.Has(kCustomSound) || event.Has(kHasSoundPause));
    EXPECT_EQ(event.soundFile, "");
}

TEST(FileDialogFilters, TurnsBarSeparatedFiltersIntoNamedPatternLists) {
    EXPECT_EQ(FileDialogFilters("All supported types|*.wav;*.mid;*.rmi|Microsoft Waveform Audio "
                                "Files (*.wav)|*.wav|MIDI Files (*.mid;*.rmi)|*.mid;*.rmi|All "
                                "Files (*.*)|*.*||"),
              (std::vector<std::string>{"All supported types (*.wav *.mid *.rmi)",
                                        "Microsoft Waveform Audio Files (*.wav)",
                                        "MIDI Files (*.mid *.rmi)", "All Files (*)"}));
}

TEST(FileDialogFilters, TheSupportedTypesAreWhatThePlayerPlays) {
    const std::vector<std::string> filters = FileDialogFilters(LoadString(IDS_SOUND_FILE_FILTER));
    ASSERT_FALSE(filters.empty());
    const std::string& supported = filters.front();
    for (const char* extension : {"wav", "oga", "ogg", "mid", "rmi"}) {
        EXPECT_NE(supported.find(std::string("*.") + extension), std::string::npos) << extension;
        EXPECT_NE(SoundFileKindOf(std::string("sound.") + extension), SoundFileKind::Unsupported)
            << extension;
    }
}

} // namespace
} // namespace zm
