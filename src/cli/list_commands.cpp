#include "cli/cli_session.h"
#include "cli/commands.h"
#include "model/describe.h"

#include <iomanip>

namespace zm {

int RunTypes(CliRun& run) {
    CliSession session(run);
    if (!session.OpenForReading()) return kExitFailure;
    // The predefined types are listed in place of an unreadable file, which ends in failure.
    const bool unreadable = session.TellUnreadableTypes();
    const auto& types = session.Types().Types();
    if (run.WantsJson()) {
        Json list = Json::array();
        for (size_t i = 0; i < types.size(); ++i) {
            const EventType& t = types[i];
            list.push_back(Json{{"index", i},
                                {"name", t.name},
                                {"flags", t.flags},
                                {"colour", t.colour},
                                {"duration", t.duration.word},
                                {"advance", t.advance.word},
                                {"sound", t.sound},
                                {"soundPause", t.soundPause},
                                {"soundFile", t.soundFile},
                                {"startTime", t.startTime}});
        }
        run.PrintJson(Json{{"types", list}});
    } else {
        for (size_t i = 0; i < types.size(); ++i)
            run.out << std::right << std::setw(3) << i << "  " << types[i].name << '\n';
    }
    return unreadable ? kExitFailure : kExitOk;
}

int RunQuick(CliRun& run) {
    CliSession session(run);
    if (!session.OpenForReading()) return kExitFailure;
    const bool unreadable = session.TellUnreadableQuickReminders();
    const auto& entries = session.QuickReminders().Entries();
    if (run.WantsJson()) {
        Json list = Json::array();
        for (size_t i = 0; i < entries.size(); ++i) {
            const QuickReminder& q = entries[i];
            list.push_back(Json{{"index", i},
                                {"menuName", q.menuName},
                                {"eventName", q.eventName},
                                {"type", q.typeName},
                                {"offset", q.offset.word},
                                {"sound", q.sound},
                                {"soundPause", q.soundPause},
                                {"soundFile", q.soundFile}});
        }
        run.PrintJson(Json{{"quick", list}});
    } else {
        for (size_t i = 0; i < entries.size(); ++i) {
            const QuickReminder& q = entries[i];
            run.out << std::right << std::setw(3) << i << "  " << q.menuName << "  ("
                    << DescribeAmount(q.offset) << ")\n";
        }
    }
    return unreadable ? kExitFailure : kExitOk;
}

} // namespace zm
