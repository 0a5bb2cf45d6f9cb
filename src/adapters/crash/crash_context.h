#pragma once
// What the crash report shows, read from the signal's information and the machine context of
// the fault. Everything here is safe to call from a signal handler.

#include "adapters/crash/crash_report_format.h"

#include <csignal>
#include <cstdint>

namespace zm {

// Reads one machine word of the process's memory; false when the address cannot be read.
using WordReader = bool (*)(uint64_t address, uint64_t& value);

// Reads through the kernel, so an unreadable address gives false instead of a second fault.
bool ReadOwnWord(uint64_t address, uint64_t& value);

// The chain of saved frame pointers from `framePointer`: for each word, when the frame cannot
// be read or the saved frame pointer there is 0, the word is 0 and the walk stays; otherwise
// the word is the return address just above the saved frame pointer and the walk moves on.
void WalkFrames(uint64_t framePointer, WordReader read, uint64_t (&words)[kCrashStackWords]);

// The facts of the fault: its signal, the faulting instruction, the kind of access, the
// registers and the frame walk.
void CrashFactsFromSignal(int signal, const siginfo_t* info, const void* context,
                          CrashFacts& facts);

} // namespace zm
