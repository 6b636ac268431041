#include "platform/forms/translucency.h"

#include <QGuiApplication>
#include <QPixmap>

#if TARVELON_HAS_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace tarvelon {

namespace {

#if TARVELON_HAS_XCB
// A compositing manager owns the selection _NET_WM_CM_S0 while it runs.
bool X11CompositorRunning()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (connection == nullptr)
        return false;
    static const char kSelection[] = "_NET_WM_CM_S0";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, sizeof(kSelection) - 1, kSelection), nullptr);
    if (atom == nullptr)
        return false;
    const xcb_atom_t selection = atom->atom;
    std::free(atom);
    if (selection == XCB_ATOM_NONE)
        return false;
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
    const bool running = owner != nullptr && owner->owner != XCB_NONE;
    std::free(owner);
    return running;
}
#else
bool X11CompositorRunning() { return false; }
#endif

}  // namespace

bool WindowSystemShowsTranslucency()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == "xcb")
        return X11CompositorRunning();
    return platform.startsWith("wayland") || platform == "windows" || platform == "cocoa";
}

void PaintWindowsBehind(QPainter& painter, const QWidget& window, const std::vector<QWidget*>& behind)
{
    painter.fillRect(window.rect(), Qt::black);
    const QPoint origin = window.mapToGlobal(QPoint(0, 0));
    for (QWidget* other : behind) {
        if (other == nullptr || other == &window || !other->isVisible())
            continue;
        painter.drawPixmap(other->mapToGlobal(QPoint(0, 0)) - origin, other->grab());
    }
}

}  // namespace tarvelon
