#pragma once
// The last resort: a fatal signal (SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT) ends in the crash
// report. The handler runs on a stack of its own (so a stack overflow is reported too),
// formats the report into a fixed buffer, starts the report program with the text and waits
// for it, so nothing else of the program runs while the report is up. Then the process ends
// by the same signal. A fault while the report is up ends the process at once.

#include <string>

namespace zm {

inline constexpr char kCrashReportProgramName[] = "zantimore-crash-report";

struct CrashHandlerSetup {
    // The program that shows the report (its text is the first argument).
    std::string reportProgram;
    // When not negative, the report is written to this descriptor instead of being shown
    // (for tests).
    int reportFd = -1;
};

// Installs the handler for the fatal signals of the process; false when the system refused.
bool InstallCrashHandler(const CrashHandlerSetup& setup);

// The report program in the folder of this process's program file.
std::string CrashReportProgramBesideSelf();

} // namespace zm
