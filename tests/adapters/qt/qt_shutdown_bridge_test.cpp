#include "adapters/qt/qt_shutdown_bridge.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace zm {
namespace {

// A child process runs an event loop with the bridge, tells the parent it is ready, and
// reports on the pipe what ran before it ended.
pid_t StartChild(int (&pipe)[2]) {
    if (::pipe(pipe) != 0) return -1;
    const pid_t child = ::fork();
    if (child != 0) {
        ::close(pipe[1]);
        return child;
    }
    ::close(pipe[0]);
    int argc = 1;
    char name[] = "child";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QtShutdownBridge bridge;
    bridge.shutdown = [&] { (void)::write(pipe[1], "closed;", 7); };
    if (!bridge.CatchTerminationSignals()) ::_exit(3);
    QTimer::singleShot(0, [&] { (void)::write(pipe[1], "ready;", 6); });
    QTimer::singleShot(10000, [] { ::_exit(4); });
    const int rc = app.exec();
    (void)::write(pipe[1], "quit;", 5);
    ::_exit(rc);
}

std::string ReadUntilEnd(int fd) {
    std::string text;
    char buffer[64];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(n));
    return text;
}

TEST(ShutdownBridge, ATerminationSignalClosesInOrderWithinASecond) {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        int pipe[2];
        const pid_t child = StartChild(pipe);
        ASSERT_GT(child, 0);
        char ready[6];
        ASSERT_EQ(::read(pipe[0], ready, sizeof ready), 6);
        const auto sent = std::chrono::steady_clock::now();
        ::kill(child, signal);
        const std::string told = ReadUntilEnd(pipe[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_LT(std::chrono::steady_clock::now() - sent, std::chrono::seconds(1));
        EXPECT_EQ(told, "closed;quit;") << signal;
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << signal;
        ::close(pipe[0]);
    }
}

} // namespace
} // namespace zm
