#include "XX11MousePoster.h"

#include "XDeadlineSleeper.h"
#include "XLog.h"
#include "XXcbReply.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>

#include <poll.h>
#include <sys/eventfd.h>
#include <time.h>
#include <unistd.h>

#include <xcb/xcb.h>
#include <xcb/xinput.h>
#include <xcb/xtest.h>

namespace {
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// The keysym of Escape in every layout.
constexpr xcb_keysym_t kEscapeKeysym = 0xff1b;
// While it waits, a pause looks at the pointer this often: a program that warps it sends
// no motion report.
constexpr auto kLookInterval = 5ms;
// Motions posted and not yet reported back, at most: one click posts two.
constexpr std::size_t kMotionsInFlight = 16;

struct PointerState
{
    QPointF position; // on the root window
    std::uint16_t mask = 0; // the server's button and modifier mask
};

double fixedToDouble(xcb_input_fp3232_t value)
{
    return value.integral + value.frac / 4294967296.0;
}

bool contains(const xcb_get_geometry_reply_t& g, int x, int y)
{
    const int border = 2 * g.border_width;
    return x >= g.x && x < g.x + g.width + border && y >= g.y && y < g.y + g.height + border;
}
} // namespace

struct XX11MousePoster::Private
{
    xcb_connection_t* c = nullptr;
    xcb_window_t root = 0;
    std::uint8_t xiOpcode = 0;
    bool watchesDevices = false;
    std::vector<xcb_keycode_t> escapeKeycodes;
    int wakeFd = -1;
    XDeadlineSleeper sleeper;
    XPointerWatch watch;
    bool grabbed = false;
    bool dragged = false;
    // The button mask of a release not yet seen through by the server.
    std::uint16_t pendingRelease = 0;
    // What this poster posted whose raw reports have not come back yet.
    std::deque<std::pair<int, int>> motionsInFlight;
    int pressesInFlight = 0;
    // What the user did, first come (kept until the poster ends).
    XClickVerdict userInput = XClickVerdict::Go;
    Clock::time_point lastLook{};

    bool lost() const { return !c || xcb_connection_has_error(c); }

    std::optional<PointerState> queryPointer()
    {
        if (lost())
            return std::nullopt;
        const XcbReply<xcb_query_pointer_reply_t> reply{
            xcb_query_pointer_reply(c, xcb_query_pointer(c, root), nullptr)};
        if (!reply)
            return std::nullopt;
        return PointerState{QPointF(reply->root_x, reply->root_y), reply->mask};
    }

    void look()
    {
        lastLook = Clock::now();
        if (const auto pointer = queryPointer())
            watch.looked(pointer->position);
    }

    void noteUserInput(XClickVerdict input)
    {
        if (userInput == XClickVerdict::Go)
            userInput = input;
    }

    void rawMotion(const xcb_input_raw_motion_event_t& event)
    {
        auto* raw = const_cast<xcb_input_raw_motion_event_t*>(&event);
        const std::uint32_t* mask = xcb_input_raw_button_press_valuator_mask(raw);
        const xcb_input_fp3232_t* values = xcb_input_raw_button_press_axisvalues_raw(raw);
        const int count = xcb_input_raw_button_press_axisvalues_raw_length(raw);
        if (event.valuators_len == 0 || count == 0)
            return;
        // The first two axes are x and y; others (a wheel's smooth scrolling) follow.
        double axis[2] = {0, 0};
        int next = 0;
        for (int bit = 0; bit < 2; ++bit) {
            if (mask[0] & (1u << bit))
                axis[bit] = next < count ? fixedToDouble(values[next++]) : 0.0;
        }
        if (next == 0) {
            noteUserInput(XClickVerdict::UserClicked); // scrolled
            return;
        }
        // An absolute motion of ours reports where it went.
        const auto ours = std::find(motionsInFlight.begin(), motionsInFlight.end(),
                                    std::pair<int, int>(static_cast<int>(axis[0]), static_cast<int>(axis[1])));
        if ((mask[0] & 3u) == 3u && ours != motionsInFlight.end() && axis[0] == ours->first &&
            axis[1] == ours->second) {
            motionsInFlight.erase(motionsInFlight.begin(), ours + 1);
            return;
        }
        // Anything else is the user's: a relative device reports how far it moved, an
        // absolute one where it is, which counts as a move far enough.
        watch.reported(std::hypot(axis[0], axis[1]));
    }

