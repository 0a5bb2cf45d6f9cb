#include "support/faulty_file.h"

namespace zm {

LibraryResult FaultyFile::ReadAt(uint64_t offset, void* data, size_t size) {
    ++reads_;
    if (readFault_ != 0 && reads_ == readFault_) return LibraryResult::ReadError;
    return inner_->ReadAt(offset, data, size);
}

LibraryResult FaultyFile::WriteAt(uint64_t offset, const void* data, size_t size) {
    ++writes_;
    const bool due =
        writeFault_ != 0 && (sticky_ ? writes_ >= writeFault_ : writes_ == writeFault_);
    if (!due) return inner_->WriteAt(offset, data, size);
    switch (fault_) {
    case Fault::DiskFull:
        return LibraryResult::DiskFull;
    case Fault::Io:
        return LibraryResult::WriteError;
    case Fault::ShortWrite:
    case Fault::ShortDiskFull: {
        const LibraryResult rc = inner_->WriteAt(offset, data, size / 2);
        if (rc != LibraryResult::Ok) return rc;
        return fault_ == Fault::ShortWrite ? LibraryResult::WriteError : LibraryResult::DiskFull;
    }
    }
    return LibraryResult::WriteError;
}

LibraryResult FaultyFile::Flush() {
    ++flushes_;
    if (flushCode_ != LibraryResult::Ok) return flushCode_;
    return inner_->Flush();
}

} // namespace zm
