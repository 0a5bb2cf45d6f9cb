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
        DiskFull,     // nothing is written, the code is 4
        Io,           // nothing is written, the code is 34
        ShortWrite,   // half of the bytes reach the file, the code is 34
        ShortDiskFull // half of the bytes reach the file, the code is 4
    };

    // The n-th write from now (1 = the next one) fails with the fault; 0 = no planned fault.
    void failWrite(int n, Fault fault = Fault::DiskFull) {
        writeFault_ = n;
        fault_ = fault;
        writes_ = 0;
    }
    // Every write from the n-th on fails (the disk stays full).
    void failWritesFrom(int n, Fault fault = Fault::DiskFull) {
        failWrite(n, fault);
        sticky_ = true;
    }
    // The n-th read from now fails with 33.
    void failRead(int n) {
        readFault_ = n;
        reads_ = 0;
    }
    // The next flushes fail with this code (0 = they succeed).
    void failFlush(LibraryResult code) { flushCode_ = code; }

    int writes() const { return writes_; }
    int flushes() const { return flushes_; }

    LibraryResult readAt(uint64_t offset, void* data, size_t size) override;
    LibraryResult writeAt(uint64_t offset, const void* data, size_t size) override;
    LibraryResult size(uint64_t& size) override { return inner_->size(size); }
    LibraryResult flush() override;

private:
    std::unique_ptr<File> inner_;
    Fault fault_ = Fault::DiskFull;
    int writeFault_ = 0;
    bool sticky_ = false;
    int writes_ = 0;
    int readFault_ = 0;
    int reads_ = 0;
    int flushes_ = 0;
    LibraryResult flushCode_ = lr::kOk;
};

} // namespace zm
