#pragma once
// Reading a file from its start to its end, and writing one in sequence, over the file layer of
// the library (so a file in memory or one that fails on purpose serves the tests).

#include "store/io/file.h"
#include "store/transfer/text_records.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zm {

class FileByteSource final : public ByteSource {
public:
    explicit FileByteSource(File& file) : file_(file) {}
    long Read(char* data, size_t capacity) override;
    // The code of the failure after read returned a negative number.
    LibraryResult Failure() const { return failure_; }

private:
    File& file_;
    uint64_t pos_ = 0;
    uint64_t size_ = 0;
    bool sized_ = false;
    LibraryResult failure_ = LibraryResult::Ok;
};

// Collects what is written and hands it to the file in large pieces.
class FileByteSink {
public:
    explicit FileByteSink(File& file) : file_(file) {}
    // Appends bytes; 0, or the code of the write that failed (every later call fails too).
    LibraryResult Write(std::string_view bytes);
    // Writes what is pending and makes it reach the disk.
    LibraryResult Finish();

private:
    LibraryResult Drain();

    File& file_;
    std::string pending_;
    uint64_t pos_ = 0;
    LibraryResult failure_ = LibraryResult::Ok;
};

} // namespace zm
