#include "platform/linux/X11Activation.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// Bytes of a message per client message.
const int kChunk = 20;

struct ConnectionCloser
{
    void operator()(xcb_connection_t *connection) const { xcb_disconnect(connection); }
};
using Connection = std::unique_ptr<xcb_connection_t, ConnectionCloser>;

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t value = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return value;
}

xcb_screen_t *screenOf(xcb_connection_t *connection, int number)
{
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (; it.rem; --number, xcb_screen_next(&it)) {
        if (number == 0)
            return it.data;
    }
    return nullptr;
}

void sendToRoot(xcb_connection_t *connection, xcb_window_t root, const xcb_client_message_event_t &event,
                std::uint32_t mask)
{
    xcb_send_event(connection, 0, root, mask, reinterpret_cast<const char *>(&event));
}

// The message in pieces of 20 bytes, the first typed "begin", from a window
// of the sender's as the rules ask.
void sendStartupMessage(xcb_connection_t *connection, xcb_screen_t *screen, const QByteArray &message)
{
    const xcb_atom_t begin = atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atom(connection, "_NET_STARTUP_INFO");
    const xcb_window_t sender = xcb_generate_id(connection);
    const std::uint32_t overrideRedirect = 1;
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, sender, screen->root, -100, -100, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_OVERRIDE_REDIRECT, &overrideRedirect);
    const QByteArray text = message + '\0';
    for (int offset = 0; offset < text.size(); offset += kChunk) {
        xcb_client_message_event_t event = {};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = sender;
        event.type = offset == 0 ? begin : more;
        std::memcpy(event.data.data8, text.constData() + offset, std::size_t(qMin(kChunk, text.size() - offset)));
        sendToRoot(connection, screen->root, event, XCB_EVENT_MASK_PROPERTY_CHANGE);
    }
    xcb_destroy_window(connection, sender);
}

void requestActivation(xcb_connection_t *connection, xcb_screen_t *screen, xcb_window_t window, std::uint32_t time)
{
    xcb_client_message_event_t event = {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom(connection, "_NET_ACTIVE_WINDOW");
    event.data.data32[0] = 1; // from an application
    event.data.data32[1] = time;
    event.data.data32[2] = XCB_WINDOW_NONE;
    sendToRoot(connection, screen->root, event,
               XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT);
}

} // namespace

std::uint32_t X11Activation::timestampOf(const QByteArray &startupId)
{
    const int at = startupId.lastIndexOf("_TIME");
    if (at < 0)
        return 0;
    bool ok = false;
    const std::uint32_t time = startupId.mid(at + 5).toUInt(&ok);
    return ok ? time : 0;
}

QByteArray X11Activation::removeMessage(const QByteArray &startupId)
{
    QByteArray quoted = startupId;
    quoted.replace('\\', "\\\\").replace('"', "\\\"");
    return "remove: ID=\"" + quoted + '"';
}

bool X11Activation::activate(std::uint32_t window, const QByteArray &startupId)
{
    int screenNumber = 0;
    Connection connection(xcb_connect(nullptr, &screenNumber));
    if (xcb_connection_has_error(connection.get()))
        return false;
    xcb_screen_t *screen = screenOf(connection.get(), screenNumber);
    if (!screen)
        return false;
    if (!startupId.isEmpty())
        sendStartupMessage(connection.get(), screen, removeMessage(startupId));
    if (window)
        requestActivation(connection.get(), screen, window, timestampOf(startupId));
    xcb_flush(connection.get());
    return true;
}
