// The built companion against a running program's socket: its changing commands are carried
// out by the program, and it prints what it would have printed on its own.

#include "adapters/ipc/qt_single_instance.h"
#include "adapters/local/local_socket.h"
#include "adapters/local/runtime_folder.h"
#include "cli/companion_service.h"
#include "support/hosted_program.h"
#include "support/temp_folder.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#ifdef ZM_CLI_BINARY

namespace zm::testing {
namespace {

struct Printed {
    int status = -1;
    std::string out, err;
};

// Runs the companion while the event loop keeps serving the program's socket.
Printed RunCompanionProgram(const std::string& runtime, const std::string& data,
                            const std::string& config, const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime));
    env.insert("ZANTIMORE_HOME", QString::fromStdString(data));
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(config));
    env.insert("LC_ALL", "C.UTF-8");
    process.setProcessEnvironment(env);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    process.start(ZM_CLI_BINARY, args);
    loop.exec();
    Printed p;
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        return p;
    }
    p.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    p.out = process.readAllStandardOutput().toStdString();
    p.err = process.readAllStandardError().toStdString();
    return p;
}

TEST(CompanionEndToEnd, TheRunningProgramCarriesOutTheCompanionsChanges) {
    int argc = 1;
    char name[] = "platform_ipc_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication* app = QCoreApplication::instance();
    std::unique_ptr<QCoreApplication> own;
    if (!app) own = std::make_unique<QCoreApplication>(argc, argv);

    TempFolder runtime, data, twin, config;
    ::chmod(runtime.Path().c_str(), 0700);
    const DateTime now = DateTime::FromParts(2025, 3, 10, 8, 0, 0);
    HostedProgram program(data.Path(), now);
    ASSERT_EQ(program.opened, LibraryResult::Ok);
    CompanionService service(program.env);
    QtSingleInstance instance(RuntimeFolderFor(runtime.Path().c_str(), ::getuid(), "/tmp"));
    ASSERT_EQ(instance.Start(), InstanceStart::First) << instance.Problem();
    instance.companionRequested = [&service](const CompanionRequest& r) {
        return service.Serve(r);
    };

    // The same commands on a twin folder, run by the companion's own code with the same clock.
    HostedProgram alone(twin.Path(), now);
    alone.env.host = nullptr;
    alone.store.Close();
    auto direct = [&](const std::vector<std::string>& args) {
        std::ostringstream out, err;
        Printed p;
        p.status = RunCli(args, alone.env, out, err);
        p.out = out.str();
        p.err = err.str();
        return p;
    };

    const std::vector<std::vector<std::string>> commands = {
        {"--json", "add", "Dentist", "2025-03-12 09:30", "--weekly", "1:wed"},
        {"add", "Call", "2025-03-10 07:00"},
        {"accept", "2"},
        {"--json", "accept", "99"},
    };
    for (const auto& args : commands) {
        QStringList list;
        for (const auto& a : args)
            list << QString::fromStdString(a);
        const Printed viaProgram =
            RunCompanionProgram(runtime.Path(), data.Path(), config.Path(), list);
        const Printed own = direct(args);
        EXPECT_EQ(viaProgram.status, own.status) << args[1];
        EXPECT_EQ(viaProgram.out, own.out) << args[1];
        EXPECT_EQ(viaProgram.err, own.err) << args[1];
        // A new event whose reminder time has passed is told by the status on both ways.
        if (args[1] == "Call") {
            EXPECT_EQ(viaProgram.status, kExitStoredAccepted);
        }
    }
    EXPECT_EQ(program.list.heard.front(), "insert Dentist");

    // A reading command reads the file while the program holds it.
    const Printed listed =
        RunCompanionProgram(runtime.Path(), data.Path(), config.Path(), {"--json", "list"});
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_NE(listed.out.find("\"Dentist\""), std::string::npos);

    // The program keeps its own clock: the change is refused and nothing is stored.
    const int before = program.store.Library().CountEvents();
    const Printed refused =
        RunCompanionProgram(runtime.Path(), data.Path(), config.Path(),
                            {"--at", "2025-03-10T08:00:00", "add", "Late", "2025-03-10 09:00"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("--at cannot be given while Zantimore runs"), std::string::npos);
    EXPECT_EQ(program.store.Library().CountEvents(), before);

    // A request given again with its identity is answered with its first answer: the change
    // is made once.
    const int count = program.store.Library().CountEvents();
    CompanionRequest again{RequestKind::Run,
                           {"--json", "add", "Twice", "2099-03-11 09:00"},
                           data.Path(),
                           data.Path(),
                           "7f3a"};
    std::vector<ExchangeResult> answers;
    for (int i = 0; i < 2; ++i) {
        QEventLoop loop;
        std::thread client([&] {
            answers.push_back(ExchangeOverSocket(instance.SocketPath(), EncodeRequest(again),
                                                 std::chrono::seconds(10), kMaxAnswerBytes));
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        loop.exec();
        client.join();
    }
    ASSERT_EQ(answers.size(), 2u);
    const auto first = DecodeAnswer(answers[0].payload);
    const auto second = DecodeAnswer(answers[1].payload);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(second->out, first->out);
    EXPECT_NE(second->err.find("did not carry it out again"), std::string::npos) << second->err;
    EXPECT_EQ(program.store.Library().CountEvents(), count + 1);

    // Without the program the companion changes the file itself.
    instance.Stop();
    program.store.Close();
    const Printed alone2 = RunCompanionProgram(runtime.Path(), data.Path(), config.Path(),
                                               {"add", "Solo", "2099-03-11 09:00"});
    EXPECT_EQ(alone2.status, 0) << alone2.err;
}

} // namespace
} // namespace zm::testing

#endif
