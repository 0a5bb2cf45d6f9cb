#include "support/faulty_file.h"

namespace zm {

LibraryResult FaultyFile::readAt(uint64_t offset, void* data, size_t size) {
    ++reads_;
    if (readFault_ != 0 && reads_ == readFault_) return lr::kReadError;
    return inner_->readAt(offset, data, size);
}

LibraryResult FaultyFile::writeAt(uint64_t offset, const void* data, size_t size) {
    ++writes_;
    const bool due =
        writeFault_ != 0 && (sticky_ ? writes_ >= writeFault_ : writes_ == writeFault_);
    if (!due) return inner_->writeAt(offset, data, size);
    switch (fault_) {
    case Fault::DiskFull:
        return lr::kDiskFull;
    case Fault::Io:
        return lr::kWriteError;
    case Fault::ShortWrite:
    case Fault::ShortDiskFull: {
        const LibraryResult rc = inner_->writeAt(offset, data, size / 2);
        if (rc != lr::kOk) return rc;
        return fault_ == Fault::ShortWrite ? lr::kWriteError : lr::kDiskFull;
    }
    }
    return lr::kWriteError;
}

LibraryResult FaultyFile::flush() {
    ++flushes_;
    if (flushCode_ != lr::kOk) return flushCode_;
    return inner_->flush();
}

} // namespace zm
