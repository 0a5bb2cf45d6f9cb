#include "adapters/qt/qt_shutdown_bridge.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace zm {
namespace {

int signalPipe[2] = {-1, -1};
volatile sig_atomic_t closing = 0;
constexpr int kMaxSignal = 65;
std::array<struct sigaction, kMaxSignal> previous{};
std::array<bool, kMaxSignal> caught{};

void OnTerminationSignal(int signal) {
    if (closing) {
        // Asked again while closing: end now.
        ::signal(signal, SIG_DFL);
        ::raise(signal);
        return;
    }
    closing = 1;
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    (void)::write(signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

QtShutdownBridge::QtShutdownBridge(QObject* parent) : QObject(parent) {}

QtShutdownBridge::~QtShutdownBridge() {
    for (int s = 0; s < kMaxSignal; ++s)
        if (caught[s]) {
            ::sigaction(s, &previous[s], nullptr);
            caught[s] = false;
        }
    delete notifier_;
    notifier_ = nullptr;
    for (int& fd : signalPipe)
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    closing = 0;
}

bool QtShutdownBridge::CatchSignals(std::initializer_list<int> numbers) {
    if (signalPipe[0] < 0) {
        if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return false;
        notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &QtShutdownBridge::ReadSignals);
    }
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    ::sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : numbers) {
        if (s <= 0 || s >= kMaxSignal) return false;
        if (::sigaction(s, &action, caught[s] ? nullptr : &previous[s]) != 0) return false;
        caught[s] = true;
    }
    return true;
}

bool QtShutdownBridge::CatchTerminationSignals() {
    return CatchSignals({SIGTERM, SIGINT, SIGHUP});
}

void QtShutdownBridge::WatchQuit(QCoreApplication& app) {
    connect(&app, &QCoreApplication::aboutToQuit, this, &QtShutdownBridge::RunShutdown);
}

void QtShutdownBridge::RequestShutdown() {
    RunShutdown();
    QCoreApplication::quit();
}

void QtShutdownBridge::ReadSignals() {
    unsigned char bytes[16];
    while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
    }
    RequestShutdown();
}

void QtShutdownBridge::RunShutdown() {
    if (done_) return;
    done_ = true;
    closing = 1;
    if (shutdown) shutdown();
}

} // namespace zm
