// The command line as typed: arbitrary arguments through the option reader, and whatever "add"
// makes of them through the editor's rules. Nothing may crash, and a made event is either
// stored and read back as it was, or refused as too large (texts of many-byte characters).
//
// Input: the arguments, separated by zero bytes.

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "cli/iso_time.h"
#include "cli/new_event.h"
#include "store/io/memory_file.h"
#include "store/library/event_library.h"
#include "store/types/type_list.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const zm::TypeList types = [] {
        zm::TypeList t;
        t.CreatePredefined();
        return t;
    }();
    std::vector<std::string> args(1);
    for (size_t i = 0; i < size && args.size() < 40; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    for (const auto& a : args) {
        if (auto t = zm::ParseCliInstant(a)) {
            if (zm::ParseCliInstant(zm::IsoInstant(*t)) != t) std::abort();
        }
    }

    const zm::ParsedCommandLine parsed = zm::ParseCommandLine(args, zm::ShapeOfCommand);
    if (!parsed.usageError.empty() || parsed.global.help || parsed.command != "add") return 0;
    std::string error;
    const auto request = zm::ParseAddRequest(parsed.args, error);
    if (!request) return 0;
    const zm::DateTime now = parsed.global.at.value_or(zm::DateTime::FromParts(2025, 3, 10, 8));
    const zm::NewEventResult made = zm::MakeNewEvent(*request, types, now, zm::WeekSettings{});
    if (made.status != 0) return 0;
    zm::EventLibrary library;
    if (library.CreateFile(std::make_unique<zm::MemoryFile>()) != zm::LibraryResult::Ok)
        std::abort();
    zm::EventRecord stored = made.event;
    const zm::LibraryResult rc = library.AddEvent(stored);
    if (rc == zm::LibraryResult::EventTooLarge) return 0;
    if (rc != zm::LibraryResult::Ok) std::abort();
    const zm::ReadResult<zm::EventRecord> back = library.ReadEvent(stored.key);
    if (!back.Ok() || back->name != stored.name || back->notes != stored.notes ||
        back->start != stored.start || back->pattern != stored.pattern ||
        back->patternParam != stored.patternParam || back->flags != stored.flags)
        std::abort();
    return 0;
}
