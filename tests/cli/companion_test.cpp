// The companion's changing commands carried out by the running program.

#include "cli/companion_link.h"
#include "cli/companion_service.h"
#include "cli_fixture.h"
#include "support/hosted_program.h"

namespace zm::testing {
namespace {

class Companion : public CliTest {
protected:
    // The program's data folder, with the same start as the companion's own folder.
    TempFolder programFolder;
};

TEST_F(Companion, TheProgramPrintsWhatTheCompanionWouldHavePrinted) {
    HostedProgram program(programFolder.path(), now);
    ASSERT_EQ(program.opened, LibraryResult::Ok);
    CompanionService service(program.env);
    auto both = [&](std::vector<std::string> args) {
        const CliResult direct = run(args);
        const CompanionAnswer hosted =
            service.Serve({RequestKind::Run, args, folder.path(), programFolder.path()});
        EXPECT_EQ(hosted.Outcome, AnswerOutcome::Done);
        EXPECT_EQ(hosted.Status, direct.status) << args[1];
        EXPECT_EQ(hosted.Out, direct.out) << args[1];
        EXPECT_EQ(hosted.Err, direct.err) << args[1];
        return direct;
    };
    const auto call = both({"--json", "add", "Call", "2025-03-10 07:00"}).json()["key"];
    const auto pills =
        both({"--json", "add", "Pills", "2025-03-10 09:00", "--daily", "1"}).json()["key"];
    const std::string k1 = std::to_string(call.get<int>());
    const std::string k2 = std::to_string(pills.get<int>());
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--json", "accept", k1},
             {"--json", "snooze", k2, "15 minutes"},
             {"--json", "unsnooze", k2},
             {"--json", "disable", k2},
             {"--json", "enable", k2},
             {"--json", "set-type", k2, "Nope"},
             {"--json", "delete", "3999"},
             {"--json", "purge"},
             {"--json", "quick-run", "0"},
             {"--json", "import", "missing.csv"},
         })
        both(args);
    // The program's list heard every change, and the program's prompts are back.
    EXPECT_EQ(program.list.heard.front(), "insert Call");
    EXPECT_EQ(program.list.heard.back(), "remove " + k1); // the purge
    EXPECT_EQ(program.store.prompts(), nullptr);
}

TEST_F(Companion, RefusedRequestsChangeNothing) {
    HostedProgram program(programFolder.path(), now);
    CompanionService service(program.env);
    bool busy = false;
    service.Busy = [&busy] { return busy; };
    const std::string parent = std::filesystem::path(programFolder.path()).parent_path();
    const std::string name = std::filesystem::path(programFolder.path()).filename();
    const struct {
        std::vector<std::string> args;
        bool busy;
        AnswerOutcome outcome;
        int status;
        const char* says;
    } cases[] = {
        {{"list"}, false, AnswerOutcome::Refused, 2, "only the commands that change"},
        {{"add"}, false, AnswerOutcome::Refused, 2, "only the commands that change"},
        {{"--at", "2025-03-10T08:00:00", "purge"},
         false,
         AnswerOutcome::Refused,
         2,
         "--at cannot be given while Zantimore runs"},
        {{"--work-week", "31", "purge"}, false, AnswerOutcome::Refused, 2, "--work-week"},
        {{"--check-weekend", "on", "purge"}, false, AnswerOutcome::Refused, 2, "--check-weekend"},
        {{"purge"}, true, AnswerOutcome::Refused, 1, "busy"},
        {{"--data", folder.path(), "add", "X", "2025-03-10 09:00"},
         false,
         AnswerOutcome::Elsewhere,
         0,
         ""},
    };
    for (const auto& c : cases) {
        busy = c.busy;
        const CompanionAnswer a =
            service.Serve({RequestKind::Run, c.args, parent, programFolder.path()});
        EXPECT_EQ(a.Outcome, c.outcome) << c.args.back();
        EXPECT_EQ(a.Status, c.status) << c.args.back();
        EXPECT_NE(a.Err.find(c.says), std::string::npos) << a.Err;
        EXPECT_EQ(a.Out, "");
    }
    EXPECT_EQ(program.store.library().countEvents(), 0);
    EXPECT_TRUE(program.list.heard.empty());
    EXPECT_FALSE(std::filesystem::exists(libraryPath())); // the other folder was left alone

    // A relative data folder is taken in the companion's folder: the program's own.
    busy = false;
    const CompanionAnswer a = service.Serve(
        {RequestKind::Run, {"--data", name, "add", "X", "2025-03-10 09:00"}, parent, ""});
    EXPECT_EQ(a.Outcome, AnswerOutcome::Done) << a.Err;
    EXPECT_EQ(program.store.library().countEvents(), 1);
}

TEST_F(Companion, TheCompanionAsksTheProgramOnlyForChangesAndFallsBackWhenNoneRuns) {
    const std::string okAnswer =
        EncodeAnswer({AnswerOutcome::Done, 3, "from the program\n", "note\n"});
    const struct {
        const char* name;
        std::vector<std::string> args;
        ExchangeResult exchange;
        bool asked;
        int status;
        const char* out;
        const char* err;
    } cases[] = {
        {"reading", {"list"}, {}, false, 0, "", ""},
        {"usage error", {"accept"}, {}, false, 2, "", "Wrong number of arguments"},
        {"no program", {"purge"}, {ExchangeStatus::NoServer, "", ""}, true, 0, "", ""},
        {"answered",
         {"purge"},
         {ExchangeStatus::Answered, okAnswer, ""},
         true,
         3,
         "from the program\n",
         "note\n"},
        {"elsewhere",
         {"purge"},
         {ExchangeStatus::Answered, EncodeAnswer({AnswerOutcome::Elsewhere, 0, "", ""}), ""},
         true,
         0,
         "",
         ""},
        {"broken",
         {"purge"},
         {ExchangeStatus::Failed, "", "Connection reset by peer"},
         true,
         1,
         "",
         "running but did not answer: Connection reset by peer"},
        {"garbage", {"purge"}, {ExchangeStatus::Answered, "{}", ""}, true, 1, "", "did not answer"},
    };
    for (const auto& c : cases) {
        std::optional<CompanionRequest> sent;
        const Exchange exchange = [&](std::string_view payload) {
            sent = DecodeRequest(payload).Request;
            return c.exchange;
        };
        std::ostringstream out, err;
        const int status = RunCompanion(c.args, env, "/work/here", exchange, out, err);
        EXPECT_EQ(sent.has_value(), c.asked) << c.name;
        EXPECT_EQ(status, c.status) << c.name;
        EXPECT_EQ(out.str(), c.out) << c.name;
        EXPECT_NE(err.str().find(c.err), std::string::npos) << c.name << ": " << err.str();
        if (sent) {
            EXPECT_EQ(sent->Arguments, c.args);
            EXPECT_EQ(sent->WorkingFolder, "/work/here");
            EXPECT_EQ(sent->DataFolder, folder.path());
        }
    }
    EXPECT_EQ(RequestForProgram(std::vector<std::string>{"purge"}, "/w", "data")->DataFolder,
              "/w/data");
}

} // namespace
} // namespace zm::testing
