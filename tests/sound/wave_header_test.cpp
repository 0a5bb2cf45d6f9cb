#include "sound/embedded_waves.h"
#include "sound/midi_data.h"
#include "sound/ogg_timing.h"
#include "sound/wave_header.h"
#include "sound_test_files.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

using std::chrono::milliseconds;
using testing::WaveBytes;
using testing::WaveShape;

TEST(WaveHeader, GivesThePlayingTimeOfGoodHeadersOnly) {
    const struct {
        const char* name;
        WaveShape shape;
        std::optional<milliseconds> time;
    } cases[] = {
        {"3 s", {.declaredData = 48000, .actualData = 48000}, milliseconds(3000)},
        {"classic 14-byte format", {.formatBytes = 14}, milliseconds(1000)},
        {"odd chunk before the data", {.listChunk = true}, milliseconds(1000)},
        {"data size beyond the file",
         {.declaredData = 0x7FFFFFFF, .actualData = 8000},
         milliseconds(500)},
        {"RIFF size of a stream", {.riffSize = 0xFFFFFFFF}, milliseconds(1000)},
        {"empty data", {.declaredData = 0, .actualData = 0}, milliseconds(0)},
        {"byte rate 0", {.bytesPerSecond = 0}, std::nullopt},
        {"format chunk too short", {.formatBytes = 12}, std::nullopt},
        {"format chunk cut by the end of the file",
         {.dataChunk = false, .cutFileTo = 30},
         std::nullopt},
        {"no data chunk", {.dataChunk = false}, std::nullopt},
        {"header cut short", {.cutFileTo = 10}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto timing = ReadWaveTiming(WaveBytes(c.shape));
        ASSERT_EQ(timing.has_value(), c.time.has_value());
        if (timing) {
            EXPECT_EQ(timing->playingTime, *c.time);
        }
    }
    auto notWave = WaveBytes({});
    notWave[8] = 'X';
    EXPECT_FALSE(ReadWaveTiming(notWave));
    EXPECT_FALSE(ReadWaveFileTiming("/nonexistent/zantimore/sound.wav"));
}

TEST(OggTiming, GivesThePlayingTimeOfVorbisAndOpusStreams) {
    using testing::OggCodec;
    using testing::OggShape;
    const struct {
        const char* name;
        OggShape shape;
        std::optional<milliseconds> time;
    } cases[] = {
        {"Vorbis 2 s", {}, milliseconds(2000)},
        {"Vorbis 48 kHz", {.rate = 48000, .samples = 36000}, milliseconds(750)},
        {"Opus less its pre-skip",
         {.codec = OggCodec::Opus, .preSkip = 312, .samples = 3 * 48000 + 312},
         milliseconds(3000)},
        {"cut last page: the page before", {.cutLastPage = true}, milliseconds(1000)},
        {"another stream after it", {.otherStreamLast = true}, milliseconds(2000)},
        {"FLAC in Ogg", {.codec = OggCodec::Flac}, std::nullopt},
        {"Vorbis without a rate", {.rate = 0}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadOggPlayingTime(testing::OggBytes(c.shape)), c.time) << c.name;
    const std::vector<uint8_t> wave = WaveBytes({});
    EXPECT_EQ(ReadOggPlayingTime(wave), std::nullopt);
    EXPECT_EQ(ReadOggPlayingTime({}), std::nullopt);
}

TEST(WaveHeader, OwnSoundsAreShortGoodWaves) {
    for (EmbeddedWave wave :
         {EmbeddedWave::HourChime, EmbeddedWave::HalfHourChime, EmbeddedWave::DefaultBeep}) {
        const auto timing = ReadWaveTiming(EmbeddedWaveData(wave));
        ASSERT_TRUE(timing);
        EXPECT_GT(timing->playingTime, milliseconds(100));
        EXPECT_LT(timing->playingTime, milliseconds(1000));
    }
}

TEST(MidiData, FindsTheStandardMidiFileInsideRmiFiles) {
    const std::vector<uint8_t> smf = testing::TinyMidi();
    EXPECT_EQ(StandardMidiOf(smf).size(), smf.size());

    std::vector<uint8_t> rmi = {
        'R', 'I', 'F', 'F', 0,   0,   0,   0,   'R',
        'M', 'I', 'D', 'L', 'I', 'S', 'T', 1,   0,
        0,   0,   'x', 0,   'd', 'a', 't', 'a', static_cast<uint8_t>(smf.size()),
        0,   0,   0};
    rmi.insert(rmi.end(), smf.begin(), smf.end());
    const auto inner = StandardMidiOf(rmi);
    EXPECT_EQ(std::vector<uint8_t>(inner.begin(), inner.end()), smf);

    rmi[rmi.size() - smf.size()] = 'X'; // the data chunk holds no MIDI file
    EXPECT_TRUE(StandardMidiOf(rmi).empty());
    EXPECT_TRUE(StandardMidiOf(WaveBytes({})).empty());
}

} // namespace
} // namespace zm
