#include "adapters/gui/desktop_hot_keys.h"

#ifdef ZM_HAVE_XCB
#include "adapters/gui/xcb_hot_keys.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QGuiApplication>
#endif

namespace zm {
namespace {

#ifdef ZM_HAVE_XCB
// The key grabs on Qt's connection; their presses reach the grabs through an event filter.
class QtXcbHotKeys final : public HotKeys, private QAbstractNativeEventFilter {
public:
    explicit QtXcbHotKeys(xcb_connection_t* connection) : keys_(connection) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~QtXcbHotKeys() override {
        if (QCoreApplication::instance())
            QCoreApplication::instance()->removeNativeEventFilter(this);
    }

    HotKeyResult Register(int id, uint8_t virtualKey, uint8_t modifiers) override {
        return keys_.Register(id, virtualKey, modifiers);
    }
    void Unregister(int id) override { keys_.Unregister(id); }
    void SetPressedHandler(std::function<void(int)> handler) override {
        keys_.SetPressedHandler(std::move(handler));
    }

private:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t") return false;
        return keys_.HandleEvent(static_cast<const xcb_generic_event_t*>(message));
    }

    XcbHotKeys keys_;
};
#endif

} // namespace

std::unique_ptr<HotKeys> CreateDesktopHotKeys() {
#ifdef ZM_HAVE_XCB
    if (auto* app = qGuiApp) {
        if (auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>()) {
            if (xcb_connection_t* connection = x11->connection())
                return std::make_unique<QtXcbHotKeys>(connection);
        }
    }
#endif
    return std::make_unique<UnavailableHotKeys>();
}

} // namespace zm
