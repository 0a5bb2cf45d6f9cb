#include "cli_fixture.h"
#include "store/io/side_file.h"
#include "store/quick/quick_file.h"

namespace zm::testing {
namespace {

class Add : public CliTest {
protected:
    size_t EventCount() { return Run({"--json", "list"}).WantsJson()["events"].size(); }
};

TEST_F(Add, StoresTheEventAndPrintsIt) {
    CliResult r = Run({"--json", "add", "Dentist", "2025-03-12 09:30", "--notes", "bring card",
                       "--advance", "15", "--duration", "1 h"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.err, "");
    const auto j = r.WantsJson();
    EXPECT_EQ(j["key"], 1);
    EXPECT_NE(j["id"], 0);
    EXPECT_EQ(j["start"], "2025-03-12T09:30:00");
    EXPECT_EQ(j["advance"], 15);
    EXPECT_EQ(j["duration"], 0x10001);
    EXPECT_EQ(j["type"], "");
    EXPECT_EQ(j["typeIndex"], -1);
    EXPECT_EQ(j["flags"], 0);

    r = Run({"add", "Gym", "2025-03-12 18:00:30", "--daily", "2"});
    EXPECT_EQ(r.status, kExitOk);
    const auto gym = Run({"--json", "show", "2"}).WantsJson();
    EXPECT_EQ(gym["start"], "2025-03-12T18:00:30");
    std::string id = "id:" + std::to_string(gym["id"].get<uint32_t>());
    id.resize(13, ' ');
    EXPECT_EQ(r.out, "    2  " + id + "  3/12/25 6:00 PM  Gym  Every 2 days\n");

    // Bytes that are not UTF-8 come from a terminal in a Windows code page.
    r = Run({"--json", "add", "Caf\xE9", "2025-03-12 10:00", "--notes", "cr\xE8me"});
    EXPECT_EQ(r.WantsJson()["name"], "Caf\u00e9");
    EXPECT_EQ(r.WantsJson()["notes"], "cr\u00e8me");
}

TEST_F(Add, TheEditorsRulesRefuseWithTheEditorsMessages) {
    struct Case {
        std::vector<std::string> options;
        const char* message;
    };
    const Case cases[] = {
        {{"--daily", "0"}, "The recurrence pattern is not valid."},
        {{"--daily", "65536"}, "The recurrence pattern is not valid."},
        {{"--weekly", "1:"}, "The recurrence pattern is not valid."},
        {{"--monthly-day", "32:1"}, "The recurrence pattern is not valid."},
        {{"--daily", "1", "--ends", "2025-03-11 00:00:00"},
         "The end date cannot be less then the start date."},
        {{"--duration", "40000"}, "Please enter a shorter duration."},
        {{"--duration", "3 fortnights"}, "The duration you entered is not valid."},
        {{"--duration", "0"}, "The duration you entered is not valid."},
        {{"--advance", "x"}, "The duration you entered is not valid."},
        {{"--daily", "1", "--duration", "1 day"},
         "The duration of a repeat event cannot be longer then selected recurrence pattern."},
        {{"--daily", "1", "--advance", "1 day"},
         "The reminder for an occurrence cannot be set to appear before the previous"},
        {{"--type", "Chores"}, "There is no event type named \"Chores\"."},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"add", "x", "2025-03-12 09:00"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliResult r = Run(args);
        EXPECT_EQ(r.status, kExitFailure) << c.options[0];
        EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << c.options[0] << ": " << r.err;
        EXPECT_EQ(r.out, "");
    }
    const CliResult r = Run({"add", std::string(128, 'n'), "2025-03-12 09:00"});
    EXPECT_EQ(r.err, "The name is longer than 127 characters.\n");
    EXPECT_EQ(EventCount(), 0u);
}

TEST_F(Add, OptionsThatCannotBeReadAreUsageErrors) {
    struct Case {
        std::vector<std::string> options;
        const char* message;
    };
    const Case cases[] = {
        {{"--daily", "1", "--yearly"}, "Give at most one recurrence option."},
        {{"--weekly", "2:mon,xyz"}, "\"mon,xyz\" is not a list of weekdays"},
        {{"--weekly", "2"}, "\"2\" does not have the form N:DAYS."},
        {{"--daily", "two"}, "\"two\" does not have the form N."},
        {{"--monthly-nth", "fifth:fri:1"}, "\"fifth\" is not one of first, second"},
        {{"--yearly-nth", "last:fryday"}, "\"fryday\" is not a weekday"},
        {{"--ends", "2025-03-20"}, "--ends needs a recurrence option."},
        {{"--age"}, "--age needs a recurrence option."},
        {{"--ends", "soon", "--daily", "1"}, "\"soon\" is not a date and time"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"add", "x", "2025-03-12 09:00"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliResult r = Run(args);
        EXPECT_EQ(r.status, kExitUsage) << c.options[0];
        EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << c.options[0] << ": " << r.err;
    }
    EXPECT_EQ(EventCount(), 0u);
}

TEST_F(Add, ThePatternMovesTheStartToTheFirstOccurrence) {
    struct Case {
        std::vector<std::string> options;
        const char* start;
        uint32_t pattern;
        uint32_t param;
    };
    // 12 March 2025 is a Wednesday.
    const Case cases[] = {
        {{"--weekly", "1:mon,thu"}, "2025-03-13T10:00:00", 0x1200 | kMonday | kThursday, 1},
        {{"--monthly-day", "5:2"}, "2025-05-05T10:00:00", 0x1400, 5 << 16 | 2},
        {{"--monthly-nth", "last:fri:1"},
         "2025-03-28T10:00:00",
         0x2400 | kOrdLast | kFriday,
         28 << 16 | 1},
        {{"--yearly-nth", "first:mon"}, "2026-03-02T10:00:00", 0x2800 | kOrdFirst | kMonday, 12},
        {{"--yearly"}, "2025-03-12T10:00:00", 0x1800, 1},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"--json", "add", "x", "2025-03-12 10:00"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliResult r = Run(args);
        ASSERT_EQ(r.status, kExitOk) << c.options[0] << ": " << r.err;
        EXPECT_EQ(r.WantsJson()["start"], c.start) << c.options[0];
        EXPECT_EQ(r.WantsJson()["pattern"], c.pattern) << c.options[0];
        EXPECT_EQ(r.WantsJson()["param"], c.param) << c.options[0];
    }
}

TEST_F(Add, TellsWhatTheEditorWouldHaveAsked) {
    // Day 31 uses the last day of shorter months.
    CliResult r = Run({"--json", "add", "Rent", "2025-03-12 10:00", "--monthly-day", "31:1"});
    ASSERT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.err, "Some months has less then 31 days. Last day of month will be used.\n");
    EXPECT_EQ(r.WantsJson()["start"], "2025-03-31T10:00:00");

    EXPECT_EQ(r.WantsJson()["accepted"], false);
}

TEST_F(Add, AnEventStoredAsAcceptedEndsWithItsOwnStatus) {
    // Now is 8:00. The reminder of each falls before it: the event is stored as accepted, and a
    // script can tell from the status and the JSON that no reminder will come.
    const struct {
        std::vector<std::string> args;
        bool accepted;
    } cases[] = {
        {{"Missed", "2025-03-09 10:00"}, true},
        // The type's default advance (Payment: one day) puts the reminder in the past.
        {{"Rent", "2025-03-10 18:00", "--type", "Payment"}, true},
        {{"Soon", "2025-03-10 08:30", "--advance", "1 h"}, true},
        {{"Later", "2025-03-10 08:30", "--advance", "15 minutes"}, false},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"--json", "add"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliResult r = Run(args);
        EXPECT_EQ(r.status, c.accepted ? kExitStoredAccepted : kExitOk) << c.args[0] << r.err;
        EXPECT_EQ(r.WantsJson()["accepted"], c.accepted) << c.args[0];
        EXPECT_EQ(r.WantsJson()["flags"].get<uint32_t>() & kAccepted, c.accepted ? kAccepted : 0u)
            << c.args[0];
        EXPECT_EQ(r.err, c.accepted
                             ? "The reminder time has passed: the event is stored as accepted.\n"
                             : "")
            << c.args[0];
    }
    EXPECT_EQ(Run({"add", "Missed again", "2025-03-09 10:00"}).status, kExitStoredAccepted);
    EXPECT_EQ(EventCount(), 5u);
}

TEST_F(Add, ATypeBringsItsDefaults) {
    const CliResult r = Run({"--json", "add", "Mum", "2025-06-10 08:00", "--type", "birthday",
                             "--age", "--ends", "2030-06-10 00:00:00"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    const auto j = r.WantsJson();
    EXPECT_EQ(j["type"], "Birthday");
    EXPECT_EQ(j["typeIndex"], 3);
    EXPECT_EQ(j["pattern"], 0x1800);
    EXPECT_EQ(j["duration"], 0x20001);
    EXPECT_EQ(j["advance"], 0x20001);
    const uint32_t options = kRecurring | kAge | kHasEnd;
    EXPECT_EQ(j["flags"].get<uint32_t>() & options, options);
    EXPECT_EQ(j["end"], "2030-06-10T23:59:59");
    EXPECT_EQ(j["description"], "Every June 10");
}

class Change : public CliTest {
protected:
    // Adds an event and returns its key.
    int Add(std::vector<std::string> args) {
        args.insert(args.begin(), {"--json", "add"});
        const CliResult r = Run(args);
        EXPECT_TRUE(r.status == kExitOk || r.status == kExitStoredAccepted) << r.err;
        return r.WantsJson()["key"];
    }
    nlohmann::json Show(int key) {
        return Run({"--json", "show", std::to_string(key)}).WantsJson();
    }
};

TEST_F(Change, AcceptMarksAOneTimeEventAndRefusesTwice) {
    const int key = Add({"Call", "2025-03-10 09:00"});
    CliResult r = Run({"--json", "--at", "2025-03-10T09:05:00", "accept", std::to_string(key)});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    const int moved = r.WantsJson()["key"];
    EXPECT_NE(moved, key); // rewritten in new blocks
    EXPECT_EQ(r.WantsJson()["flags"].get<uint32_t>() & kAccepted, kAccepted);
    EXPECT_EQ(r.WantsJson()["lastShown"], "2025-03-10T09:05:00");

    r = Run({"accept", std::to_string(moved)});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.err, "The event is already accepted.\n");
    r = Run({"accept", std::to_string(key)});
    EXPECT_EQ(r.err, "No event has the key 1.\n");
}

TEST_F(Change, AnEventIsNamedByItsIdAsWellAsByItsKey) {
    const int key = Add({"Pills", "2025-03-10 09:00", "--daily", "1"});
    const uint32_t id = Show(key)["id"];
    const std::string byId = "id:" + std::to_string(id);

    // Snoozing rewrites the event: its key changes, its id stays.
    CliResult r = Run({"--json", "--at", "2025-03-10T09:00:00", "snooze", byId, "15 minutes"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    const int moved = r.WantsJson()["key"];
    EXPECT_NE(moved, key);
    EXPECT_EQ(r.WantsJson()["id"], id);
    r = Run({"--at", "2025-03-10T09:15:00", "accept", std::to_string(key)});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.err, "No event has the key " + std::to_string(key) + ".\n");
    r = Run({"--json", "--at", "2025-03-10T09:15:00", "accept", byId});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.WantsJson()["id"], id);

    // Every command that takes a key takes the id.
    const std::vector<std::vector<std::string>> commands = {
        {"show", byId},
        {"occurrences", byId, "2025-03-11", "2"},
        {"disable", byId},
        {"enable", byId},
        {"set-type", byId, "Call"},
        {"export", folder_.File("one.csv"), "--keys", byId},
    };
    for (const auto& c : commands) {
        std::vector<std::string> args{"--json"};
        args.insert(args.end(), c.begin(), c.end());
        r = Run(args);
        EXPECT_EQ(r.status, kExitOk) << c[0] << ": " << r.err;
        if (c[0] != "export") {
            EXPECT_EQ(r.WantsJson()["id"], id) << c[0];
        }
    }
    EXPECT_EQ(
        Run({"--json", "export", folder_.File("one.csv"), "--keys", byId}).WantsJson()["exported"],
        1);
    r = Run({"--json", "delete", byId});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.WantsJson()["id"], id);
    r = Run({"show", byId});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.err, "No event has the id " + std::to_string(id) + ".\n");
}

TEST_F(Change, AnIdThatSeveralEventsShareIsRefusedWithTheirKeys) {
    // Copies imported with duplicates allowed keep the id of the event they copy.
    EventRecord a = Event("Copy", At(2025, 3, 12, 9, 0));
    a.id = 4249615984;
    EventRecord other = Event("Other", At(2025, 3, 12, 9, 0));
    other.id = 5;
    Store({a, other, a});
    const CliResult r = Run({"accept", "id:4249615984"});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.err, "2 events have the id 4249615984: name one of them by its key (1, 3).\n");
    EXPECT_EQ(Run({"--json", "show", "id:5"}).WantsJson()["name"], "Other");
}

TEST_F(Change, SnoozeFollowsTheReminderWindowsRules) {
    const int key = Add({"Pills", "2025-03-10 09:00", "--daily", "1"});
    const std::string k = std::to_string(key);
    // Past the next day's reminder.
    CliResult r = Run({"--at", "2025-03-10T09:00:00", "snooze", k, "25 hours"});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.err.rfind("The snooze period for an occurrence cannot be set to appear after "
                          "the next occurrence.",
                          0),
              0u);
    // Nine minutes before an occurrence nine minutes away would be now.
    r = Run({"--at", "2025-03-10T08:51:00", "snooze", k, "9", "--before-start"});
    EXPECT_EQ(r.err.rfind("The snooze period for an occurrence cannot be set to appear before "
                          "start.",
                          0),
              0u);
    r = Run({"snooze", k, "0"});
    EXPECT_EQ(r.err, "The duration you entered is not valid.\n");

