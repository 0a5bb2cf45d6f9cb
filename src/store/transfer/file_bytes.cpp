#include "store/transfer/file_bytes.h"

#include <algorithm>

namespace zm {

namespace {
constexpr size_t kSinkChunk = 64 * 1024;
}

long FileByteSource::Read(char* data, size_t capacity) {
    if (failure_ != LibraryResult::Ok) return -1;
    if (!sized_) {
        if (const LibraryResult r = file_.Size(size_); r != LibraryResult::Ok) {
            failure_ = r;
            return -1;
        }
        sized_ = true;
    }
    const uint64_t n = std::min<uint64_t>(capacity, size_ - std::min(pos_, size_));
    if (n == 0) return 0;
    if (const LibraryResult r = file_.ReadAt(pos_, data, static_cast<size_t>(n));
        r != LibraryResult::Ok) {
        failure_ = r;
        return -1;
    }
    pos_ += n;
    return static_cast<long>(n);
}

LibraryResult FileByteSink::Drain() {
    if (failure_ != LibraryResult::Ok || pending_.empty()) return failure_;
    failure_ = file_.WriteAt(pos_, pending_.data(), pending_.size());
    pos_ += pending_.size();
    pending_.clear();
    return failure_;
}

LibraryResult FileByteSink::Write(std::string_view bytes) {
    if (failure_ != LibraryResult::Ok) return failure_;
    pending_.append(bytes);
    return pending_.size() >= kSinkChunk ? Drain() : LibraryResult::Ok;
}

LibraryResult FileByteSink::Finish() {
    if (const LibraryResult r = Drain(); r != LibraryResult::Ok) return r;
    failure_ = file_.Flush();
    return failure_;
}

} // namespace zm