    void handle(const xcb_generic_event_t& event)
    {
        if ((event.response_type & 0x7f) != XCB_GE_GENERIC)
            return;
        const auto& generic = reinterpret_cast<const xcb_ge_generic_event_t&>(event);
        if (generic.extension != xiOpcode)
            return;
        switch (generic.event_type) {
        case XCB_INPUT_RAW_MOTION:
            rawMotion(reinterpret_cast<const xcb_input_raw_motion_event_t&>(event));
            break;
        case XCB_INPUT_RAW_BUTTON_PRESS:
            if (pressesInFlight > 0)
                --pressesInFlight;
            else
                noteUserInput(XClickVerdict::UserClicked);
            break;
        case XCB_INPUT_RAW_KEY_PRESS: {
            const auto keycode = static_cast<xcb_keycode_t>(
                reinterpret_cast<const xcb_input_raw_key_press_event_t&>(event).detail);
            if (std::find(escapeKeycodes.begin(), escapeKeycodes.end(), keycode) != escapeKeycodes.end())
                noteUserInput(XClickVerdict::EscapePressed);
            break;
        }
        default:
            break;
        }
    }

    void drain()
    {
        if (lost())
            return;
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            handle(*event);
            std::free(event);
        }
    }

    XClickVerdict verdict() const
    {
        if (lost())
            return XClickVerdict::DisplayLost;
        if (userInput != XClickVerdict::Go)
            return userInput;
        return watch.movedTooFar() ? XClickVerdict::PointerMoved : XClickVerdict::Go;
    }

    // A window manager's click-to-focus grab freezes the pointer on a press until it has
    // passed the press on; a release posted meanwhile waits in the server and would reach
    // the window only after the next click's motion, in the next cell. So the release is
    // seen through (the server's button state tells) before anything else is posted.
    XClickVerdict settleRelease(bool stopOnUserInput)
    {
        const auto deadline = Clock::now() + std::chrono::microseconds(kReleaseBoundMicros);
        while (pendingRelease) {
            const std::optional<PointerState> pointer = queryPointer();
            if (!pointer)
                return XClickVerdict::DisplayLost;
            if (!(pointer->mask & pendingRelease)) {
                pendingRelease = 0;
                break;
            }
            drain();
            if (stopOnUserInput && verdict() != XClickVerdict::Go)
                return verdict();
            if (Clock::now() >= deadline)
                return XClickVerdict::ReleaseNotSeen;
            std::this_thread::sleep_for(50us);
        }
        return lost() ? XClickVerdict::DisplayLost : XClickVerdict::Go;
    }

    void ungrab()
    {
        if (!grabbed)
            return;
        grabbed = false;
        xcb_ungrab_server(c);
        xcb_flush(c);
    }

    // The root's child under the point that takes the click: windows that let clicks
    // through (ours, when locked) are passed over. Requests go out together.
    xcb_window_t topWindowAt(int x, int y, const std::vector<xcb_window_t>& passThrough)
    {
        const XcbReply<xcb_query_tree_reply_t> tree{
            xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr)};
        if (!tree)
            return 0;
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        const int count = xcb_query_tree_children_length(tree.get());
        std::vector<xcb_get_window_attributes_cookie_t> attributes(count);
        std::vector<xcb_get_geometry_cookie_t> geometries(count);
        for (int i = 0; i < count; ++i) {
            attributes[i] = xcb_get_window_attributes(c, children[i]);
            geometries[i] = xcb_get_geometry(c, children[i]);
        }
        xcb_window_t top = 0;
        // Bottom to top: the last one that holds the point is on top.
        for (int i = 0; i < count; ++i) {
            const XcbReply<xcb_get_window_attributes_reply_t> a{
                xcb_get_window_attributes_reply(c, attributes[i], nullptr)};
            const XcbReply<xcb_get_geometry_reply_t> g{xcb_get_geometry_reply(c, geometries[i], nullptr)};
            if (a && g && a->map_state == XCB_MAP_STATE_VIEWABLE && contains(*g, x, y) &&
                std::find(passThrough.begin(), passThrough.end(), children[i]) == passThrough.end())
                top = children[i];
        }
        return top;
    }

    // The root's child that holds the window: a window manager's frame, or itself.
    xcb_window_t topLevelOf(xcb_window_t window)
    {
        for (int depth = 0; depth < 8 && window; ++depth) {
            const XcbReply<xcb_query_tree_reply_t> tree{
                xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr)};
            if (!tree)
                return 0;
            if (tree->parent == root || tree->parent == 0)
                return window;
            window = tree->parent;
        }
        return 0;
    }

    bool hitsOwnWindow(QPointF point, int x, int y, const std::vector<XOwnWindow>& own)
    {
        // Most clicks are nowhere near this program's windows: their frames tell at once.
        if (std::none_of(own.begin(), own.end(),
                         [&](const XOwnWindow& w) { return w.takesInput && w.deviceFrame.contains(point); }))
            return false;
        std::vector<xcb_window_t> ours;
        std::vector<xcb_window_t> passThrough;
        for (const XOwnWindow& w : own)
            (w.takesInput ? ours : passThrough).push_back(topLevelOf(static_cast<xcb_window_t>(w.id)));
        const xcb_window_t top = topWindowAt(x, y, passThrough);
        return top && std::find(ours.begin(), ours.end(), top) != ours.end();
    }

    void findEscapeKeycodes()
    {
        const xcb_setup_t* setup = xcb_get_setup(c);
        const int first = setup->min_keycode;
        const int count = setup->max_keycode - setup->min_keycode + 1;
        const XcbReply<xcb_get_keyboard_mapping_reply_t> map{xcb_get_keyboard_mapping_reply(
            c,
            xcb_get_keyboard_mapping(c, static_cast<xcb_keycode_t>(first), static_cast<std::uint8_t>(count)),
            nullptr)};
        if (!map || map->keysyms_per_keycode == 0)
            return;
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map.get());
        const int total = xcb_get_keyboard_mapping_keysyms_length(map.get());
        for (int i = 0; i < total; ++i) {
            if (syms[i] == kEscapeKeysym)
                escapeKeycodes.push_back(static_cast<xcb_keycode_t>(first + i / map->keysyms_per_keycode));
        }
    }

    // Raw events reach a client that asks on the root window whatever window has the
    // pointer or the keyboard, and during other clients' grabs.
    void watchDevices()
    {
        const xcb_query_extension_reply_t* input = xcb_get_extension_data(c, &xcb_input_id);
        if (!input || !input->present)
            return;
        const XcbReply<xcb_input_xi_query_version_reply_t> version{
            xcb_input_xi_query_version_reply(c, xcb_input_xi_query_version(c, 2, 2), nullptr)};
        if (!version || (version->major_version == 2 && version->minor_version < 1))
            return;
        xiOpcode = input->major_opcode;
        struct
        {
            xcb_input_event_mask_t head;
            std::uint32_t bits;
        } mask{{XCB_INPUT_DEVICE_ALL_MASTER, 1},
               XCB_INPUT_XI_EVENT_MASK_RAW_MOTION | XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS |
                   XCB_INPUT_XI_EVENT_MASK_RAW_KEY_PRESS};
        watchesDevices = !XcbReply<xcb_generic_error_t>{
            xcb_request_check(c, xcb_input_xi_select_events_checked(c, root, 1, &mask.head))};
        findEscapeKeycodes();
    }

    xcb_atom_t atom(const char* name)
    {
        const XcbReply<xcb_intern_atom_reply_t> reply{xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr)};
        return reply ? reply->atom : 0;
    }

    xcb_window_t activeWindow()
    {
        const XcbReply<xcb_get_property_reply_t> reply{xcb_get_property_reply(
            c, xcb_get_property(c, 0, root, atom("_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW, 0, 1), nullptr)};
        if (!reply || xcb_get_property_value_length(reply.get()) < 4)
            return 0;
        return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
    }

    bool windowContains(xcb_window_t window, int x, int y)
    {
        const XcbReply<xcb_get_geometry_reply_t> g{
            xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr)};
        const XcbReply<xcb_translate_coordinates_reply_t> origin{
            xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, window, root, 0, 0), nullptr)};
        return g && origin && x >= origin->dst_x && x < origin->dst_x + g->width && y >= origin->dst_y &&
               y < origin->dst_y + g->height;
    }

    bool hasProperty(xcb_window_t window, xcb_atom_t property)
    {
        const XcbReply<xcb_get_property_reply_t> reply{
            xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, XCB_ATOM_ANY, 0, 0), nullptr)};
        return reply && reply->type != 0;
    }

    // The application window inside a window manager's frame: the one with WM_STATE.
    xcb_window_t findClient(xcb_window_t window, xcb_atom_t wmState, int depth = 0)
    {
        if (hasProperty(window, wmState))
            return window;
        if (depth > 3)
            return 0;
        const XcbReply<xcb_query_tree_reply_t> tree{
            xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr)};
        if (!tree)
            return 0;
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        for (int i = xcb_query_tree_children_length(tree.get()); i-- > 0;) {
            if (const xcb_window_t client = findClient(children[i], wmState, depth + 1))
                return client;
        }
        return 0;
    }

    // The managed window under the point; windows the manager does not manage (such as
    // the click-through overlay) are passed over.
    xcb_window_t clientWindowAt(int x, int y)
    {
        const XcbReply<xcb_query_tree_reply_t> tree{
            xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr)};
        if (!tree)
            return 0;
        const xcb_atom_t wmState = atom("WM_STATE");
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        for (int i = xcb_query_tree_children_length(tree.get()); i-- > 0;) {
            const XcbReply<xcb_get_window_attributes_reply_t> a{
                xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, children[i]), nullptr)};
            const XcbReply<xcb_get_geometry_reply_t> g{
                xcb_get_geometry_reply(c, xcb_get_geometry(c, children[i]), nullptr)};
            if (!a || !g || a->map_state != XCB_MAP_STATE_VIEWABLE || a->override_redirect || !contains(*g, x, y))
                continue;
            return findClient(children[i], wmState);
        }
        return 0;
    }
};

