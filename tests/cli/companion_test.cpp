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
    TempFolder programFolder_;
};

TEST_F(Companion, TheProgramPrintsWhatTheCompanionWouldHavePrinted) {
    HostedProgram program(programFolder_.Path(), now_);
    ASSERT_EQ(program.opened, LibraryResult::Ok);
    CompanionService service(program.env);
    auto both = [&](std::vector<std::string> args) {
        const CliResult direct = Run(args);
        const CompanionAnswer hosted =
            service.Serve({RequestKind::Run, args, folder_.Path(), programFolder_.Path(), {}});
        EXPECT_EQ(hosted.outcome, AnswerOutcome::Done);
        EXPECT_EQ(hosted.status, direct.status) << args[1];
        EXPECT_EQ(hosted.out, direct.out) << args[1];
        EXPECT_EQ(hosted.err, direct.err) << args[1];
        return direct;
    };
    // Its reminder time has passed: stored as accepted, with its own status on both ways.
    const CliResult missed = both({"--json", "add", "Call", "2025-03-10 07:00"});
    EXPECT_EQ(missed.status, kExitStoredAccepted);
    EXPECT_EQ(missed.WantsJson()["accepted"], true);
    const auto call = missed.WantsJson()["key"];
    const auto pills =
        both({"--json", "add", "Pills", "2025-03-10 09:00", "--daily", "1"}).WantsJson()["key"];
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
    EXPECT_EQ(program.store.Prompts(), nullptr);
}

TEST_F(Companion, RefusedRequestsChangeNothing) {
    HostedProgram program(programFolder_.Path(), now_);
    CompanionService service(program.env);
    bool busy = false;
    service.busy = [&busy] { return busy; };
    const std::string parent = std::filesystem::path(programFolder_.Path()).parent_path();
    const std::string name = std::filesystem::path(programFolder_.Path()).filename();
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
        {{"--data", folder_.Path(), "add", "X", "2025-03-10 09:00"},
         false,
         AnswerOutcome::Elsewhere,
         0,
         ""},
    };
    for (const auto& c : cases) {
        busy = c.busy;
        const CompanionAnswer a =
            service.Serve({RequestKind::Run, c.args, parent, programFolder_.Path(), {}});
        EXPECT_EQ(a.outcome, c.outcome) << c.args.back();
        EXPECT_EQ(a.status, c.status) << c.args.back();
        EXPECT_NE(a.err.find(c.says), std::string::npos) << a.err;
        EXPECT_EQ(a.out, "");
    }
    EXPECT_EQ(program.store.Library().CountEvents(), 0);
    EXPECT_TRUE(program.list.heard.empty());
    EXPECT_FALSE(std::filesystem::exists(LibraryPath())); // the other folder was left alone

    // A relative data folder is taken in the companion's folder: the program's own.
    busy = false;
    const CompanionAnswer a = service.Serve(
        {RequestKind::Run, {"--data", name, "add", "X", "2025-03-10 09:00"}, parent, "", {}});
    EXPECT_EQ(a.outcome, AnswerOutcome::Done) << a.err;
    EXPECT_EQ(program.store.Library().CountEvents(), 1);
}

TEST_F(Companion, ARequestGivenAgainGetsItsFirstAnswerInsteadOfASecondChange) {
    HostedProgram program(programFolder_.Path(), now_);
    CompanionService service(program.env);
    AnswerMemory::Clock::time_point clock{};
    service.clock = [&clock] { return clock; };
    bool busy = false;
    service.busy = [&busy] { return busy; };
    auto serve = [&](std::vector<std::string> args, std::string identity) {
        return service.Serve({RequestKind::Run, std::move(args), programFolder_.Path(),
                              programFolder_.Path(), std::move(identity)});
    };
    const std::vector<std::string> add = {"--json", "add", "Dentist", "2025-03-12 09:30"};
    const std::string before = "Zantimore had carried out this command when it was given before";

    const CompanionAnswer first = serve(add, "a1");
    ASSERT_EQ(first.status, kExitOk) << first.err;
    clock += std::chrono::minutes(14);
    const CompanionAnswer again = serve(add, "a1");
    EXPECT_EQ(again.status, first.status);
    EXPECT_EQ(again.out, first.out);
    EXPECT_EQ(again.err.rfind(before, 0), 0u) << again.err;
    EXPECT_EQ(program.store.Library().CountEvents(), 1);

    // Another identity, no identity, another command under the same identity, or the same one
    // after the memory let it go: each is a change of its own.
    const struct {
        std::vector<std::string> args;
        const char* identity;
        int minutesLater;
    } cases[] = {
        {add, "a2", 0},
        {add, "", 0},
        {{"--json", "add", "Dentist", "2025-03-13 09:30"}, "a1", 0},
        {add, "a1", 1},
    };
    int events = 1;
    for (const auto& c : cases) {
        clock += std::chrono::minutes(c.minutesLater);
        const CompanionAnswer a = serve(c.args, c.identity);
        EXPECT_EQ(a.status, kExitOk) << c.identity << a.err;
        EXPECT_EQ(a.err.find(before), std::string::npos) << c.identity;
        EXPECT_EQ(program.store.Library().CountEvents(), ++events) << c.identity;
    }

    // A refusal changed nothing: the request given again is carried out.
    busy = true;
    EXPECT_EQ(serve(add, "b1").outcome, AnswerOutcome::Refused);
    busy = false;
    EXPECT_EQ(serve(add, "b1").outcome, AnswerOutcome::Done);
    EXPECT_EQ(program.store.Library().CountEvents(), ++events);
}

