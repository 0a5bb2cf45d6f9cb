#pragma once
// The sound player's repetition timer on the Qt event loop, and the way the sound backend's
// threads reach that loop.

#include "platform/sound_backend.h"
#include "platform/sound_timer.h"

#include <QTimer>

namespace zm {

class QtSoundTimer final : public SoundTimer {
public:
    QtSoundTimer();
    void Start(std::chrono::milliseconds delay, std::function<void()> fire) override;
    void Stop() override;

private:
    QTimer timer_;
    std::function<void()> fire_;
};

// Posts tasks to the thread of `context`, which must outlive the backend given the poster.
PostToOwnerThread QtPostToOwnerThread(QObject* context);

} // namespace zm
