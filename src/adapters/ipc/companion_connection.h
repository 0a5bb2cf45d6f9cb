#pragma once
// One connection to the program's socket: a request frame in, an answer frame out, then the
// connection closes. A peer of another user, an oversized or unreadable request is answered
// with a refusal; a peer that sends nothing in time is dropped.

#include "ipc_protocol/companion_protocol.h"

#include <QObject>
#include <chrono>
#include <functional>
#include <string>

class QSocketNotifier;
class QTimer;

namespace zm {

class CompanionConnection final : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<CompanionAnswer(const DecodedRequest&)>;

    // Takes the connected socket's descriptor over (non-blocking).
    CompanionConnection(int socketFd, Handler handler, std::chrono::milliseconds wait,
                        QObject* parent = nullptr);
    ~CompanionConnection() override;

    // How long an answer may take to leave before the connection is dropped.
    static constexpr std::chrono::milliseconds kLingerAfterAnswer{10000};

private:
    void ReadRequest();
    void Reply(const CompanionAnswer& answer);
    void WriteAnswer();

    int fd_;
    Handler handler_;
    FrameReader reader_{kMaxRequestBytes};
    QSocketNotifier* readable_;
    QSocketNotifier* writable_;
    QTimer* timer_;
    std::string pending_; // what of the answer has not left yet
    bool answered_ = false;
};

} // namespace zm
