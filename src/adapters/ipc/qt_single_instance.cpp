#include "adapters/ipc/qt_single_instance.h"

#include "adapters/ipc/companion_connection.h"
#include "adapters/local/local_socket.h"
#include "adapters/local/runtime_folder.h"
#include "platform/data_folder.h"
#include "res/strings.h"

#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace zm {
namespace {

// Asks the running copy to restore its main window. It may still be starting (lock taken,
// socket not yet listening): keep trying for a short while.
void AskForRestore(const std::string& socketPath, std::chrono::milliseconds wait) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + wait;
    const std::string request =
        EncodeRequest(CompanionRequest{RequestKind::Restore, {}, {}, {}, {}});
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return;
        const ExchangeResult r = ExchangeOverSocket(socketPath, request, left, 4096);
        if (r.status != ExchangeStatus::NoServer) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

CompanionAnswer BusyAnswer() {
    CompanionAnswer answer;
    answer.outcome = AnswerOutcome::Refused;
    answer.status = 1;
    answer.err = std::string(LoadString(IDS_CLI_LINK_BUSY)) + '\n';
    return answer;
}

} // namespace

QtSingleInstance::QtSingleInstance(std::string runtimeFolder, QObject* parent)
    : QObject(parent), folder_(std::move(runtimeFolder)) {}

QtSingleInstance::~QtSingleInstance() {
    Stop();
}

std::string QtSingleInstance::SocketPath() const {
    return PathInFolder(folder_, kInstanceSocketName);
}

InstanceStart QtSingleInstance::Start() {
    if (!PrepareRuntimeFolder(folder_, ::getuid(), problem_)) return InstanceStart::Unavailable;
    switch (lock_.Acquire(PathInFolder(folder_, kInstanceLockName))) {
    case LockClaim::HeldElsewhere:
        AskForRestore(SocketPath(), kRestoreWait);
        return InstanceStart::AnotherRuns;
    case LockClaim::Failed:
        problem_ = PathInFolder(folder_, kInstanceLockName);
        return InstanceStart::Unavailable;
    case LockClaim::Acquired:
        break;
    }
    // Holding the lock, any socket left in the folder is a crashed copy's: it is replaced.
    listener_ = ListenOnSocket(SocketPath(), problem_);
    if (listener_ < 0) return InstanceStart::Unavailable; // the lock alone keeps a second copy away
    incoming_ = new QSocketNotifier(listener_, QSocketNotifier::Read, this);
    connect(incoming_, &QSocketNotifier::activated, this, &QtSingleInstance::AcceptConnections);
    return InstanceStart::First;
}

void QtSingleInstance::Stop() {
    if (listener_ >= 0) {
        delete incoming_;
        incoming_ = nullptr;
        ::close(listener_);
        listener_ = -1;
        ::unlink(SocketPath().c_str());
    }
    lock_.Release();
}

void QtSingleInstance::AcceptConnections() {
    while (gate_.Open()) {
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            const int error = errno;
            if (error == EINTR || error == ECONNABORTED) continue;
            // Out of descriptors: the connection stays queued and the socket readable, so the
            // queue is left alone for a pause instead of being tried again at once.
            if (const auto pause = gate_.Failed(error); pause.count() > 0) {
                incoming_->setEnabled(false);
                QTimer::singleShot(pause, this, [this] {
                    gate_.PauseOver();
                    ResumeAccepting();
                });
            }
            return; // nothing more waiting (or the listener failed: the next start replaces it)
        }
        gate_.Accepted();
        auto* connection = new CompanionConnection(
            fd, [this](const DecodedRequest& decoded) { return Answer(decoded); }, kRequestWait,
            this);
        connect(connection, &QObject::destroyed, this, [this] {
            gate_.Closed();
            ResumeAccepting();
        });
    }
    // As many connections as are served at once: the others wait in the queue.
    incoming_->setEnabled(false);
}

void QtSingleInstance::ResumeAccepting() {
    if (incoming_ && gate_.Open()) incoming_->setEnabled(true);
}

CompanionAnswer QtSingleInstance::Answer(const DecodedRequest& decoded) {
    if (decoded.problem != RequestProblem::None)
        return RefusalAnswer(decoded.problem, decoded.version);
    if (decoded.request.kind == RequestKind::Restore) {
        // Answered first, so the second start ends at once whatever the window does.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (restoreRequested) restoreRequested();
            },
            Qt::QueuedConnection);
        return {};
    }
    if (!companionRequested) return BusyAnswer();
    return companionRequested(decoded.request);
}

} // namespace zm
