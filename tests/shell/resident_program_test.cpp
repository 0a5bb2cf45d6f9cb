// The whole program put together in this process, in its own folders: it starts, answers the
// companion over its socket, sends a second start away to its own main window, and ends.

#include "adapters/ipc/qt_single_instance.h"
#include "adapters/local/local_socket.h"
#include "adapters/local/runtime_folder.h"
#include "ipc_protocol/companion_protocol.h"
#include "platform/data_folder.h"
#include "shell/resident_program.h"
#include "support/temp_folder.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

#ifdef ZM_PROGRAM_BINARY

namespace zm::testing {
namespace {

// Runs the event loop until `done` holds, for at most `ms`.
template <typename Done> bool LoopUntil(Done done, int ms = 20000) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    poll.start(10);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

QWidget* MainWindowShown() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("zm::MainWindow") && w->isVisible()) return w;
    return nullptr;
}

TEST(ResidentProgram, StartsServesTheCompanionRefusesASecondStartAndEndsCleanly) {
    TempFolder home;
    const std::string runtime = home.File("runtime");
    std::filesystem::create_directory(runtime);
    ::chmod(runtime.c_str(), 0700);
    ::setenv("HOME", home.Path().c_str(), 1);
    ::setenv("ZANTIMORE_HOME", home.File("data").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", home.File("config").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", home.File("cache").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);

    int argc = 1;
    char name[] = "shell_tests";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Orvendal");
    QApplication::setApplicationName("Zantimore Pro");
    QApplication::setQuitOnLastWindowClosed(false);

    // The first start's box (the library is created) is answered as the user does.
    int boxesAnswered = 0;
    QTimer answerBoxes;
    QObject::connect(&answerBoxes, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->accept();
            ++boxesAnswered;
        }
    });
    answerBoxes.start(20);
    auto program = std::make_unique<ResidentProgram>(app);
    int status = -1;
    ASSERT_TRUE(program->Start(status));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(boxesAnswered, 1);
    answerBoxes.stop();
    QApplication::processEvents();

    // A changing command of the companion, carried out by the program through the real socket.
    const std::string socketPath = PathInFolder(RuntimeFolder(), kInstanceSocketName);
    const CompanionRequest request{RequestKind::Run,
                                   {"add", "Dentist", "2099-03-12 09:30"},
                                   home.Path(),
                                   home.File("data"),
                                   {}};
    ExchangeResult exchanged;
    std::atomic<bool> answered = false;
    std::thread client([&] {
        exchanged = ExchangeOverSocket(socketPath, EncodeRequest(request), std::chrono::seconds(10),
                                       kMaxAnswerBytes);
        answered = true;
    });
    LoopUntil([&] { return answered.load(); });
    client.join();
    ASSERT_EQ(exchanged.status, ExchangeStatus::Answered) << exchanged.problem;
    const std::optional<CompanionAnswer> answer = DecodeAnswer(exchanged.payload);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->outcome, AnswerOutcome::Done);
    EXPECT_EQ(answer->status, 0) << answer->err;

    // A second start asks this one for its main window and ends at once.
    QWidget* window = MainWindowShown();
    ASSERT_NE(window, nullptr);
    window->close();
    ASSERT_TRUE(LoopUntil([] { return MainWindowShown() == nullptr; }));
    QProcess second;
    second.start(ZM_PROGRAM_BINARY, {});
    ASSERT_TRUE(LoopUntil([&] { return second.state() == QProcess::NotRunning; }));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    EXPECT_TRUE(LoopUntil([] { return MainWindowShown() != nullptr; }));

    // The end: the socket and the lock are given up, so the next start is the first again.
    program->Exit();
    program.reset();
    EXPECT_FALSE(std::filesystem::exists(socketPath));
    QtSingleInstance next(RuntimeFolder());
    EXPECT_EQ(next.Start(), InstanceStart::First) << next.Problem();
    next.Stop();
}

} // namespace
} // namespace zm::testing

#endif
