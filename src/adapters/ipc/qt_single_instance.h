#pragma once
// The single instance over a per-user lock file and a local socket in the runtime folder, its
// connections served on the event loop.

#include "adapters/local/accept_gate.h"
#include "adapters/local/instance_lock.h"
#include "ipc_protocol/companion_protocol.h"
#include "platform/single_instance.h"

#include <QObject>
#include <chrono>
#include <string>

class QSocketNotifier;

namespace zm {

class QtSingleInstance final : public QObject, public SingleInstance {
    Q_OBJECT
public:
    // `runtimeFolder`: where the lock and the socket are (RuntimeFolder() for the program).
    explicit QtSingleInstance(std::string runtimeFolder, QObject* parent = nullptr);
    ~QtSingleInstance() override;

    InstanceStart Start() override;
    void Stop() override;

    // Why Start() gave Unavailable.
    const std::string& Problem() const { return problem_; }
    // The lock is held: no second copy starts, whether or not the socket could be made.
    bool HoldsLock() const { return lock_.Held(); }
    std::string SocketPath() const;

    // How long a second start keeps trying to reach the running copy.
    static constexpr std::chrono::milliseconds kRestoreWait{900};
    // How long a connection may take to send its request.
    static constexpr std::chrono::milliseconds kRequestWait{5000};

private:
    void AcceptConnections();
    // Listens again once the gate opens (a connection ended, a pause is over).
    void ResumeAccepting();
    CompanionAnswer Answer(const DecodedRequest& decoded);

    std::string folder_;
    std::string problem_;
    InstanceLock lock_;
    int listener_ = -1;
    QSocketNotifier* incoming_ = nullptr;
    AcceptGate gate_;
};

} // namespace zm
