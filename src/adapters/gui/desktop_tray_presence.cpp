#include "adapters/gui/desktop_tray_presence.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <string>

#ifdef ZM_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace zm {
namespace {

constexpr char kWatcherService[] = "org.kde.StatusNotifierWatcher";

bool StatusNotifierHostThere() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()) return false;
    if (!bus.interface()->isServiceRegistered(QString::fromLatin1(kWatcherService))) return false;
    // The property asked plainly, with a short wait: a bus that does not answer must not hold
    // the program up.
    QDBusMessage get = QDBusMessage::createMethodCall(
        QString::fromLatin1(kWatcherService), QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QString::fromLatin1(kWatcherService) << QStringLiteral("IsStatusNotifierHostRegistered");
    const QDBusMessage reply = bus.call(get, QDBus::Block, 1000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return false;
    return reply.arguments().front().value<QDBusVariant>().variant().toBool();
}

#ifdef ZM_HAVE_XCB
class X11Tray {
public:
    X11Tray(xcb_connection_t* connection, int screen) : connection_(connection) {
        const std::string name = "_NET_SYSTEM_TRAY_S" + std::to_string(screen);
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection_,
            xcb_intern_atom(connection_, 0, static_cast<uint16_t>(name.size()), name.c_str()),
            nullptr);
        if (reply) {
            atom_ = reply->atom;
            std::free(reply);
        }
    }
    bool There() const {
        if (atom_ == XCB_ATOM_NONE) return false;
        xcb_get_selection_owner_reply_t* reply = xcb_get_selection_owner_reply(
            connection_, xcb_get_selection_owner(connection_, atom_), nullptr);
        if (!reply) return false;
        const bool owned = reply->owner != XCB_WINDOW_NONE;
        std::free(reply);
        return owned;
    }

private:
    xcb_connection_t* connection_;
    xcb_atom_t atom_ = XCB_ATOM_NONE;
};
#endif

class DesktopTrayPresence final : public TrayPresence {
public:
    DesktopTrayPresence() {
#ifdef ZM_HAVE_XCB
        if (auto* app = qGuiApp)
            if (auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>())
                if (xcb_connection_t* connection = x11->connection())
                    x11_ = std::make_unique<X11Tray>(connection,
                                                     DisplayScreenNumber(std::getenv("DISPLAY")));
#endif
    }

    bool TrayThere() override {
        if (StatusNotifierHostThere()) return true;
#ifdef ZM_HAVE_XCB
        if (x11_) return x11_->There();
#endif
        return false;
    }

private:
#ifdef ZM_HAVE_XCB
    std::unique_ptr<X11Tray> x11_;
#endif
};

} // namespace

std::unique_ptr<TrayPresence> CreateDesktopTrayPresence() {
    return std::make_unique<DesktopTrayPresence>();
}

int DisplayScreenNumber(const char* display) {
    if (!display) return 0;
    const char* colon = std::strrchr(display, ':');
    if (!colon) return 0;
    const char* dot = std::strchr(colon, '.');
    if (!dot || dot[1] < '0' || dot[1] > '9') return 0;
    return std::atoi(dot + 1);
}

} // namespace zm