XX11MousePoster::XX11MousePoster(const QByteArray& displayName) : d(std::make_unique<Private>())
{
    XUseFineTimerSlack();
    int screenNumber = 0;
    d->c = xcb_connect(displayName.isEmpty() ? nullptr : displayName.constData(), &screenNumber);
    if (xcb_connection_has_error(d->c)) {
        XLog("ERROR! cannot open the X display \"%s\" to click", displayName.constData());
        xcb_disconnect(d->c);
        d->c = nullptr;
        return;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(d->c));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    d->root = screens.data->root;
    const xcb_query_extension_reply_t* test = xcb_get_extension_data(d->c, &xcb_test_id);
    if (!test || !test->present) {
        XLog("ERROR! the X server has no XTest extension: clicks cannot be posted");
        xcb_disconnect(d->c);
        d->c = nullptr;
        return;
    }
    d->watchDevices();
    if (!d->watchesDevices)
        XLog("the X server has no XInput 2.1: the mouse is watched by looks at the pointer only");
    d->wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    // Where the user left the pointer is where the first look counts from.
    if (const auto pointer = d->queryPointer())
        d->watch.placed(pointer->position);
}

XX11MousePoster::~XX11MousePoster()
{
    if (d->c) {
        d->ungrab();
        xcb_disconnect(d->c);
    }
    if (d->wakeFd >= 0)
        close(d->wakeFd);
}

