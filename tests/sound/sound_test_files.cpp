#include "sound_test_files.h"

#include <fstream>

namespace zm::testing {
namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void PutTag(std::vector<uint8_t>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

} // namespace

std::vector<uint8_t> WaveBytes(const WaveShape& shape) {
    std::vector<uint8_t> out;
    PutTag(out, "RIFF");
    Put32(out, 0);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, shape.formatBytes);
    std::vector<uint8_t> format = {1, 0, 1, 0, 0x80, 0x3E, 0, 0}; // PCM, mono, 16000 Hz
    Put32(format, shape.bytesPerSecond);
    format.insert(format.end(), {2, 0, 16, 0});
    format.resize(shape.formatBytes, 0);
    out.insert(out.end(), format.begin(), format.end());
    if (shape.formatBytes & 1) out.push_back(0);
    if (shape.listChunk) {
        PutTag(out, "LIST");
        Put32(out, 3);
        out.insert(out.end(), {'a', 'b', 'c', 0});
    }
    if (shape.dataChunk) {
        PutTag(out, "data");
        Put32(out, shape.declaredData);
        out.resize(out.size() + shape.actualData, 0);
    }
    const uint32_t riff = shape.riffSize ? shape.riffSize : static_cast<uint32_t>(out.size() - 8);
    for (int i = 0; i < 4; ++i)
        out[4 + i] = static_cast<uint8_t>(riff >> (8 * i));
    if (shape.cutFileTo) out.resize(shape.cutFileTo);
    return out;
}

std::vector<uint8_t> TinyMidi() {
    const std::vector<uint8_t> track = {
        0x00, 0xC0, 0x00,       // piano
        0x00, 0x90, 60,   100,  // middle C on
        0x60, 0x80, 60,   0,    // off after 96 ticks (half a second at 120 beats a minute)
        0x00, 0xFF, 0x2F, 0x00, // end of track
    };
    std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96};
    out.insert(out.end(), {'M', 'T', 'r', 'k', 0, 0, 0, static_cast<uint8_t>(track.size())});
    out.insert(out.end(), track.begin(), track.end());
    return out;
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

} // namespace zm::testing