TEST_F(Companion, AChangeLeftWithoutAnswerMayBeStoredAndTheSameCommandKeepsItsIdentity) {
    int64_t seconds = 1'000'000;
    const RequestJournal journal(folder_.File("unanswered"), [&seconds] { return seconds; });
    ExchangeResult result;
    std::vector<std::string> identities;
    const Exchange exchange = [&](std::string_view payload) {
        identities.push_back(DecodeRequest(payload).request.identity);
        return result;
    };
    auto run = [&](std::vector<std::string> args) {
        std::ostringstream out, err;
        CliResult r;
        r.status = RunCompanion(args, env_, "/work/here", exchange, out, err, &journal);
        r.out = out.str();
        r.err = err.str();
        return r;
    };
    const std::vector<std::string> add = {"add", "Dentist", "2025-03-12 09:30"};
    const std::string answered =
        EncodeAnswer({AnswerOutcome::Done, 0, "    1  id:7  Dentist\n", ""});

    // The program got the request but did not answer in time: the outcome is unknown.
    result = {ExchangeStatus::Failed, "", "Connection timed out", true};
    CliResult r = run(add);
    EXPECT_EQ(r.status, kExitUnknownOutcome);
    EXPECT_EQ(r.err, "Zantimore is running but did not answer: Connection timed out. The change "
                     "may have been stored; `list` shows whether it was.\n");
    ASSERT_EQ(identities.size(), 1u);
    EXPECT_EQ(identities[0].size(), 32u);
    // The same command given again goes with the same identity, until it is answered; another
    // command gets its own.
    result = {ExchangeStatus::Failed, "", "Connection reset by peer", true};
    seconds += 599;
    EXPECT_EQ(run(add).status, kExitUnknownOutcome);
    run({"add", "Dentist", "2025-03-12 09:45"});
    // Refused as busy: the first request may still wait in the program's queue.
    result = {ExchangeStatus::Answered,
              EncodeAnswer({AnswerOutcome::Refused, 1, "", "Zantimore is busy\n"}), "", true};
    EXPECT_EQ(run(add).status, kExitFailure);
    result = {ExchangeStatus::Answered, answered, "", true};
    EXPECT_EQ(run(add).status, kExitOk);
    EXPECT_EQ(run(add).status, kExitOk);
    ASSERT_EQ(identities.size(), 6u);
    EXPECT_EQ(identities[1], identities[0]);
    EXPECT_NE(identities[2], identities[0]);
    EXPECT_EQ(identities[3], identities[0]);
    EXPECT_EQ(identities[4], identities[0]);
    EXPECT_NE(identities[5], identities[0]); // answered: a new command from now on

    // A request that never left changed nothing: the old message and status, nothing noted.
    result = {ExchangeStatus::Failed, "", "Operation not permitted", false};
    r = run(add);
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.err, "Zantimore is running but did not answer: Operation not permitted\n");
    // A note older than the window is let go.
    result = {ExchangeStatus::Failed, "", "Connection timed out", true};
    run(add);
    seconds += RequestJournal::kWindow.count();
    run(add);
    ASSERT_EQ(identities.size(), 9u);
    EXPECT_NE(identities[8], identities[7]);
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
            sent = DecodeRequest(payload).request;
            return c.exchange;
        };
        std::ostringstream out, err;
        const int status = RunCompanion(c.args, env_, "/work/here", exchange, out, err);
        EXPECT_EQ(sent.has_value(), c.asked) << c.name;
        EXPECT_EQ(status, c.status) << c.name;
        EXPECT_EQ(out.str(), c.out) << c.name;
        EXPECT_NE(err.str().find(c.err), std::string::npos) << c.name << ": " << err.str();
        if (sent) {
            EXPECT_EQ(sent->arguments, c.args);
            EXPECT_EQ(sent->workingFolder, "/work/here");
            EXPECT_EQ(sent->dataFolder, folder_.Path());
        }
    }
    EXPECT_EQ(RequestForProgram(std::vector<std::string>{"purge"}, "/w", "data")->dataFolder,
              "/w/data");
}

} // namespace
} // namespace zm::testing
