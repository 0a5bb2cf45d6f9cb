#include "adapters/crash/crash_context.h"

#include "res/strings.h"

#include <sys/uio.h>
#include <ucontext.h>
#include <unistd.h>

namespace zm {

bool ReadOwnWord(uint64_t address, uint64_t& value) {
    uintptr_t word = 0;
    if (address == 0 || address % sizeof word != 0) return false;
    iovec local{&word, sizeof word};
    iovec remote{reinterpret_cast<void*>(static_cast<uintptr_t>(address)), sizeof word};
    if (::process_vm_readv(::getpid(), &local, 1, &remote, 1, 0) !=
        static_cast<ssize_t>(sizeof word))
        return false;
    value = word;
    return true;
}

void WalkFrames(uint64_t framePointer, WordReader read, uint64_t (&words)[kCrashStackWords]) {
    for (uint64_t& word : words) {
        uint64_t saved = 0;
        uint64_t returnAddress = 0;
        if (!read(framePointer, saved) || saved == 0 ||
            !read(framePointer + sizeof(uintptr_t), returnAddress)) {
            word = 0;
            continue;
        }
        word = returnAddress;
        framePointer = saved;
    }
}

void CrashFactsFromSignal(int signal, const siginfo_t* info, const void* context,
                          CrashFacts& facts) {
    facts.code = static_cast<uint32_t>(signal);
    facts.address = info ? reinterpret_cast<uintptr_t>(info->si_addr) : 0;
    facts.access = LoadString(IDS_CRASH_ACCESS_NONE);
    facts.wide = sizeof(void*) == 8;
    const auto* uc = static_cast<const ucontext_t*>(context);
    if (!uc) return;
#if defined(__x86_64__)
    const greg_t* r = uc->uc_mcontext.gregs;
    const auto selectors = static_cast<uint64_t>(r[REG_CSGSFS]); // cs, gs, fs, ss: 16 bits each
    const uint64_t values[16] = {
        static_cast<uint64_t>(r[REG_RAX]), selectors & 0xFFFF,
        static_cast<uint64_t>(r[REG_RIP]), static_cast<uint64_t>(r[REG_EFL]) & 0xFFFFFFFF,
        static_cast<uint64_t>(r[REG_RBX]), selectors >> 48,
        static_cast<uint64_t>(r[REG_RSP]), static_cast<uint64_t>(r[REG_RBP]),
        static_cast<uint64_t>(r[REG_RCX]), 0, // DS is not kept in 64-bit mode
        static_cast<uint64_t>(r[REG_RSI]), selectors >> 32 & 0xFFFF,
        static_cast<uint64_t>(r[REG_RDX]), 0, // nor ES
        static_cast<uint64_t>(r[REG_RDI]), selectors >> 16 & 0xFFFF};
    for (int i = 0; i < 16; ++i)
        facts.registers[i] = values[i];
    facts.address = static_cast<uint64_t>(r[REG_RIP]);
    // Bit 1 of the page fault's error code is set for a write. A SIGSEGV sent by a process
    // (si_code 0 or below) made no access.
    if (signal == SIGSEGV && info && info->si_code > 0)
        facts.access =
            LoadString((r[REG_ERR] & 2) != 0 ? IDS_CRASH_ACCESS_WRITE : IDS_CRASH_ACCESS_READ);
    WalkFrames(static_cast<uint64_t>(r[REG_RBP]), ReadOwnWord, facts.stack);
#elif defined(__i386__)
    const greg_t* r = uc->uc_mcontext.gregs;
    const int order[16] = {REG_EAX, REG_CS, REG_EIP, REG_EFL, REG_EBX, REG_SS, REG_UESP, REG_EBP,
                           REG_ECX, REG_DS, REG_ESI, REG_FS,  REG_EDX, REG_ES, REG_EDI,  REG_GS};
    for (int i = 0; i < 16; ++i)
        facts.Registers[i] = static_cast<uint32_t>(r[order[i]]);
    facts.Address = static_cast<uint32_t>(r[REG_EIP]);
    if (signal == SIGSEGV && info && info->si_code > 0)
        facts.Access =
            LoadString((r[REG_ERR] & 2) != 0 ? IDS_CRASH_ACCESS_WRITE : IDS_CRASH_ACCESS_READ);
    WalkFrames(static_cast<uint32_t>(r[REG_EBP]), ReadOwnWord, facts.Stack);
#endif
}

} // namespace zm
