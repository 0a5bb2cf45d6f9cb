#include "adapters/ipc/companion_connection.h"

#include "adapters/local/local_socket.h"

#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

namespace zm {

CompanionConnection::CompanionConnection(int socketFd, Handler handler,
                                         std::chrono::milliseconds wait, QObject* parent)
    : QObject(parent), fd_(socketFd), handler_(std::move(handler)),
      readable_(new QSocketNotifier(socketFd, QSocketNotifier::Read, this)),
      writable_(new QSocketNotifier(socketFd, QSocketNotifier::Write, this)),
      timer_(new QTimer(this)) {
    writable_->setEnabled(false);
    connect(readable_, &QSocketNotifier::activated, this, &CompanionConnection::ReadRequest);
    connect(writable_, &QSocketNotifier::activated, this, &CompanionConnection::WriteAnswer);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &QObject::deleteLater);
    timer_->start(wait);

    const auto peer = PeerUid(fd_);
    if (!peer || *peer != ::getuid()) {
        Reply(RefusalAnswer(RequestProblem::Foreign));
        return;
    }
    ReadRequest();
}

CompanionConnection::~CompanionConnection() {
    readable_->setEnabled(false);
    writable_->setEnabled(false);
    ::close(fd_);
}

void CompanionConnection::ReadRequest() {
    if (answered_) return;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
        if (n <= 0) {
            // The peer went away (or the connection broke) before its request was whole.
            readable_->setEnabled(false);
            deleteLater();
            return;
        }
        switch (reader_.Feed(std::string_view(buffer, static_cast<size_t>(n)))) {
        case FrameReader::State::NeedMore:
            continue;
        case FrameReader::State::TooLarge:
            Reply(RefusalAnswer(RequestProblem::TooLarge));
            return;
        case FrameReader::State::Complete:
            // A peer that gave up waiting (the companion's time ran out while the program was
            // stopped) is not answered, and its request is not carried out: it has told its
            // user that the change may not have been made.
            if (PeerHungUp(fd_)) {
                readable_->setEnabled(false);
                deleteLater();
                return;
            }
            // The request is whole: nothing more is read and no wait ends the connection while
            // it is carried out (a long command lets the event loop go on meanwhile).
            readable_->setEnabled(false);
            timer_->stop();
            Reply(handler_(DecodeRequest(reader_.Payload())));
            return;
        }
    }
}

void CompanionConnection::Reply(const CompanionAnswer& answer) {
    answered_ = true;
    // The peer reads the answer and closes; whatever it still sends is not read.
    readable_->setEnabled(false);
    timer_->stop();
    pending_ = Frame(EncodeAnswer(answer));
    timer_->start(kLingerAfterAnswer);
    WriteAnswer();
}

void CompanionConnection::WriteAnswer() {
    while (!pending_.empty()) {
        const ssize_t n = ::send(fd_, pending_.data(), pending_.size(), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            writable_->setEnabled(true);
            return;
        }
        if (n < 0) break; // the peer is gone: nothing more to say
        pending_.erase(0, static_cast<size_t>(n));
    }
    writable_->setEnabled(false);
    ::shutdown(fd_, SHUT_WR);
    deleteLater();
}

} // namespace zm
