#pragma once
// The last resort: a fatal signal (SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT) ends in the crash
// report. The handler runs on a stack of its own (so a stack overflow is reported too),
// formats the report into a fixed buffer, writes it to a private file (0600) in the report
// folder and starts the report program with that file's name, which shows the report and
// removes the file. The process then ends at once by the same signal, so nothing else of the
// program runs and its lock, its socket and the library's lock go while the report is up; the
// report program inherits none of its descriptors. A fault in the handler ends the process at
// once.

#include <string>

namespace zm {

inline constexpr char kCrashReportProgramName[] = "zantimore-crash-report";

struct CrashHandlerSetup {
    // The program that shows the report (the name of the report's file is its argument).
    std::string reportProgram;
    // When not negative, the report is written to this descriptor instead of being shown
    // (for tests).
    int reportFd = -1;
    // A private folder of the user's for the report's file; none: the report is only written
    // to the error stream.
    std::string reportFolder;
};

// Installs the handler for the fatal signals of the process; false when the system refused.
bool InstallCrashHandler(const CrashHandlerSetup& setup);

// The report program in the folder of this process's program file.
std::string CrashReportProgramBesideSelf();

} // namespace zm
