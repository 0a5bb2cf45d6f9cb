#include "sound/sound_player.h"
#include "sound_test_files.h"
#include "support/recording_sound_backend.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <memory>

namespace zm {
namespace {

using testing::WaveBytes;
using Kind = testing::SoundCall::Kind;
using std::chrono::milliseconds;
using std::chrono::seconds;

class SoundPlayerTest : public ::testing::Test {
protected:
    SoundPlayerTest() { MakePlayer(); }

    void MakePlayer() {
        player.reset();
        backend.calls.clear();
        backend.now = {};
        auto timer = std::make_unique<testing::ManualSoundTimer>(backend.now);
        timer_ = timer.get();
        player = std::make_unique<SoundPlayer>(backend, std::move(timer));
    }
    std::string File(const std::string& name, const std::vector<uint8_t>& bytes) {
        testing::WriteFile(folder.file(name), bytes);
        return folder.file(name);
    }
    std::vector<milliseconds> Seconds(std::initializer_list<int> list) {
        std::vector<milliseconds> times;
        for (int s : list)
            times.push_back(seconds(s));
        return times;
    }
    void RunUntil(milliseconds t) { timer_->RunUntil(t); }

    testing::TempFolder folder;
    testing::RecordingSoundBackend backend;
    testing::ManualSoundTimer* timer_;
    std::unique_ptr<SoundPlayer> player;
};

TEST_F(SoundPlayerTest, RepeatsThePauseAfterTheEndOfEachPlaying) {
    enum Source { kBeep, kWave3s, kMissing, kDamaged };
    const struct {
        const char* name;
        Source source;
        int pause; // seconds
        int runFor;
        Kind kind;
        std::initializer_list<int> times;
    } cases[] = {
        {"3 s wave, 1:00 pause", kWave3s, 60, 130, Kind::WaveFile, {0, 63, 126}},
        {"wave once", kWave3s, 0, 300, Kind::WaveFile, {0}},
        {"beep, 0:20 pause", kBeep, 20, 60, Kind::Beep, {0, 20, 40, 60}},
        {"beep once", kBeep, 0, 300, Kind::Beep, {0}},
        {"deleted file beeps", kMissing, 20, 45, Kind::Beep, {0, 20, 40}},
        {"damaged wave header beeps", kDamaged, 20, 45, Kind::Beep, {0, 20, 40}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MakePlayer();
        const std::string file[] = {
            "", File("a.wav", WaveBytes({.DeclaredData = 48000, .ActualData = 48000})),
            folder.file("gone.wav"), File("bad.wav", WaveBytes({.BytesPerSecond = 0}))};
        player->Play(file[c.source], seconds(c.pause));
        RunUntil(seconds(c.runFor));
        EXPECT_EQ(backend.TimesOf(c.kind), Seconds(c.times));
        if (c.kind == Kind::Beep) {
            EXPECT_TRUE(backend.TimesOf(Kind::WaveFile).empty());
        }
    }
}

TEST_F(SoundPlayerTest, ChoosesTheWayToPlayByTheExtension) {
    for (const auto& [name, kind] : {std::pair{"a.MID", SoundFileKind::Midi},
                                     {"a.rmi", SoundFileKind::Midi},
                                     {"a.WaV", SoundFileKind::Wave},
                                     {"a.mp3", SoundFileKind::Unsupported},
                                     {"sounds.wav/noextension", SoundFileKind::Unsupported}})
        EXPECT_EQ(SoundFileKindOf(name), kind) << name;

    player->Play(File("song.mp3", {1, 2, 3}), seconds(5)); // an MP3 file plays nothing
    EXPECT_EQ(player->Mode(), SoundMode::Idle);
    EXPECT_TRUE(backend.calls.empty());
    player->Play(folder.path(), seconds(5)); // a folder is no file: the beep
    EXPECT_EQ(player->Mode(), SoundMode::Beep);
}

TEST_F(SoundPlayerTest, MidiRepeatsTheDelayAfterItHasPlayedThrough) {
    player->Play(File("tune.MID", testing::TinyMidi()), seconds(30));
    EXPECT_EQ(player->Mode(), SoundMode::Midi);
    backend.now = seconds(4);
    ASSERT_TRUE(backend.EndMidi(MidiOutcome::Finished));
    RunUntil(seconds(40));
    ASSERT_TRUE(backend.EndMidi(MidiOutcome::Finished));
    RunUntil(seconds(80));
    EXPECT_EQ(backend.TimesOf(Kind::MidiFile), Seconds({0, 34, 70}));

    ASSERT_TRUE(backend.EndMidi(MidiOutcome::Failed)); // a failed playback is not repeated
    RunUntil(seconds(600));
    EXPECT_EQ(backend.TimesOf(Kind::MidiFile).size(), 3u);
}

TEST_F(SoundPlayerTest, StopEndsPlayingAndEveryRepetitionToCome) {
    player->Play(File("a.wav", WaveBytes({})), seconds(10));
    RunUntil(seconds(5));
    player->Stop();
    RunUntil(seconds(300));
    EXPECT_EQ(backend.TimesOf(Kind::WaveFile).size(), 1u);
    EXPECT_EQ(backend.TimesOf(Kind::Stop).size(), 1u);
    EXPECT_EQ(player->Mode(), SoundMode::Idle);

    // A MIDI end that arrives after Stop starts nothing.
    player->Play(File("tune.mid", testing::TinyMidi()), seconds(10));
    player->Stop();
    EXPECT_FALSE(backend.EndMidi(MidiOutcome::Finished));
    backend.EndStoppedMidi(MidiOutcome::Finished);
    EXPECT_FALSE(timer_->Running());

    backend.midiStarts = false; // a MIDI file that cannot start leaves the player idle
    player->Play(folder.file("tune.mid"), seconds(10));
    EXPECT_EQ(player->Mode(), SoundMode::Idle);

    const SoundChannel channel = backend.calls.front().Channel;
    player.reset(); // closing the player closes its channel
    EXPECT_EQ(backend.calls.back().What, Kind::Close);
    EXPECT_EQ(backend.calls.back().Channel, channel);
}

} // namespace
} // namespace zm
