#pragma once
// What the sound player asks of the desktop: the theme's beeps, wave files and MIDI files.
//
// Every call is made on one thread (the user-interface thread, the "owner thread") and returns
// at once; playback runs in the background. Without a sound device, a sound font or a readable
// file a sound simply does not play: nothing is reported to the user and nothing waits.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace zm {

// The desktop sounds of the program. DefaultBeep is the simple beep of reminders and of the
// countdown; Exclamation and Error go with warnings and failures. None of them is ever silent
// for lack of a theme sound: the program's own beep stands in.
enum class SystemSound : uint8_t { DefaultBeep, Exclamation, Error };

// How a MIDI playback that was not stopped ended.
enum class MidiOutcome : uint8_t {
    Finished, // played through to its end
    Failed,   // could not be played (no sound device, no sound font, a damaged file)
};

// One player's sounds. A channel is opened per player, and stopping a channel stops only the
// sounds started on it. Channel 0 is never handed out.
using SoundChannel = uint32_t;

// Runs a task on the owner thread, later. Callable from any thread. The program posts to its
// event loop; a backend is given one when it is made.
using PostToOwnerThread = std::function<void(std::function<void()>)>;

class SoundBackend {
public:
    // Called once, on the owner thread, when a MIDI playback ends by itself. Never called for a
    // playback whose channel was stopped or closed before it ended.
    using MidiDone = std::function<void(MidiOutcome)>;

    virtual ~SoundBackend() = default;

    virtual SoundChannel OpenChannel() = 0;
    // Stops the channel's sounds and forgets it.
    virtual void CloseChannel(SoundChannel channel) = 0;

    virtual void PlaySystemSound(SystemSound sound) = 0;
    // Starts playing a wave file. False when it could not even start.
    virtual bool PlayWaveFile(SoundChannel channel, const std::string& path) = 0;
    // Starts playing a wave held in memory (the program's chimes). `name` tells the sounds
    // apart, so a backend may keep what it prepared for a name.
    virtual bool PlayWaveData(SoundChannel channel, std::string_view name,
                              std::span<const uint8_t> wave) = 0;
    // Starts playing a MIDI file (a standard MIDI file, or one wrapped in a RIFF "RMID" form).
    // False when it could not even start; then `done` is never called.
    virtual bool PlayMidiFile(SoundChannel channel, const std::string& path, MidiDone done) = 0;
    // Stops what plays on the channel; a pending MidiDone of the channel is dropped.
    virtual void StopChannel(SoundChannel channel) = 0;
};

} // namespace zm
