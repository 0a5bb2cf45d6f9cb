#include "platform/ipc/companion_connection.h"

#include "platform/local/local_socket.h"

#include <QLocalSocket>
#include <QTimer>
#include <unistd.h>

namespace zm {

CompanionConnection::CompanionConnection(QLocalSocket* socket, Handler handler,
                                         std::chrono::milliseconds wait, QObject* parent)
    : QObject(parent), socket_(socket), handler_(std::move(handler)), timer_(new QTimer(this)) {
    socket_->setParent(this);
    connect(socket_, &QLocalSocket::disconnected, this, &QObject::deleteLater);
    connect(socket_, &QLocalSocket::errorOccurred, this, &QObject::deleteLater);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &QObject::deleteLater);
    timer_->start(wait);

    const auto peer = PeerUid(static_cast<int>(socket_->socketDescriptor()));
    if (!peer || *peer != ::getuid()) {
        Reply(RefusalAnswer(RequestProblem::Foreign));
        return;
    }
    connect(socket_, &QLocalSocket::readyRead, this, &CompanionConnection::ReadRequest);
    ReadRequest();
}

void CompanionConnection::ReadRequest() {
    if (answered_) return;
    const QByteArray bytes = socket_->readAll();
    switch (reader_.Feed(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())))) {
    case FrameReader::State::NeedMore:
        return;
    case FrameReader::State::TooLarge:
        Reply(RefusalAnswer(RequestProblem::TooLarge));
        return;
    case FrameReader::State::Complete:
        Reply(handler_(DecodeRequest(reader_.Payload())));
        return;
    }
}

void CompanionConnection::Reply(const CompanionAnswer& answer) {
    answered_ = true;
    timer_->stop();
    const std::string frame = Frame(EncodeAnswer(answer));
    socket_->write(frame.data(), static_cast<qint64>(frame.size()));
    // The peer reads the answer and closes; whatever it still sends is not read.
    socket_->disconnectFromServer();
    timer_->start(kLingerAfterAnswer);
}

} // namespace zm
