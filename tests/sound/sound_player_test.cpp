#include "sound/sound_player.h"
#include "sound_test_files.h"
#include "support/recording_sound_backend.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <memory>

namespace zm {
namespace {

using testing::ManualSoundTimer;
using testing::RecordingSoundBackend;
using testing::WaveBytes;
using testing::WaveShape;
using Kind = testing::SoundCall::Kind;
using std::chrono::milliseconds;
using std::chrono::minutes;
using std::chrono::seconds;

class SoundPlayerTest : public ::testing::Test {
protected:
    SoundPlayerTest() { MakePlayer(); }

    void MakePlayer() {
        player.reset();
        backend.calls.clear();
        backend.now = {};
        auto timer = std::make_unique<ManualSoundTimer>(backend.now);
        timer_ = timer.get();
        player = std::make_unique<SoundPlayer>(backend, std::move(timer));
    }

    std::string File(const std::string& name, const std::vector<uint8_t>& bytes) {
        const std::string path = folder.file(name);
        testing::WriteFile(path, bytes);
        return path;
    }
    // A good wave file of the given length (16000 bytes a second).
    std::string Wave(const std::string& name, milliseconds length) {
        const auto bytes = static_cast<uint32_t>(length.count() * 16);
        return File(name, WaveBytes({.DeclaredData = bytes, .ActualData = bytes}));
    }
    void RunUntil(milliseconds t) { timer_->RunUntil(t); }

    testing::TempFolder folder;
    RecordingSoundBackend backend;
    ManualSoundTimer* timer_;
    std::unique_ptr<SoundPlayer> player;
};

struct RepeatCase {
    const char* name;
    enum { Beep, Wave, MissingFile, DamagedWave } source;
    milliseconds waveLength;
    milliseconds delay;
    milliseconds runFor;
    Kind expectedKind;
    std::vector<milliseconds> expectedTimes;
};

TEST_F(SoundPlayerTest, RepeatsThePauseAfterTheEndOfEachPlaying) {
    const RepeatCase cases[] = {
        {"3 s wave, 1:00 pause",
         RepeatCase::Wave,
         seconds(3),
         minutes(1),
         seconds(130),
         Kind::WaveFile,
         {seconds(0), seconds(63), seconds(126)}},
        {"wave once",
         RepeatCase::Wave,
         seconds(3),
         milliseconds(0),
         minutes(5),
         Kind::WaveFile,
         {seconds(0)}},
        {"beep, 0:20 pause",
         RepeatCase::Beep,
         {},
         seconds(20),
         seconds(60),
         Kind::Beep,
         {seconds(0), seconds(20), seconds(40), seconds(60)}},
        {"beep once", RepeatCase::Beep, {}, milliseconds(0), minutes(5), Kind::Beep, {seconds(0)}},
        {"deleted file beeps",
         RepeatCase::MissingFile,
         {},
         seconds(20),
         seconds(45),
         Kind::Beep,
         {seconds(0), seconds(20), seconds(40)}},
        {"damaged wave header beeps",
         RepeatCase::DamagedWave,
         {},
         seconds(20),
         seconds(45),
         Kind::Beep,
         {seconds(0), seconds(20), seconds(40)}},
    };
    for (const RepeatCase& c : cases) {
        SCOPED_TRACE(c.name);
        MakePlayer();
        std::string file;
        if (c.source == RepeatCase::Wave) file = Wave("a.wav", c.waveLength);
        if (c.source == RepeatCase::MissingFile) file = folder.file("gone.wav");
        if (c.source == RepeatCase::DamagedWave)
            file = File("bad.wav", WaveBytes({.BytesPerSecond = 0}));
        player->Play(file, c.delay);
        RunUntil(c.runFor);
        EXPECT_EQ(backend.TimesOf(c.expectedKind), c.expectedTimes);
        EXPECT_TRUE(backend.TimesOf(Kind::WaveFile).empty() || c.expectedKind == Kind::WaveFile);
    }
}

TEST_F(SoundPlayerTest, ChoosesTheWayToPlayByTheExtension) {
    const struct {
        const char* name;
        SoundMode mode;
    } cases[] = {
        {"tune.MID", SoundMode::Midi},    {"tune.rmi", SoundMode::Midi},
        {"ring.WaV", SoundMode::Wave},    {"song.mp3", SoundMode::Idle},
        {"noextension", SoundMode::Idle},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = c.mode == SoundMode::Wave ? Wave(c.name, seconds(1))
                                                           : File(c.name, testing::TinyMidi());
        backend.calls.clear();
        player->Play(path, seconds(5));
        EXPECT_EQ(player->Mode(), c.mode);
        if (c.mode == SoundMode::Idle) {
            EXPECT_TRUE(backend.calls.empty());
        }
        player->Stop();
    }
    player->Play(folder.path(), seconds(5)); // a folder is no file: the beep
    EXPECT_EQ(player->Mode(), SoundMode::Beep);
}

TEST_F(SoundPlayerTest, MidiRepeatsTheDelayAfterItHasPlayedThrough) {
    player->Play(File("tune.mid", testing::TinyMidi()), seconds(30));
    backend.now = seconds(4);
    ASSERT_TRUE(backend.EndMidi(MidiOutcome::Finished));
    RunUntil(seconds(40));
    ASSERT_TRUE(backend.EndMidi(MidiOutcome::Finished));
    RunUntil(seconds(80));
    EXPECT_EQ(backend.TimesOf(Kind::MidiFile),
              (std::vector<milliseconds>{seconds(0), seconds(34), seconds(70)}));

    // A playback that failed is not repeated.
    ASSERT_TRUE(backend.EndMidi(MidiOutcome::Failed));
    RunUntil(minutes(10));
    EXPECT_EQ(backend.TimesOf(Kind::MidiFile).size(), 3u);
}

TEST_F(SoundPlayerTest, StopEndsPlayingAndEveryRepetitionToCome) {
    player->Play(Wave("a.wav", seconds(3)), seconds(10));
    RunUntil(seconds(5));
    player->Stop();
    RunUntil(minutes(5));
    EXPECT_EQ(backend.TimesOf(Kind::WaveFile).size(), 1u);
    EXPECT_EQ(backend.TimesOf(Kind::Stop).size(), 1u);
    EXPECT_EQ(player->Mode(), SoundMode::Idle);
    EXPECT_TRUE(player->File().empty());

    // A MIDI end that arrives after Stop starts nothing.
    player->Play(File("tune.mid", testing::TinyMidi()), seconds(10));
    player->Stop();
    EXPECT_FALSE(backend.EndMidi(MidiOutcome::Finished));
    backend.EndStoppedMidi(MidiOutcome::Finished);
    EXPECT_FALSE(timer_->Running());

    // A MIDI file that cannot start leaves the player idle.
    backend.midiStarts = false;
    player->Play(File("tune2.mid", testing::TinyMidi()), seconds(10));
    EXPECT_EQ(player->Mode(), SoundMode::Idle);

    // Closing the player closes its channel.
    const SoundChannel channel = backend.calls.front().Channel;
    player.reset();
    EXPECT_EQ(backend.calls.back().What, Kind::Close);
    EXPECT_EQ(backend.calls.back().Channel, channel);
}

} // namespace
} // namespace zm
