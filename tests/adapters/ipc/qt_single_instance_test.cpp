#include "adapters/ipc/companion_connection.h"
#include "adapters/ipc/qt_single_instance.h"
#include "adapters/local/accept_gate.h"
#include "adapters/local/local_socket.h"
#include "ipc_protocol/companion_protocol.h"
#include "support/temp_folder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <atomic>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
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
        r = ExchangeOverSocket(path, EncodeRequest({RequestKind::Restore, {}, {}, {}, {}}), 2s,
                               4096);
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

TEST(SingleInstance, ARequestWhosePeerGaveUpIsNotCarriedOut) {
    App();
    TempFolder tmp;
    QtSingleInstance program(tmp.File("zantimore"));
    ASSERT_EQ(program.Start(), InstanceStart::First);
    std::vector<std::string> carriedOut;
    program.companionRequested = [&carriedOut](const CompanionRequest& r) {
        carriedOut.push_back(r.arguments.back());
        return CompanionAnswer{};
    };
    // As when the program was stopped: the companion sends its request, waits in vain and
    // closes; the program reads the request only afterwards.
    auto send = [&](const std::string& name, bool close) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s",
                      program.SocketPath().c_str());
        EXPECT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        const std::string frame =
            Frame(EncodeRequest({RequestKind::Run, {"add", name}, "/w", "/d", "identity" + name}));
        EXPECT_EQ(::send(fd, frame.data(), frame.size(), MSG_NOSIGNAL),
                  static_cast<ssize_t>(frame.size()));
        if (close) ::close(fd);
        return fd;
    };
    send("gone", true);
    const int waiting = send("waiting", false);
    QElapsedTimer timer;
    timer.start();
    while (carriedOut.empty() && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::processEvents();
    EXPECT_EQ(carriedOut, std::vector<std::string>{"waiting"});
    ::close(waiting);
}

// A client that connects without waiting; -1 while the program's queue is full.
int ConnectWithoutWaiting(const std::string& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) return fd;
    ::close(fd);
    return -1;
}

size_t ServedConnections(const QtSingleInstance& program) {
    return program.findChildren<CompanionConnection*>().size();
}

// Runs the event loop for a while, sleeping while nothing happens.
void Serve(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(SingleInstance, AtMostTheCapOfConnectionsIsServedAtOnceAndTheRestWait) {
    App();
    TempFolder tmp;
    QtSingleInstance program(tmp.File("zantimore"));
    ASSERT_EQ(program.Start(), InstanceStart::First);
    // Clients that connect and say nothing hold their connections until they close.
    std::vector<int> clients;
    QElapsedTimer timer;
    timer.start();
    while (clients.size() < AcceptGate::kMaxConnections + 8 && timer.elapsed() < 5000) {
        const int fd = ConnectWithoutWaiting(program.SocketPath());
        if (fd >= 0)
            clients.push_back(fd);
        else
            Serve(10);
    }
    Serve(100);
    ASSERT_EQ(clients.size(), AcceptGate::kMaxConnections + 8);
    EXPECT_EQ(ServedConnections(program), AcceptGate::kMaxConnections);
    // As connections end, the waiting ones are taken.
    for (int i = 0; i < 10; ++i)
        ::close(clients[static_cast<size_t>(i)]);
    Serve(300);
    EXPECT_EQ(ServedConnections(program), AcceptGate::kMaxConnections - 2);
    for (size_t i = 10; i < clients.size(); ++i)
        ::close(clients[i]);
}

// The CPU time this thread has used.
std::chrono::microseconds ThreadTime() {
    rusage usage{};
    ::getrusage(RUSAGE_THREAD, &usage);
    return std::chrono::seconds(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           std::chrono::microseconds(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
}

TEST(SingleInstance, AtTheDescriptorLimitTheSocketWaitsInsteadOfSpinning) {
    App();
    TempFolder tmp;
    QtSingleInstance program(tmp.File("zantimore"));
    ASSERT_EQ(program.Start(), InstanceStart::First);
    bool restored = false;
    program.restoreRequested = [&restored] { restored = true; };
    // The sanitizers' runtime needs a descriptor for its first check of each type a call goes
    // to: the types the program calls on while descriptors are short are checked once before.
    Serve(10);
    {
        int pair[2];
        ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair), 0);
        QSocketNotifier notifier(pair[0], QSocketNotifier::Read);
        notifier.setEnabled(false);
        QTimer::singleShot(0, &notifier, [] {});
        ::close(pair[0]);
        ::close(pair[1]);
    }
    // A second start's request waits in the queue.
    const int client = ConnectWithoutWaiting(program.SocketPath());
    ASSERT_GE(client, 0);
    const std::string frame = Frame(EncodeRequest({RequestKind::Restore, {}, {}, {}, {}}));
    ASSERT_EQ(::send(client, frame.data(), frame.size(), MSG_NOSIGNAL),
              static_cast<ssize_t>(frame.size()));

    // Every descriptor below the lowered limit is taken, so the program cannot accept.
    rlimit original{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &original), 0);
    int highest = 0;
    if (DIR* d = ::opendir("/proc/self/fd")) {
        while (const dirent* entry = ::readdir(d))
            highest = std::max(highest, std::atoi(entry->d_name));
        ::closedir(d);
    }
    rlimit lowered = original;
    lowered.rlim_cur = static_cast<rlim_t>(highest + 1);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &lowered), 0);
    std::vector<int> fillers;
    for (int fd; (fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;)
        fillers.push_back(fd);
    const int shortage = errno;

    const auto before = ThreadTime();
    Serve(1000);
    const auto used = ThreadTime() - before;
    ::testing::Test::RecordProperty("cpuMicrosecondsInOneSecond", static_cast<int>(used.count()));

    for (int fd : fillers)
        ::close(fd);
    ::setrlimit(RLIMIT_NOFILE, &original);
    EXPECT_EQ(shortage, EMFILE);
    EXPECT_FALSE(restored);
    // Spinning on the ready socket takes the whole second.
    EXPECT_LT(used, std::chrono::milliseconds(300)) << used.count() << " us";

    // Once descriptors are free again, the waiting request is served after the pause.
    QElapsedTimer timer;
    timer.start();
    while (!restored && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(restored);
    ::close(client);
}

} // namespace
} // namespace zm
