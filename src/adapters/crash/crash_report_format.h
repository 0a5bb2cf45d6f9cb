#pragma once
// The text of the crash report, formatted without allocating and without the C library's
// formatted output, so that a signal handler can call it: a line asking the user to send the
// report, then the report's fixed layout (registers at the machine's own width).

#include <cstddef>
#include <cstdint>

namespace zm {

// Room for the report with 64-bit registers, and to spare.
inline constexpr size_t kCrashReportCapacity = 2048;
inline constexpr size_t kCrashStackWords = 16;

struct CrashFacts {
    uint32_t code = 0;    // the signal that ended the program
    uint64_t address = 0; // the instruction that faulted
    const char* access = "NA";
    bool wide = true; // 64-bit registers
    // In the report's order: AX CS IP FLAGS, BX SS SP BP, CX DS SI FS, DX ES DI GS.
    uint64_t registers[16] = {};
    uint64_t stack[kCrashStackWords] = {};
};

// Writes the report into the buffer, always ended by a zero byte, cut to fit; returns its
// length.
size_t FormatCrashReport(const CrashFacts& facts, char* buffer, size_t capacity);

// One argument of SafeFormat: a number, or a text when `Text` is set.
struct SafeArg {
    uint64_t number = 0;
    const char* text = nullptr;
};

// Fills "%.Nx" (N hexadecimal digits at least), "%s" and "%%" of the pattern from the
// arguments in order; anything else is copied. Appends at `length`, keeps the zero end and
// returns the new length.
size_t SafeFormat(char* buffer, size_t capacity, size_t length, const char* pattern,
                  const SafeArg* args, size_t count);

} // namespace zm
