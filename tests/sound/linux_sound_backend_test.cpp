// The real backend on this machine: it must come back at once and stay quiet whether or not
// there is a sound device, and FluidSynth with the installed sound font must make sound.
#include "adapters/linux/linux_sound_backend.h"
#include "adapters/linux/sound_font_path.h"
#include "sound/embedded_waves.h"
#include "sound_test_files.h"
#include "support/temp_folder.h"

#include <chrono>
#include <cstdlib>
#include <deque>
#include <fluidsynth.h>
#include <gtest/gtest.h>
#include <mutex>
#include <optional>
#include <thread>

namespace zm {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// The owner thread's task queue, as the program's event loop would hold it.
class TaskQueue {
public:
    PostToOwnerThread Poster() {
        return [this](std::function<void()> task) {
            std::lock_guard lock(mutex_);
            tasks_.push_back(std::move(task));
        };
    }
    // Runs the tasks that arrive until `stop` holds or the time is up.
    void RunUntil(const std::function<bool()>& stop, milliseconds limit) {
        for (const auto end = Clock::now() + limit; !stop() && Clock::now() < end;) {
            std::function<void()> task;
            {
                std::lock_guard lock(mutex_);
                if (!tasks_.empty()) task = std::move(tasks_.front());
                if (!tasks_.empty()) tasks_.pop_front();
            }
            if (task)
                task();
            else
                std::this_thread::sleep_for(milliseconds(10));
        }
    }

private:
    std::mutex mutex_;
    std::deque<std::function<void()>> tasks_;
};

template <typename F> milliseconds TimeOf(F&& f) {
    const auto start = Clock::now();
    f();
    return std::chrono::duration_cast<milliseconds>(Clock::now() - start);
}

TEST(LinuxSoundBackend, ReturnsAtOnceAndReportsTheEndOfMidiOnTheOwnerThread) {
    testing::TempFolder folder;
    const std::string wave = folder.File("a.wav");
    const std::string midi = folder.File("a.mid");
    testing::WriteFile(wave, testing::WaveBytes({}));
    testing::WriteFile(midi, testing::TinyMidi());

    TaskQueue queue;
    std::optional<MidiOutcome> outcome;
    bool stoppedReported = false;
    {
        LinuxSoundBackend backend(queue.Poster());
        const SoundChannel channel = backend.OpenChannel();
        const SoundChannel other = backend.OpenChannel();
        EXPECT_NE(channel, other);
        const milliseconds calls = TimeOf([&] {
            backend.PlaySystemSound(SystemSound::DefaultBeep);
            backend.PlaySystemSound(SystemSound::Exclamation);
            backend.PlayWaveFile(channel, wave);
            backend.PlayWaveData(channel, "hour-chime", EmbeddedWaveData(EmbeddedWave::HourChime));
            backend.StopChannel(channel);
            EXPECT_TRUE(
                backend.PlayMidiFile(other, midi, [&](MidiOutcome) { stoppedReported = true; }));
            backend.StopChannel(other);
            EXPECT_TRUE(backend.PlayMidiFile(channel, midi, [&](MidiOutcome o) { outcome = o; }));
        });
        EXPECT_LT(calls, milliseconds(500));
        EXPECT_FALSE(backend.PlayMidiFile(channel, wave, [](MidiOutcome) {}));
        EXPECT_FALSE(backend.PlayMidiFile(channel, folder.File("none.mid"), [](MidiOutcome) {}));

        // A second playback on the channel replaced the first; wait for the one that is left.
        EXPECT_TRUE(backend.PlayMidiFile(channel, midi, [&](MidiOutcome o) { outcome = o; }));
        queue.RunUntil([&] { return outcome.has_value(); }, milliseconds(10000));
        ASSERT_TRUE(outcome.has_value()) << "no end of the MIDI playback came";
        // Without a sound device the playback fails; with one it plays through.
        std::printf("Eight backend calls took %lld ms; the MIDI playback %s\n",
                    static_cast<long long>(calls.count()),
                    *outcome == MidiOutcome::Finished ? "finished" : "failed");
        EXPECT_LT(TimeOf([&] { backend.CloseChannel(channel); }), milliseconds(100));
    }
    queue.RunUntil([] { return false; }, milliseconds(100));
    EXPECT_FALSE(stoppedReported);
}

TEST(LinuxSoundBackend, FluidSynthRendersMidiWithTheInstalledSoundFont) {
    const std::string font = FindSoundFont();
    if (font.empty()) GTEST_SKIP() << "no General MIDI sound font installed";
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    fluid_settings_setnum(settings, "synth.gain", 0.6); // as the backend plays
    fluid_synth_t* synth = new_fluid_synth(settings);
    ASSERT_NE(fluid_synth_sfload(synth, font.c_str(), 1), FLUID_FAILED) << font;
    fluid_player_t* player = new_fluid_player(synth);
    const std::vector<uint8_t> tune = testing::TinyMidi();
    ASSERT_EQ(fluid_player_add_mem(player, tune.data(), tune.size()), FLUID_OK);
    fluid_player_play(player);

    // Render up to two seconds at 44.1 kHz without any sound device.
    std::vector<int16_t> left(1024), right(1024);
    int peak = 0;
    for (int block = 0; block < 86 && fluid_player_get_status(player) == FLUID_PLAYER_PLAYING;
         ++block) {
        fluid_synth_write_s16(synth, 1024, left.data(), 0, 1, right.data(), 0, 1);
        for (int16_t s : left)
            peak = std::max(peak, std::abs(int{s}));
    }
    std::printf("FluidSynth with %s: peak sample %d of 32767\n", font.c_str(), peak);
    EXPECT_GT(peak, 1000) << "the synthesizer rendered silence";
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
}

} // namespace
} // namespace zm