bool XX11MousePoster::isUsable() const
{
    return d->c != nullptr;
}

void XX11MousePoster::postMouseEvent(XMouseEventType type, QPointF devicePoint)
{
    d->sleeper.markFirstEvent();
    if (d->lost())
        return;
    // Device pixels arrive unrounded; round once, here.
    const int x = static_cast<int>(std::lround(devicePoint.x()));
    const int y = static_cast<int>(std::lround(devicePoint.y()));
    // A release right after a drag stays where the drag went: moving back first would give
    // the receiving program two motions at once, which it merges into none, and the drag
    // would be lost.
    const bool release = type == XLeftMouseUp || type == XRightMouseUp;
    const bool drag = type == XLeftMouseDragged || type == XRightMouseDragged;
    if (!(release && d->dragged)) {
        // Always: the user may have moved the pointer since the last event.
        xcb_test_fake_input(d->c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, d->root, static_cast<std::int16_t>(x),
                            static_cast<std::int16_t>(y), 0);
        d->motionsInFlight.emplace_back(x, y);
        if (d->motionsInFlight.size() > kMotionsInFlight)
            d->motionsInFlight.pop_front();
        d->watch.placed(QPointF(x, y));
    }
    d->dragged = drag;
    // A drag is the motion above alone.
    if (!drag) {
        const bool right = type == XRightMouseDown || type == XRightMouseUp;
        const std::uint8_t button = right ? 3 : 1;
        const bool press = type == XLeftMouseDown || type == XRightMouseDown;
        xcb_test_fake_input(d->c, press ? XCB_BUTTON_PRESS : XCB_BUTTON_RELEASE, button, XCB_CURRENT_TIME,
                            XCB_NONE, 0, 0, 0);
        if (press && d->watchesDevices)
            ++d->pressesInFlight;
        if (!press)
            d->pendingRelease = right ? XCB_BUTTON_MASK_3 : XCB_BUTTON_MASK_1;
    }
    xcb_flush(d->c);
}

