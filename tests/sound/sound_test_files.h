#pragma once
// Sound files for tests: wave files with chosen header fields, and a tiny MIDI tune.

#include <cstdint>
#include <string>
#include <vector>

namespace zm::testing {

struct WaveShape {
    uint32_t formatBytes = 16; // the declared size of the "fmt " chunk
    uint32_t bytesPerSecond = 16000;
    uint32_t declaredData = 16000; // the size the "data" chunk claims
    uint32_t actualData = 16000;   // the bytes that follow it
    bool listChunk = false;        // an odd-sized chunk between "fmt " and "data"
    bool dataChunk = true;
    uint32_t riffSize = 0;  // 0: the right size
    uint32_t cutFileTo = 0; // 0: the whole file
};

std::vector<uint8_t> WaveBytes(const WaveShape& shape);

enum class OggCodec : uint8_t { Vorbis, Opus, Flac };

struct OggShape {
    OggCodec codec = OggCodec::Vorbis;
    uint32_t rate = 44100;        // Vorbis: the sample rate
    uint16_t preSkip = 0;         // Opus
    uint64_t samples = 88200;     // the last page's granule position
    bool cutLastPage = false;     // the file ends inside its last page
    bool otherStreamLast = false; // a page of another stream follows
};

// An Ogg file of three pages: the codec's head, half the samples, then all of them.
std::vector<uint8_t> OggBytes(const OggShape& shape);

// A standard MIDI file: one track that plays middle C for half a second.
std::vector<uint8_t> TinyMidi();

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace zm::testing
