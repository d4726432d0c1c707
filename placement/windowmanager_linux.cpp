// SPDX-License-Identifier: MIT
#include "placement/windowmanager.h"

#include "widgets/x11.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QWindow>

namespace {
// Watches the X11 events for the first change of one property of one window.
class PropertyWatch : public QObject, public QAbstractNativeEventFilter
{
public:
    PropertyWatch(QWindow &window, xcb_atom_t property, std::function<void()> changed)
        : QObject(&window), m_window(static_cast<xcb_window_t>(window.winId())),
          m_property(property), m_changed(std::move(changed))
    {
        qApp->installNativeEventFilter(this);
    }
    ~PropertyWatch() override { qApp->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray &, void *message, qintptr *) override
    {
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event);
        if (notify->window == m_window && notify->atom == m_property) {
            qApp->removeNativeEventFilter(this);
            // Qt handles the event after this filter, and only then reads the frame anew.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_changed();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    xcb_window_t m_window;
    xcb_atom_t m_property;
    std::function<void()> m_changed;
};
} // namespace

namespace WindowManager {
void nameDesktopEntry(QWindow &window)
{
    xcb_connection_t *connection = X11::connection();
    if (!connection)
        return;
    const QByteArray name = QGuiApplication::desktopFileName().toUtf8();
    xcb_change_property(
        connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()),
        X11::atom(connection, "_KDE_NET_WM_DESKTOP_FILE"), X11::atom(connection, "UTF8_STRING"), 8,
        static_cast<uint32_t>(name.size()), name.constData());
}

void whenFramed(QWindow &window, std::function<void()> framed)
{
    if (xcb_connection_t *connection = X11::connection())
        new PropertyWatch(window, X11::atom(connection, "_NET_FRAME_EXTENTS"), std::move(framed));
}
} // namespace WindowManager
