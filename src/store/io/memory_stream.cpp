#include "store/io/memory_stream.h"

#include "platform/byte_order.h"

#include <algorithm>
#include <cstring>

namespace zm {

void MemoryStream::Reserve(size_t size) {
    if (size > buf_.size()) buf_.resize(size, 0);
}

void MemoryStream::Write(const void* data, size_t size) {
    if (end_ + size > buf_.size()) buf_.resize(((end_ + size) / kGrowthUnit + 1) * kGrowthUnit, 0);
    if (size > 0) std::memcpy(buf_.data() + end_, data, size);
    end_ += size;
}

void MemoryStream::WriteU32(uint32_t v) {
    unsigned char b[4];
    PutLe32(b, v);
    Write(b, sizeof b);
}

void MemoryStream::WriteDouble(double v) {
    unsigned char b[8];
    PutLe64(b, DoubleBits(v));
    Write(b, sizeof b);
}

void MemoryStream::WriteString(const std::string& text) {
    WriteU32(static_cast<uint32_t>(text.size() + 1));
    Write(text.data(), text.size());
    const unsigned char zero = 0;
    Write(&zero, 1);
}

void MemoryStream::PatchU32(size_t offset, uint32_t v) {
    if (offset + 4 <= end_) PutLe32(buf_.data() + offset, v);
}

bool MemoryStream::Read(void* data, size_t size) {
    if (size > Remaining()) return false;
    if (size > 0) std::memcpy(data, buf_.data() + cursor_, size);
    cursor_ += size;
    return true;
}

bool MemoryStream::ReadU32(uint32_t& v) {
    if (Remaining() < 4) return false;
    v = GetLe32(buf_.data() + cursor_);
    cursor_ += 4;
    return true;
}

bool MemoryStream::ReadI32(int32_t& v) {
    uint32_t u;
    if (!ReadU32(u)) return false;
    v = static_cast<int32_t>(u);
    return true;
}

bool MemoryStream::ReadDouble(double& v) {
    if (Remaining() < 8) return false;
    v = DoubleFromBits(GetLe64(buf_.data() + cursor_));
    cursor_ += 8;
    return true;
}

bool MemoryStream::Skip(size_t size) {
    if (size > Remaining()) return false;
    cursor_ += size;
    return true;
}

bool MemoryStream::ReadString(std::string& bytes) {
    const size_t start = cursor_;
    uint32_t count;
    if (!ReadU32(count)) return false;
    if (count > Remaining()) {
        cursor_ = start;
        return false;
    }
    if (count == 0) {
        bytes.clear();
        return true;
    }
    const auto* p = buf_.data() + cursor_;
    const auto* zero = static_cast<const unsigned char*>(std::memchr(p, 0, count));
    const size_t textLength = zero ? static_cast<size_t>(zero - p) : count;
    bytes.assign(reinterpret_cast<const char*>(p), textLength);
    cursor_ += count;
    return true;
}

} // namespace zm
