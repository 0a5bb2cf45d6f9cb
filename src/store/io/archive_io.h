#pragma once
// Reading and writing the side files (event types, quick reminders): little-endian integers
// and the archive string form.
//
// Archive string form: the byte length of the text as one byte when below 255; else 0xFF and
// the length as 16 bits when below 0xFFFE; else 0xFF, 0xFFFF and the length as 32 bits. Then
// the bytes, no terminator. A reader that meets 0xFF 0xFFFE reads a second length in the same
// form and then that many UTF-16 code units (the writers never produce that form).

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zm {

// Reads from bytes held in memory. Every read checks that the bytes are there; after the first
// failure the reader stays failed and reads nothing more.
class ArchiveReader {
public:
    explicit ArchiveReader(std::span<const uint8_t> data) : data_(data) {}

    bool U8(uint8_t& v);
    bool U16(uint16_t& v);
    bool U32(uint32_t& v);
    bool I32(int32_t& v);
    // A view of the next n bytes.
    bool Bytes(size_t n, std::span<const uint8_t>& out);
    bool Skip(size_t n);
    // A string in the archive string form. Nothing is allocated for a length the remaining
    // bytes cannot hold.
    bool Text(std::string& out);

    size_t Offset() const { return pos_; }
    size_t Remaining() const { return data_.size() - pos_; }
    bool Failed() const { return failed_; }

private:
    bool Take(size_t n, const uint8_t*& p);
    bool TextLength(uint32_t& length, bool& wide);

    std::span<const uint8_t> data_;
    size_t pos_ = 0;
    bool failed_ = false;
};

class ArchiveWriter {
public:
    void U8(uint8_t v) { out_.push_back(v); }
    void U16(uint16_t v);
    void U32(uint32_t v);
    void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
    void Bytes(std::span<const uint8_t> b) { out_.insert(out_.end(), b.begin(), b.end()); }
    void Zeros(size_t n) { out_.insert(out_.end(), n, 0); }
    // Writes the text's bytes (UTF-8) in the archive string form. Texts of 4 GiB and more
    // cannot be written: false, nothing written.
    bool Text(std::string_view s);
    // Overwrites a 32-bit value written earlier.
    void PatchU32(size_t at, uint32_t v);

    size_t Size() const { return out_.size(); }
    const std::vector<uint8_t>& Data() const { return out_; }
    std::vector<uint8_t> Take() { return std::move(out_); }

private:
    std::vector<uint8_t> out_;
};

} // namespace zm
