#include "adapters/linux/fluid_midi.h"

#include "adapters/linux/sound_font_path.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fluidsynth.h>
#include <mutex>
#include <string>
#include <thread>

namespace zm {
namespace {

// How long the last notes may ring on after the music has ended.
constexpr std::chrono::milliseconds kReleaseTail(400);

void SilenceFluidSynthLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, nullptr, nullptr);
    });
}

// FluidSynth objects of one playback, deleted in the order FluidSynth asks for.
struct FluidParts {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    ~FluidParts() {
        if (driver) delete_fluid_audio_driver(driver);
        if (player) delete_fluid_player(player);
        if (synth) delete_fluid_synth(synth);
        if (settings) delete_fluid_settings(settings);
    }
};

} // namespace

struct FluidMidi::Playback {
    uint64_t id = 0;
    std::vector<uint8_t> midi;
    Ended ended;
    std::thread thread;
    std::atomic<bool> finished{false};

    std::mutex mutex;
    std::condition_variable wake;
    bool stopped = false;              // guarded by mutex
    fluid_player_t* playing = nullptr; // guarded by mutex

    void Run() {
        const MidiOutcome outcome = PlayThrough();
        bool wasStopped;
        {
            std::lock_guard lock(mutex);
            wasStopped = stopped;
        }
        if (!wasStopped && ended) ended(outcome);
        finished = true;
    }

    MidiOutcome PlayThrough() {
        FluidParts parts;
        parts.settings = new_fluid_settings();
        if (!parts.settings) return MidiOutcome::Failed;
        fluid_settings_setint(parts.settings, "synth.dynamic-sample-loading", 1);
        fluid_settings_setnum(parts.settings, "synth.gain", 0.6);
        parts.synth = new_fluid_synth(parts.settings);
        if (!parts.synth) return MidiOutcome::Failed;
        const std::string font = FindSoundFont();
        if (font.empty() || fluid_synth_sfload(parts.synth, font.c_str(), 1) == FLUID_FAILED)
            return MidiOutcome::Failed;
        parts.player = new_fluid_player(parts.synth);
        if (!parts.player ||
            fluid_player_add_mem(parts.player, midi.data(), midi.size()) != FLUID_OK)
            return MidiOutcome::Failed;
        for (const char* driver : {"pulseaudio", "alsa"}) {
            fluid_settings_setstr(parts.settings, "audio.driver", driver);
            parts.driver = new_fluid_audio_driver(parts.settings, parts.synth);
            if (parts.driver) break;
        }
        if (!parts.driver) return MidiOutcome::Failed;
        {
            std::lock_guard lock(mutex);
            if (stopped) return MidiOutcome::Failed;
            playing = parts.player;
            if (fluid_player_play(parts.player) != FLUID_OK) return MidiOutcome::Failed;
        }
        fluid_player_join(parts.player);
        std::unique_lock lock(mutex);
        playing = nullptr;
        wake.wait_for(lock, kReleaseTail, [this] { return stopped; });
        return MidiOutcome::Finished;
    }

    void Stop() {
        std::lock_guard lock(mutex);
        stopped = true;
        if (playing) fluid_player_stop(playing);
        wake.notify_all();
    }
};

FluidMidi::FluidMidi() {
    SilenceFluidSynthLog();
}

FluidMidi::~FluidMidi() {
    for (auto& playback : playbacks_)
        playback->Stop();
    for (auto& playback : playbacks_)
        if (playback->thread.joinable()) playback->thread.join();
}

void FluidMidi::Play(uint64_t playId, std::vector<uint8_t> midi, Ended ended) {
    ReapFinished();
    auto playback = std::make_shared<Playback>();
    playback->id = playId;
    playback->midi = std::move(midi);
    playback->ended = std::move(ended);
    Playback* raw = playback.get();
    playback->thread = std::thread([raw] { raw->Run(); });
    playbacks_.push_back(std::move(playback));
}

void FluidMidi::Stop(uint64_t playId) {
    for (auto& playback : playbacks_)
        if (playback->id == playId) playback->Stop();
    ReapFinished();
}

void FluidMidi::ReapFinished() {
    for (auto it = playbacks_.begin(); it != playbacks_.end();) {
        if ((*it)->finished) {
            (*it)->thread.join();
            it = playbacks_.erase(it);
        } else {
            ++it;
        }
    }
}

} // namespace zm