void XX11MousePoster::sleepMicroseconds(std::int64_t micros, std::stop_token stop)
{
    d->sleeper.sleepMicroseconds(micros, stop);
}

std::optional<QPointF> XX11MousePoster::pointerPosition()
{
    const std::optional<PointerState> pointer = d->queryPointer();
    if (!pointer)
        return std::nullopt;
    return pointer->position;
}

XClickVerdict XX11MousePoster::beginClick(QPointF devicePoint, const std::vector<XOwnWindow>& ownWindows)
{
    if (const XClickVerdict settled = d->settleRelease(true); settled != XClickVerdict::Go)
        return settled;
    // From the look to the click nothing else reaches the server: a pointer another
    // program moves meanwhile is moved after the click, and the next look sees it, instead
    // of being moved back into a cell unseen. The look's round trip also brings every
    // report the server sent before it.
    xcb_grab_server(d->c);
    d->grabbed = true;
    d->look();
    d->drain();
    XClickVerdict verdict = d->verdict();
    const int x = static_cast<int>(std::lround(devicePoint.x()));
    const int y = static_cast<int>(std::lround(devicePoint.y()));
    if (verdict == XClickVerdict::Go && d->hitsOwnWindow(devicePoint, x, y, ownWindows))
        verdict = XClickVerdict::OwnWindow;
    if (verdict != XClickVerdict::Go)
        d->ungrab();
    return verdict;
}

void XX11MousePoster::endClick()
{
    d->ungrab();
}

XClickVerdict XX11MousePoster::pauseWatching(std::int64_t micros, std::stop_token stop)
{
    const auto due = d->sleeper.deadlineFor(micros);
    if (d->lost())
        return XClickVerdict::DisplayLost;
    const auto spin = d->sleeper.spinStretch();
    if (due) {
        // A stop request wakes the wait below.
        const std::stop_callback wake(stop, [fd = d->wakeFd] {
            const std::uint64_t one = 1;
            [[maybe_unused]] const auto written = write(fd, &one, sizeof one);
        });
        for (;;) {
            d->drain();
            if (d->verdict() != XClickVerdict::Go || stop.stop_requested())
                return d->verdict();
            const auto now = Clock::now();
            if (*due - now <= spin)
                break;
            if (now - d->lastLook >= kLookInterval) {
                d->look();
                continue;
            }
            const auto wait = std::min<Clock::duration>(*due - spin - now, kLookInterval - (now - d->lastLook));
            const auto nanos = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
            const timespec timeout{static_cast<time_t>(nanos / 1'000'000'000), static_cast<long>(nanos % 1'000'000'000)};
            pollfd fds[2] = {{xcb_get_file_descriptor(d->c), POLLIN, 0}, {d->wakeFd, POLLIN, 0}};
            ppoll(fds, d->wakeFd >= 0 ? 2 : 1, &timeout, nullptr);
            if (fds[1].revents & POLLIN) {
                std::uint64_t count = 0;
                [[maybe_unused]] const auto read = ::read(d->wakeFd, &count, sizeof count);
            }
        }
        XSleepUntilExactly(*due, spin);
        d->sleeper.reached(*due);
    }
    d->drain();
    return d->verdict();
}

XClickVerdict XX11MousePoster::finish()
{
    const XClickVerdict settled = d->settleRelease(false);
    return settled == XClickVerdict::ReleaseNotSeen || settled == XClickVerdict::DisplayLost ? settled
                                                                                              : XClickVerdict::Go;
}

void XX11MousePoster::activateWindowAt(QPointF devicePoint)
{
    if (d->lost())
        return;
    const int x = static_cast<int>(std::lround(devicePoint.x()));
    const int y = static_cast<int>(std::lround(devicePoint.y()));
    // Most runs click into the window that is active already: a few requests tell.
    const xcb_window_t active = d->activeWindow();
    if (active && d->windowContains(active, x, y))
        return;
    const xcb_window_t client = d->clientWindowAt(x, y);
    if (!client || client == active)
        return;
    xcb_client_message_event_t event = {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.window = client;
    event.type = d->atom("_NET_ACTIVE_WINDOW");
    event.format = 32;
    event.data.data32[0] = 2; // asked for on the user's behalf, as a pager would
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(d->c, 0, d->root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(d->c);
    // The manager answers within a few milliseconds; never wait long for one that does not.
    const auto deadline = Clock::now() + 100ms;
    while (!d->lost() && d->activeWindow() != client && Clock::now() < deadline)
        std::this_thread::sleep_for(1ms);
}
