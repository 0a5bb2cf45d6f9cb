#pragma once
// The user's data as one command sees it: the event store over the library of the data folder,
// and the event types and quick reminders. Reading commands open the library without a lock
// (they work while the program runs) and read a missing library as an empty one; changing
// commands lock it, as the program does, and create it when it is missing. In the running
// program (CliEnvironment::host) the commands work on the program's own store instead: what
// they change is told to the program's windows too, and their messages go to the run's streams.

#include "cli/cli_run.h"
#include "store/event_store.h"
#include "store/quick/quick_list.h"
#include "store/store_paths.h"
#include "store/types/type_list.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zm {

class CliSession {
public:
    explicit CliSession(const CliRun& run);
    ~CliSession();
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    // Each prints what went wrong and returns false when the data cannot be opened.
    bool OpenForReading();
    bool OpenForWriting();
    // The exit status of a failed open: kExitBusy while another program holds the library.
    int FailureStatus() const { return busy_ ? kExitBusy : kExitFailure; }

    EventStore& Store() { return *store_; }
    const EventLibrary& Library() const { return store_->Library(); }
    const std::string& LibraryPath() const { return libraryPath_; }
    // The event types; events take their type index from them.
    const TypeList& Types() const { return *typeSource_; }
    // Finds an event's type by name in Types(), for reading the library.
    EventLibrary::TypeLookup TypeLookup() const {
        return [this](const std::string& name) { return Types().FindType(name); };
    }
    // The quick reminders, read on first use.
    const QuickList& QuickReminders();
    // Tells on the error stream that the types file (or the quick-reminder file, read then)
    // could not be read, as the program says it; false when it could.
    bool TellUnreadableTypes() const;
    bool TellUnreadableQuickReminders();

    // The event as the last change left it (its new key included), as the store told it;
    // none after a deletion.
    const std::optional<EventRecord>& ChangedEvent() const;
    // The accepted one-time events that DeleteAccepted deleted, in the order it deleted them.
    const std::vector<EventRecord>& PurgedEvents() const;

    // The event of a key that names a stored event; otherwise the failure is printed and there
    // is none.
    std::optional<EventRecord> ReadEvent(uint16_t key);
    std::optional<EventRecord> ReadEvent(const EventArgument& event);
    // The key of the event the argument names: its key, or the key of the one readable event
    // with its id; otherwise the failure is printed and there is none.
    std::optional<uint16_t> FindEvent(const EventArgument& event);

private:
    class Prompts;
    class Changes;

    bool Prepare(bool create);
    // Tells what keeps the library file from being opened; false when something does.
    bool LibraryLooksWhole();
    // Tells, once the library is open, that its index uses blocks the file has lost; false then.
    bool OpenedWhole();
    bool ReportOpenFailure(LibraryResult code, const FileFailure& failure);
    bool OpenHosted();

    const CliRun& run_;
    std::unique_ptr<Prompts> prompts_;
    std::unique_ptr<Changes> changes_;
    std::unique_ptr<EventStore> ownStore_;
    EventStore* store_ = nullptr;
    TypeList types_;
    const TypeList* typeSource_ = &types_;
    // The program's prompts, given back when a hosted command ends.
    StorePrompts* hostPrompts_ = nullptr;
    std::optional<std::string> typesUnreadable_;
    QuickList quick_;
    bool quickRead_ = false;
    std::optional<std::string> quickUnreadable_;
    std::string libraryPath_;
    bool busy_ = false;
};

} // namespace zm
