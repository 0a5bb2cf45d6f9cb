#pragma once
// The user's data as one command sees it: the event library of the data folder, opened to read
// (no lock, a missing library reads as an empty one) or to change (locked against the running
// program, created when missing).

#include "cli/cli_run.h"
#include "store/event_library.h"
#include "store/quick_list.h"
#include "store/type_list.h"

#include <string>

namespace zm {

inline constexpr char kLibraryFileName[] = "Zantimo.VR0";

class CliSession {
public:
    explicit CliSession(const CliRun& run) : run_(run) {}

    // Each prints what went wrong and returns false when the data cannot be opened.
    bool openForReading();
    bool openForWriting();

    EventLibrary& library() { return library_; }
    // The event types, read when the library was opened; events take their type index from it.
    const TypeList& types() const { return types_; }
    // The quick reminders, read on first use.
    const QuickList& quickList();
    const std::string& libraryPath() const { return libraryPath_; }

    // The event of a key that names a stored event; prints the failure and returns false
    // otherwise.
    bool readEvent(uint16_t key, EventRecord& event);

private:
    bool reportOpenFailure(LibraryResult code);
    void readTypes();

    const CliRun& run_;
    TypeList types_;
    QuickList quick_;
    bool quickRead_ = false;
    EventLibrary library_;
    std::string libraryPath_;
};

// The message of a file that could not be opened or created: why, then the path.
std::string FileFailureText(const FileFailure& failure, const std::string& path);

} // namespace zm
