#include "KeptAbove.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#if defined(QUORVEX_XCB) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

namespace
{

template <class Reply> using Owned = std::unique_ptr<Reply, decltype(&free)>;

// The window states of an X11 window (_NET_WM_STATE): the window manager's while it manages
// the window; before the window is mapped, what it is to start with.
class NetWmState
{
public:
    NetWmState(xcb_connection_t* connection, QWidget* window)
        : m_connection(connection), m_window(xcb_window_t(window->winId()))
    {
        // Interned once a run, by the first window asked.
        static const xcb_atom_t property = atom(connection, "_NET_WM_STATE");
        static const xcb_atom_t above = atom(connection, "_NET_WM_STATE_ABOVE");
        m_property = property;
        m_above = above;
        const Owned<xcb_get_property_reply_t> reply(
            xcb_get_property_reply(
                m_connection, xcb_get_property(m_connection, 0, m_window, m_property, XCB_ATOM_ATOM, 0, 64),
                nullptr),
            &free);
        if (reply && reply->format == 32) {
            const auto* states = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
            m_states.assign(states, states + xcb_get_property_value_length(reply.get()) / sizeof(xcb_atom_t));
        }
    }

    bool above() const { return std::find(m_states.begin(), m_states.end(), m_above) != m_states.end(); }

    // For a window that is not mapped: Qt adds its own states to these when it maps it.
    void setAbove(bool above)
    {
        m_states.erase(std::remove(m_states.begin(), m_states.end(), m_above), m_states.end());
        if (above)
            m_states.push_back(m_above);
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_window, m_property, XCB_ATOM_ATOM, 32,
                            m_states.size(), m_states.data());
    }

private:
    static xcb_atom_t atom(xcb_connection_t* connection, const char* name)
    {
        const Owned<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name),
                                  nullptr),
            &free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_window;
    xcb_atom_t m_property;
    xcb_atom_t m_above;
    std::vector<xcb_atom_t> m_states;
};

} // namespace

void passOnKeptAbove(QWidget* from, QWidget* to)
{
    // Not the window flag: Qt makes a new native window when that changes, and the window
    // manager would meet the window as a new one, forgetting where it was.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() == QLatin1String("xcb") && x11 && from->isVisible() &&
        !to->isVisible())
        NetWmState(x11->connection(), to).setAbove(NetWmState(x11->connection(), from).above());
}

#else

// Elsewhere no such state of the user's is known to the program.
void passOnKeptAbove(QWidget*, QWidget*) {}

#endif
