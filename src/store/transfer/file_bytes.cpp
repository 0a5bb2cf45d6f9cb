#include "store/transfer/file_bytes.h"

#include <algorithm>

namespace zm {

namespace {
constexpr size_t kSinkChunk = 64 * 1024;
}

long FileByteSource::read(char* data, size_t capacity) {
    if (failure_ != lr::kOk) return -1;
    if (!sized_) {
        if (const LibraryResult r = file_.size(size_); r != lr::kOk) {
            failure_ = r;
            return -1;
        }
        sized_ = true;
    }
    const uint64_t n = std::min<uint64_t>(capacity, size_ - std::min(pos_, size_));
    if (n == 0) return 0;
    if (const LibraryResult r = file_.readAt(pos_, data, static_cast<size_t>(n)); r != lr::kOk) {
        failure_ = r;
        return -1;
    }
    pos_ += n;
    return static_cast<long>(n);
}

LibraryResult FileByteSink::drain() {
    if (failure_ != lr::kOk || pending_.empty()) return failure_;
    failure_ = file_.writeAt(pos_, pending_.data(), pending_.size());
    pos_ += pending_.size();
    pending_.clear();
    return failure_;
}

LibraryResult FileByteSink::write(std::string_view bytes) {
    if (failure_ != lr::kOk) return failure_;
    pending_.append(bytes);
    return pending_.size() >= kSinkChunk ? drain() : lr::kOk;
}

LibraryResult FileByteSink::finish() {
    if (const LibraryResult r = drain(); r != lr::kOk) return r;
    failure_ = file_.flush();
    return failure_;
}

} // namespace zm