    r = Run({"--json", "--at", "2025-03-10T09:00:00", "snooze", k, "2 h"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.WantsJson()["snoozeUntil"], "2025-03-10T11:00:00");
    EXPECT_EQ(r.WantsJson()["snoozeChoice"], 0x10002);
    const int snoozed = r.WantsJson()["key"];

    r = Run({"--json", "--at", "2025-03-10T09:30:00", "unsnooze", std::to_string(snoozed)});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.WantsJson()["flags"].get<uint32_t>() & kSnoozed, 0u);
    r = Run({"unsnooze", std::to_string(r.WantsJson()["key"].get<int>())});
    EXPECT_EQ(r.err, "The event is not snoozed.\n");
}

TEST_F(Change, EnableDisableSetTypeAndDelete) {
    int key = Add({"Walk", "2025-03-12 09:00"});
    CliResult r = Run({"--json", "disable", std::to_string(key)});
    ASSERT_EQ(r.status, kExitOk);
    key = r.WantsJson()["key"];
    EXPECT_EQ(r.WantsJson()["flags"], kDisabled);
    EXPECT_EQ(Run({"accept", std::to_string(key)}).err,
              "The event is disabled: enable it first.\n");

    r = Run({"--json", "enable", std::to_string(key)});
    key = r.WantsJson()["key"];
    EXPECT_EQ(r.WantsJson()["flags"], 0);

    r = Run({"--json", "set-type", std::to_string(key), "meeting"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    key = r.WantsJson()["key"];
    EXPECT_EQ(r.WantsJson()["type"], "Meeting");
    EXPECT_EQ(r.WantsJson()["typeIndex"], 7);
    EXPECT_EQ(Run({"set-type", std::to_string(key), "Chores"}).err,
              "There is no event type named \"Chores\".\n");

    const uint32_t id = r.WantsJson()["id"];
    r = Run({"--json", "delete", std::to_string(key)});
    EXPECT_EQ(r.WantsJson(),
              nlohmann::json::parse(R"({"key":)" + std::to_string(key) + R"(,"id":)" +
                                    std::to_string(id) + R"(,"deleted":true})"));
    EXPECT_EQ(Run({"--json", "list"}).WantsJson()["events"].size(), 0u);
}

TEST_F(Change, PurgeDeletesOnlyAcceptedOneTimeEvents) {
    Add({"Old", "2025-03-01 09:00"}); // stored accepted: its time has passed
    const uint32_t old = Show(1)["id"];
    Add({"New", "2025-03-20 09:00"});
    Add({"Daily", "2025-03-01 09:00", "--daily", "1"});
    const CliResult r = Run({"--json", "purge"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.WantsJson(),
              nlohmann::json::parse(R"({"deleted":[1],"ids":[)" + std::to_string(old) + "]}"));
    EXPECT_EQ(Run({"--json", "list"}).WantsJson()["events"].size(), 2u);
}

TEST_F(Change, QuickRunStoresTheQuickRemindersEvent) {
    QuickList quick;
    QuickReminder q;
    q.menuName = "Tea";
    q.eventName = "Tea is ready";
    q.typeName = "Alarm";
    q.offset = TimeAmount(0x10002); // 2 hours
    ASSERT_TRUE(quick.AddWithDefaultIcon(q));
    const auto bytes = SerializeQuickFile(quick);
    ASSERT_EQ(WriteFileAtomically(folder_.File("Zantimo.QE0"), bytes), FileCause::None);

    CliResult r = Run({"--json", "quick"});
    EXPECT_EQ(r.WantsJson()["quick"][0]["menuName"], "Tea");
    r = Run({"--json", "--at", "2025-03-10T10:15:30", "quick-run", "0"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.WantsJson()["name"], "Tea is ready");
    EXPECT_EQ(r.WantsJson()["start"], "2025-03-10T12:15:30");
    EXPECT_EQ(r.WantsJson()["snoozeUntil"], "2025-03-10T12:15:30");
    EXPECT_EQ(r.WantsJson()["typeIndex"], 0);

    r = Run({"quick-run", "1"});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.err, "There is no quick reminder 1.\n");
    EXPECT_EQ(Run({"quick-run", "25"}).status, kExitUsage);
}

TEST_F(Change, ALibraryHeldByTheProgramRefusesChangesButCanBeRead) {
    Add({"Walk", "2025-03-12 09:00"});
    EventLibrary program;
    ASSERT_EQ(program.Open(LibraryPath(), FileMode::ReadWrite), LibraryResult::Ok);

    env_.lockWait = std::chrono::milliseconds(0);
    CliResult r = Run({"add", "Run", "2025-03-12 10:00"});
    EXPECT_EQ(r.status, kExitBusy);
    EXPECT_EQ(r.err, "The library " + LibraryPath() +
                         " is in use by another program.\nClose the other program and try "
                         "again.\n");
    r = Run({"--json", "list"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.WantsJson()["events"].size(), 1u);
}

TEST_F(Change, AnOldLibraryIsLeftToTheProgramToConvert) {
    Add({"Walk", "2025-03-12 09:00"});
    std::fstream f(LibraryPath(), std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(libfmt::kVersionAt);
    f.write("\x05\x00\x02\x00", 4); // 0x00020005
    f.close();
    CliResult r = Run({"delete", "1"});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.err, "Invalid library version\n");
    r = Run({"list"});
    EXPECT_EQ(r.err, "Invalid library version\n");
    EXPECT_TRUE(std::filesystem::exists(LibraryPath()));
}

} // namespace
} // namespace zm::testing
