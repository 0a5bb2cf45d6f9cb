#pragma once
// Ends the program in order when it is asked from outside: a termination signal (SIGTERM,
// SIGINT, SIGHUP) or the end of the desktop session. A signal handler only writes to a pipe;
// the event loop reads it and runs the closing steps, once, then quits the loop. A second
// termination signal while the program is closing ends it at once.

#include <QObject>
#include <functional>
#include <initializer_list>

class QCoreApplication;
class QSocketNotifier;

namespace zm {

class QtShutdownBridge final : public QObject {
    Q_OBJECT
public:
    explicit QtShutdownBridge(QObject* parent = nullptr);
    ~QtShutdownBridge() override; // puts the signals' previous handlers back

    // The closing steps (the frame's, saving the settings); run once, on the event loop.
    std::function<void()> shutdown;
    // The session manager asks before the session ends: keep what must survive it.
    std::function<void()> saveState;

    // Installs the handlers; false when the pipe or a handler cannot be made.
    bool CatchSignals(std::initializer_list<int> numbers);
    bool CatchTerminationSignals();
    // Runs the closing steps when the event loop is quit from elsewhere (the session
    // manager's last word quits it).
    void WatchQuit(QCoreApplication& app);
    // The desktop session: saves the state when the session manager asks whether the session
    // may end (QGuiApplication::commitDataRequest), and closes when it ends. A template, so
    // that this Qt Core layer needs no Qt Gui: the program passes its application object.
    template <typename GuiApplication> void WatchSession(GuiApplication& app) {
        connect(&app, &GuiApplication::commitDataRequest, this, [this](auto&) {
            if (saveState) saveState();
        });
        WatchQuit(app);
    }

    // Runs the closing steps (unless they ran) and quits the event loop.
    void RequestShutdown();

private:
    void ReadSignals();
    void RunShutdown();

    QSocketNotifier* notifier_ = nullptr;
    bool done_ = false;
};

} // namespace zm
