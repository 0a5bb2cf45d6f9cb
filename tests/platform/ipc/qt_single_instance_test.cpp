#include "ipc_protocol/companion_protocol.h"
#include "platform/ipc/qt_single_instance.h"
#include "platform/local/local_socket.h"
#include "support/temp_folder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <atomic>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace zm {
namespace {

using namespace std::chrono_literals;
using testing::TempFolder;

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "platform_ipc_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

// Runs `work` on a thread of its own while the event loop serves, until it is done.
template <typename Work> void WhileServing(Work work) {
    App();
    std::atomic<bool> done = false;
    std::thread thread([&] {
        work();
        done = true;
    });
    QElapsedTimer timer;
    timer.start();
    while (!done && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    thread.join();
    QCoreApplication::processEvents(); // queued calls
}

TEST(SingleInstance, ASecondStartAsksTheFirstToRestoreAndEndsWithinASecond) {
    App();
    TempFolder tmp;
    const std::string folder = tmp.File("zantimore");
    QtSingleInstance first(folder);
    ASSERT_EQ(first.Start(), InstanceStart::First) << first.Problem();
    struct stat st {};
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    int restores = 0;
    first.restoreRequested = [&restores] { ++restores; };

    InstanceStart second = InstanceStart::First;
    std::chrono::steady_clock::duration took{};
    WhileServing([&] {
        const auto start = std::chrono::steady_clock::now();
        QtSingleInstance copy(folder);
        second = copy.Start();
        took = std::chrono::steady_clock::now() - start;
    });
    EXPECT_EQ(second, InstanceStart::AnotherRuns);
    EXPECT_LT(took, 1s);
    EXPECT_EQ(restores, 1);

    // Once the first copy ends, the next start is the first again.
    first.Stop();
    QtSingleInstance next(folder);
    EXPECT_EQ(next.Start(), InstanceStart::First);
}

TEST(SingleInstance, TheSocketOfACrashedCopyIsReplaced) {
    App();
    TempFolder tmp;
    const std::string folder = tmp.File("zantimore");
    ::mkdir(folder.c_str(), 0700);
    const std::string path = folder + "/socket";
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd); // the copy died; its socket file stays, and its lock went with it

    QtSingleInstance copy(folder);
    ASSERT_EQ(copy.Start(), InstanceStart::First) << copy.Problem();
    bool restored = false;
    copy.restoreRequested = [&restored] { restored = true; };
    ExchangeResult r;
    WhileServing([&] {
        r = ExchangeOverSocket(path, EncodeRequest({RequestKind::Restore, {}, {}, {}}), 2s, 4096);
    });
    EXPECT_EQ(r.status, ExchangeStatus::Answered);
    EXPECT_TRUE(restored);
}

TEST(SingleInstance, AnOversizedRequestIsRefusedUnread) {
    App();
    TempFolder tmp;
    QtSingleInstance program(tmp.File("zantimore"));
    ASSERT_EQ(program.Start(), InstanceStart::First);
    int commands = 0;
    program.companionRequested = [&commands](const CompanionRequest&) {
        ++commands;
        return CompanionAnswer{};
    };
    // A request past the size limit is refused as soon as its length is known.
    ExchangeResult r;
    WhileServing([&] {
        r = ExchangeOverSocket(program.SocketPath(), std::string(kMaxRequestBytes + 1, ' '), 5s,
                               4096);
    });
    ASSERT_EQ(r.status, ExchangeStatus::Answered) << r.problem;
    const auto answer = DecodeAnswer(r.payload);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->outcome, AnswerOutcome::Refused);
    EXPECT_NE(answer->err.find("larger than"), std::string::npos) << answer->err;
    EXPECT_EQ(commands, 0);
}

// A command that runs longer than the wait for a request, letting the event loop go on meanwhile
// (as a long import does), is still answered: the connection stays until it has answered.
TEST(SingleInstance, ALongCommandThatLetsTheLoopGoOnIsAnswered) {
    App();
    TempFolder tmp;
    QtSingleInstance program(tmp.File("zantimore"));
    ASSERT_EQ(program.Start(), InstanceStart::First);
    program.companionRequested = [](const CompanionRequest&) {
        QElapsedTimer busy;
        busy.start();
        while (busy.elapsed() < QtSingleInstance::kRequestWait.count() + 300)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        return CompanionAnswer{AnswerOutcome::Done, 0, "done\n", ""};
    };
    const CompanionRequest request{RequestKind::Run, {"import", "big.csv"}, "/w", "/d"};
    ExchangeResult r;
    WhileServing([&] {
        r = ExchangeOverSocket(program.SocketPath(), EncodeRequest(request), 9s, kMaxAnswerBytes);
    });
    ASSERT_EQ(r.status, ExchangeStatus::Answered) << r.problem;
    const auto answer = DecodeAnswer(r.payload);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->out, "done\n");
}

} // namespace
} // namespace zm
