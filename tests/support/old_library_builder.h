#pragma once
// Library files of older versions, built byte by byte from their documented layouts.

#include "platform/byte_order.h"
#include "store/io/memory_file.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace zm::testing {

inline void PutText(FileBytes& out, const std::string& text) {
    unsigned char count[4];
    PutLe32(count, static_cast<uint32_t>(text.size() + 1));
    out.insert(out.end(), count, count + 4);
    out.insert(out.end(), text.begin(), text.end());
    out.push_back(0);
}

inline void PutWord(FileBytes& out, uint32_t v) {
    unsigned char b[4];
    PutLe32(b, v);
    out.insert(out.end(), b, b + 4);
}

inline void PutDate(FileBytes& out, double days) {
    unsigned char b[8];
    PutLe64(b, DoubleBits(days));
    out.insert(out.end(), b, b + 8);
}

// The header, index and blocks of the versions with a block index.
class BlockFileBuilder {
public:
    explicit BlockFileBuilder(uint32_t version) : bytes_(8256, 0) {
        const char magic[] = "ZANTIMORE";
        std::copy(magic, magic + 9, bytes_.begin());
        PutLe32(&bytes_[10], version);
        PutLe32(&bytes_[14], 256);
        PutLe32(&bytes_[18], 256);
        PutLe32(&bytes_[22], 4000);
        PutLe32(&bytes_[26], 2);
    }

    void SetEntry(int n, uint16_t value) { PutLe16(&bytes_[256 + 2 * n], value); }

    // Writes the record into blocks first, first + 1, ... and links them; the first block is
    // marked as an event's first block unless `head` is false.
    void PutChain(int first, const FileBytes& record, bool head = true) {
        const int blocks = static_cast<int>((record.size() + 255) / 256);
        for (int i = 0; i < blocks; ++i) {
            const size_t at = 8000 + 256 * static_cast<size_t>(first + i);
            if (bytes_.size() < at + 256) bytes_.resize(at + 256, 0);
            const size_t n = std::min<size_t>(256, record.size() - 256 * i);
            std::copy_n(record.begin() + 256 * i, n, bytes_.begin() + at);
            uint16_t entry = i + 1 < blocks ? static_cast<uint16_t>(first + i + 1) : 0x7FFF;
            if (i == 0 && head) entry |= 0x8000;
            SetEntry(first + i, entry);
        }
    }

    FileBytes& Bytes() { return bytes_; }

private:
    FileBytes bytes_;
};

// An event in the layout of the versions 0x00020002 ... 0x00020004.
struct OldEvent {
    uint32_t flags = 0;
    uint32_t typeCode = 0;
    uint32_t advanceUnit = 0;
    uint32_t advanceCount = 0;
    uint32_t pattern = 0;
    uint32_t param = 0;
    double start = 45362.375; // 11 March 2024 09:00
    double snoozeUntil = 0;
    double lastShown = 0;
    uint32_t snooze = 0; // a snooze code (0x00020002) or the choice itself
    uint32_t sound = 1;
    uint32_t durationUnit = 0; // 0x00020004 only
    uint32_t durationCount = 0;
    std::string name = "Old event";
    std::string notes;
    std::string soundFile;

    FileBytes Bytes(uint32_t version) const {
        FileBytes out;
        PutWord(out, 0x034A424F);
        PutWord(out, 0); // the length, below
        PutWord(out, flags);
        PutWord(out, 0);
        PutWord(out, typeCode);
        PutWord(out, advanceUnit);
        PutWord(out, advanceCount);
        PutWord(out, pattern);
        PutWord(out, param);
        PutDate(out, start);
        PutDate(out, snoozeUntil);
        PutDate(out, lastShown);
        PutWord(out, snooze);
        PutWord(out, sound);
        if (version == 0x00020004) {
            PutWord(out, durationUnit);
            PutWord(out, durationCount);
        }
        out.resize(124, 0);
        PutText(out, name);
        PutText(out, notes);
        PutText(out, soundFile);
        PutLe32(&out[4], static_cast<uint32_t>(out.size()));
        return out;
    }
};

struct OldQuick {
    uint32_t unit = 0;
    uint32_t count = 15;
    std::string menuName = "Tea";
    std::string eventName = "Tea is ready";
};

// The quick-reminder record of the versions 0x00020002 ... 0x00020004.
inline FileBytes OldQuickRecord(const std::vector<OldQuick>& quick) {
    FileBytes out;
    PutWord(out, 0x014D5343);
    PutWord(out, 0);
    PutWord(out, static_cast<uint32_t>(quick.size()));
    for (const OldQuick& q : quick) {
        const size_t start = out.size();
        PutWord(out, 0x024F5343);
        PutWord(out, 0);
        PutWord(out, q.unit);
        PutWord(out, q.count);
        PutText(out, q.menuName);
        PutText(out, q.eventName);
        PutText(out, "");
        PutLe32(&out[start + 4], static_cast<uint32_t>(out.size() - start));
    }
    PutLe32(&out[4], static_cast<uint32_t>(out.size()));
    return out;
}

// A file of the first format (0x00010001): header, bitmap, quick-reminder table, blocks.
class FirstFormatBuilder {
public:
    FirstFormatBuilder() : bytes_(256 * 18, 0) {
        const char magic[] = "ZANTIMORE";
        std::copy(magic, magic + 9, bytes_.begin());
        PutLe32(&bytes_[10], 0x00010001);
        PutLe32(&bytes_[14], 208);
        PutLe32(&bytes_[18], 256);
    }

    void MarkUsed(int block) {
        unsigned char* word = &bytes_[256 + 4 * (block / 32)];
        PutLe32(word, GetLe32(word) | (1u << (block % 32)));
    }

    // An event in block n: flags, dates, type and recurrence codes, the text.
    void PutEvent(int block, uint32_t flags, double start, uint32_t typeCode, uint32_t recurrence,
                  const std::string& text, double lastShown = 0, bool used = true) {
        unsigned char* b = BlockAt(block);
        PutLe32(b, 0xFFFFFFFF);
        PutLe32(b + 4, flags);
        PutLe64(b + 8, DoubleBits(start));
        PutLe64(b + 24, DoubleBits(lastShown));
        PutLe32(b + 36, typeCode);
        PutLe32(b + 40, recurrence);
        std::copy(text.begin(), text.end(), b + 128);
        if (used) MarkUsed(block);
    }

    // A used block that holds no event.
    void PutOther(int block) {
        PutLe32(BlockAt(block), 0x12345678);
        MarkUsed(block);
    }

    void PutQuick(int index, uint32_t unit, double days, const std::string& menu,
                  const std::string& event) {
        unsigned char* e = &bytes_[1280 + 208 * static_cast<size_t>(index)];
        PutLe32(e, 1);
        PutLe32(e + 4, unit);
        PutLe64(e + 8, DoubleBits(days));
        std::copy(menu.begin(), menu.end(), e + 16);
        std::copy(event.begin(), event.end(), e + 80);
    }

    FileBytes& Bytes() { return bytes_; }

private:
    unsigned char* BlockAt(int block) {
        const size_t at = 256 * static_cast<size_t>(block + 17);
        if (bytes_.size() < at + 256) bytes_.resize(at + 256, 0);
        return &bytes_[at];
    }
    FileBytes bytes_;
};

} // namespace zm::testing
