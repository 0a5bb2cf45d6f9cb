#pragma once
// A file that fails on request, for testing what a failed write leaves behind. It passes every
// call to the file it wraps until a planned fault comes due.

#include "store/io/file.h"

#include <memory>

namespace zm {

class FaultyFile final : public File {
public:
    explicit FaultyFile(std::unique_ptr<File> inner) : inner_(std::move(inner)) {}

    enum class Fault : uint8_t {
        DiskFull,     // nothing is written, the result is DiskFull
        Io,           // nothing is written, the result is WriteError
        ShortWrite,   // half of the bytes reach the file, the result is WriteError
        ShortDiskFull // half of the bytes reach the file, the code is 4
    };

    // The n-th write from now (1 = the next one) fails with the fault; 0 = no planned fault.
    void FailWrite(int n, Fault fault = Fault::DiskFull) {
        writeFault_ = n;
        fault_ = fault;
        writes_ = 0;
    }
    // Every write from the n-th on fails (the disk stays full).
    void FailWritesFrom(int n, Fault fault = Fault::DiskFull) {
        FailWrite(n, fault);
        sticky_ = true;
    }
    // The n-th read from now fails with ReadError.
    void FailRead(int n) {
        readFault_ = n;
        reads_ = 0;
    }
    // The next flushes fail with this code (0 = they succeed).
    void FailFlush(LibraryResult code) { flushCode_ = code; }

    int Writes() const { return writes_; }
    int Flushes() const { return flushes_; }

    LibraryResult ReadAt(uint64_t offset, void* data, size_t size) override;
    LibraryResult WriteAt(uint64_t offset, const void* data, size_t size) override;
    LibraryResult Size(uint64_t& size) override { return inner_->Size(size); }
    LibraryResult Flush() override;
    LibraryResult Truncate(uint64_t size) override { return inner_->Truncate(size); }

private:
    std::unique_ptr<File> inner_;
    Fault fault_ = Fault::DiskFull;
    int writeFault_ = 0;
    bool sticky_ = false;
    int writes_ = 0;
    int readFault_ = 0;
    int reads_ = 0;
    int flushes_ = 0;
    LibraryResult flushCode_ = LibraryResult::Ok;
};

} // namespace zm
