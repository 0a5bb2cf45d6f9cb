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

namespace {

void AppendLe(std::vector<uint8_t>& out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void AppendPage(std::vector<uint8_t>& out, uint8_t headerType, uint64_t granule, uint32_t serial,
                uint32_t sequence, const std::vector<uint8_t>& packet) {
    out.insert(out.end(), {'O', 'g', 'g', 'S', 0, headerType});
    AppendLe(out, granule, 8);
    AppendLe(out, serial, 4);
    AppendLe(out, sequence, 4);
    AppendLe(out, 0, 4); // checksum, not read
    out.push_back(1);
    out.push_back(static_cast<uint8_t>(packet.size()));
    out.insert(out.end(), packet.begin(), packet.end());
}

} // namespace

std::vector<uint8_t> OggBytes(const OggShape& shape) {
    std::vector<uint8_t> head;
    switch (shape.codec) {
    case OggCodec::Vorbis:
        head = {0x01, 'v', 'o', 'r', 'b', 'i', 's', 0, 0, 0, 0, 1};
        AppendLe(head, shape.rate, 4);
        head.resize(30, 0);
        break;
    case OggCodec::Opus:
        head = {'O', 'p', 'u', 's', 'H', 'e', 'a', 'd', 1, 1};
        AppendLe(head, shape.preSkip, 2);
        AppendLe(head, 48000, 4);
        head.resize(19, 0);
        break;
    case OggCodec::Flac:
        head = {0x7F, 'F', 'L', 'A', 'C', 1, 0, 0, 1};
        head.resize(51, 0);
        break;
    }
    const uint32_t serial = 0x1234;
    const std::vector<uint8_t> audio(40, 0x55);
    std::vector<uint8_t> out;
    AppendPage(out, 2, 0, serial, 0, head);
    AppendPage(out, 0, shape.samples / 2, serial, 1, audio);
    AppendPage(out, 4, shape.samples, serial, 2, audio);
    if (shape.cutLastPage) out.resize(out.size() - 10);
    if (shape.otherStreamLast) AppendPage(out, 6, shape.samples * 4, serial + 1, 0, audio);
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
