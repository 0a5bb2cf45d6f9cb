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
        player_.reset();
        backend_.calls.clear();
        backend_.now = {};
        auto timer = std::make_unique<testing::ManualSoundTimer>(backend_.now);
        timer_ = timer.get();
        player_ = std::make_unique<SoundPlayer>(backend_, std::move(timer));
    }
    std::string File(const std::string& name, const std::vector<uint8_t>& bytes) {
        testing::WriteFile(folder_.File(name), bytes);
        return folder_.File(name);
    }
    std::vector<milliseconds> Seconds(std::initializer_list<int> list) {
        std::vector<milliseconds> times;
        for (int s : list)
            times.push_back(seconds(s));
        return times;
    }
    void RunUntil(milliseconds t) { timer_->RunUntil(t); }

    testing::TempFolder folder_;
    testing::RecordingSoundBackend backend_;
    testing::ManualSoundTimer* timer_;
    std::unique_ptr<SoundPlayer> player_;
};

TEST_F(SoundPlayerTest, RepeatsThePauseAfterTheEndOfEachPlaying) {
    enum Source { kBeep, kWave3s, kMissing, kDamaged, kOgg2s, kBadOgg };
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
        {"2 s Ogg, 0:10 pause", kOgg2s, 10, 30, Kind::WaveFile, {0, 12, 24}},
        {"Ogg once", kOgg2s, 0, 300, Kind::WaveFile, {0}},
        {"Ogg without a playing time beeps", kBadOgg, 20, 45, Kind::Beep, {0, 20, 40}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MakePlayer();
        const std::string file[] = {
            "",
            File("a.wav", WaveBytes({.declaredData = 48000, .actualData = 48000})),
            folder_.File("gone.wav"),
            File("bad.wav", WaveBytes({.bytesPerSecond = 0})),
            File("bell.oga", testing::OggBytes({})),
            File("bad.ogg", testing::OggBytes({.codec = testing::OggCodec::Flac}))};
        player_->Play(file[c.source], seconds(c.pause));
        RunUntil(seconds(c.runFor));
        EXPECT_EQ(backend_.TimesOf(c.kind), Seconds(c.times));
        if (c.kind == Kind::Beep) {
            EXPECT_TRUE(backend_.TimesOf(Kind::WaveFile).empty());
        }
    }
}

TEST_F(SoundPlayerTest, ChoosesTheWayToPlayByTheExtension) {
    for (const auto& [name, kind] : {std::pair{"a.MID", SoundFileKind::Midi},
                                     {"a.rmi", SoundFileKind::Midi},
                                     {"a.WaV", SoundFileKind::Wave},
                                     {"bell.oga", SoundFileKind::Ogg},
                                     {"a.OGG", SoundFileKind::Ogg},
                                     {"a.mp3", SoundFileKind::Unsupported},
                                     {"sounds.wav/noextension", SoundFileKind::Unsupported}})
        EXPECT_EQ(SoundFileKindOf(name), kind) << name;

    player_->Play(File("song.mp3", {1, 2, 3}), seconds(5)); // an MP3 file plays nothing
    EXPECT_EQ(player_->Mode(), SoundMode::Idle);
    EXPECT_TRUE(backend_.calls.empty());
    player_->Play(folder_.Path(), seconds(5)); // a folder is no file: the beep
    EXPECT_EQ(player_->Mode(), SoundMode::Beep);
}

TEST_F(SoundPlayerTest, MidiRepeatsTheDelayAfterItHasPlayedThrough) {
    player_->Play(File("tune.MID", testing::TinyMidi()), seconds(30));
    EXPECT_EQ(player_->Mode(), SoundMode::Midi);
    backend_.now = seconds(4);
    ASSERT_TRUE(backend_.EndMidi(MidiOutcome::Finished));
    RunUntil(seconds(40));
    ASSERT_TRUE(backend_.EndMidi(MidiOutcome::Finished));
    RunUntil(seconds(80));
    EXPECT_EQ(backend_.TimesOf(Kind::MidiFile), Seconds({0, 34, 70}));

    ASSERT_TRUE(backend_.EndMidi(MidiOutcome::Failed)); // a failed playback is not repeated
    RunUntil(seconds(600));
    EXPECT_EQ(backend_.TimesOf(Kind::MidiFile).size(), 3u);
}

TEST_F(SoundPlayerTest, APlayingNotRepeatedEndsIdleAndTellsSo) {
    int ended = 0;
    const auto watch = [&] { player_->SetEndedNotice([&] { ++ended; }); };
    const struct {
        const char* name;
        std::string file;
        milliseconds end; // when the player is idle again
    } cases[] = {
        {"beep", "", kBeepPlayingTime},
        {"3 s wave", File("a.wav", WaveBytes({.declaredData = 48000, .actualData = 48000})),
         seconds(3)},
        {"2 s Ogg", File("bell.oga", testing::OggBytes({})), seconds(2)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MakePlayer();
        ended = 0;
        watch();
        player_->Play(c.file, seconds(0));
        RunUntil(c.end - milliseconds(1));
        EXPECT_NE(player_->Mode(), SoundMode::Idle);
        EXPECT_EQ(ended, 0);
        RunUntil(c.end);
        EXPECT_EQ(player_->Mode(), SoundMode::Idle);
        EXPECT_EQ(ended, 1);
    }

    // MIDI ends when it has played through, or failed.
    for (const MidiOutcome outcome : {MidiOutcome::Finished, MidiOutcome::Failed}) {
        ended = 0;
        player_->Play(File("tune.mid", testing::TinyMidi()), seconds(0));
        EXPECT_EQ(player_->Mode(), SoundMode::Midi);
        ASSERT_TRUE(backend_.EndMidi(outcome));
        EXPECT_EQ(player_->Mode(), SoundMode::Idle);
        EXPECT_EQ(ended, 1);
    }

    // A repeated sound plays on, and Stop tells nothing.
    ended = 0;
    player_->Play("", seconds(5));
    RunUntil(backend_.now + seconds(60));
    EXPECT_EQ(player_->Mode(), SoundMode::Beep);
    player_->Stop();
    EXPECT_EQ(ended, 0);
}

TEST_F(SoundPlayerTest, StopEndsPlayingAndEveryRepetitionToCome) {
    player_->Play(File("a.wav", WaveBytes({})), seconds(10));
    RunUntil(seconds(5));
    player_->Stop();
    RunUntil(seconds(300));
    EXPECT_EQ(backend_.TimesOf(Kind::WaveFile).size(), 1u);
    EXPECT_EQ(backend_.TimesOf(Kind::Stop).size(), 1u);
    EXPECT_EQ(player_->Mode(), SoundMode::Idle);

    // A MIDI end that arrives after Stop starts nothing.
    player_->Play(File("tune.mid", testing::TinyMidi()), seconds(10));
    player_->Stop();
    EXPECT_FALSE(backend_.EndMidi(MidiOutcome::Finished));
    backend_.EndStoppedMidi(MidiOutcome::Finished);
    EXPECT_FALSE(timer_->Running());

    backend_.midiStarts = false; // a MIDI file that cannot start leaves the player idle
    player_->Play(folder_.File("tune.mid"), seconds(10));
    EXPECT_EQ(player_->Mode(), SoundMode::Idle);

    const SoundChannel channel = backend_.calls.front().channel;
    player_.reset(); // closing the player closes its channel
    EXPECT_EQ(backend_.calls.back().what, Kind::Close);
    EXPECT_EQ(backend_.calls.back().channel, channel);
}

} // namespace
} // namespace zm
