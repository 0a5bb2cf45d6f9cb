#pragma once
// A growable byte buffer with a write end and a read cursor: an event is serialised into one
// before it is cut into blocks, and its blocks are gathered into one before it is read.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zm {

class MemoryStream {
public:
    static constexpr size_t kGrowthUnit = 256;

    // Makes room for `size` bytes in all (zero-filled) without changing the contents.
    void Reserve(size_t size);

    // Appends bytes; the buffer grows in whole 256-byte units, the new part zero-filled, so
    // the bytes behind the write end up to the capacity are always zero.
    void Write(const void* data, size_t size);
    void WriteU32(uint32_t v);
    void WriteI32(int32_t v) { WriteU32(static_cast<uint32_t>(v)); }
    void WriteDouble(double v);
    // A 32-bit count (text length + 1), the bytes of the text and a terminating zero.
    void WriteString(const std::string& text);
    // Overwrites 4 bytes already written.
    void PatchU32(size_t offset, uint32_t v);

    // Each read takes bytes at the cursor and fails (returns false, the cursor unmoved) when
    // fewer remain than it asks for.
    bool Read(void* data, size_t size);
    bool ReadU32(uint32_t& v);
    bool ReadI32(int32_t& v);
    bool ReadDouble(double& v);
    bool Skip(size_t size);
    // The string form written by WriteString. The count is checked against the bytes that
    // remain before anything is allocated; the text ends at the first zero byte within it.
    bool ReadString(std::string& bytes);

    void Rewind() { cursor_ = 0; }
    void Clear() {
        end_ = 0;
        cursor_ = 0;
        std::fill(buf_.begin(), buf_.end(), 0);
    }

    const unsigned char* Data() const { return buf_.data(); }
    size_t Length() const { return end_; }
    size_t Capacity() const { return buf_.size(); }
    size_t Cursor() const { return cursor_; }
    size_t Remaining() const { return end_ - cursor_; }

private:
    std::vector<unsigned char> buf_;
    size_t end_ = 0;
    size_t cursor_ = 0;
};

} // namespace zm
