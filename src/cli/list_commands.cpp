#include "cli/cli_session.h"
#include "cli/commands.h"
#include "model/describe.h"

#include <iomanip>

namespace zm {

int RunTypes(CliRun& run) {
    CliSession session(run);
    if (!session.openForReading()) return kExitFailure;
    const auto& types = session.types().types();
    if (run.json()) {
        Json list = Json::array();
        for (size_t i = 0; i < types.size(); ++i) {
            const EventType& t = types[i];
            list.push_back(Json{{"index", i},
                                {"name", t.Name},
                                {"flags", t.Flags},
                                {"colour", t.Colour},
                                {"duration", t.Duration.word},
                                {"advance", t.Advance.word},
                                {"sound", t.Sound},
                                {"soundPause", t.SoundPause},
                                {"soundFile", t.SoundFile},
                                {"startTime", t.StartTime}});
        }
        run.printJson(Json{{"types", list}});
    } else {
        for (size_t i = 0; i < types.size(); ++i)
            run.out << std::right << std::setw(3) << i << "  " << types[i].Name << '\n';
    }
    return kExitOk;
}

int RunQuick(CliRun& run) {
    CliSession session(run);
    if (!session.openForReading()) return kExitFailure;
    const auto& entries = session.quickList().entries();
    if (run.json()) {
        Json list = Json::array();
        for (size_t i = 0; i < entries.size(); ++i) {
            const QuickReminder& q = entries[i];
            list.push_back(Json{{"index", i},
                                {"menuName", q.MenuName},
                                {"eventName", q.EventName},
                                {"type", q.TypeName},
                                {"offset", q.Offset.word},
                                {"sound", q.Sound},
                                {"soundPause", q.SoundPause},
                                {"soundFile", q.SoundFile}});
        }
        run.printJson(Json{{"quick", list}});
    } else {
        for (size_t i = 0; i < entries.size(); ++i) {
            const QuickReminder& q = entries[i];
            run.out << std::right << std::setw(3) << i << "  " << q.MenuName << "  ("
                    << DescribeAmount(q.Offset) << ")\n";
        }
    }
    return kExitOk;
}

} // namespace zm
