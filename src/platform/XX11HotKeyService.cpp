#include "XX11HotKeyService.h"

#include "XVirtualKeys.h"
#include "XX11Display.h"
#include "XXcbReply.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QObject>

#include <X11/Xlib.h>
#include <xcb/xcb.h>
// The XKB protocol header names a field `explicit`.
#define explicit xkb_explicit
#include <xcb/xkb.h>
#undef explicit
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <map>
#include <unordered_map>

namespace {
struct ContextDeleter
{
    void operator()(xkb_context* context) const { xkb_context_unref(context); }
};
struct KeymapDeleter
{
    void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
};
struct StateDeleter
{
    void operator()(xkb_state* state) const { xkb_state_unref(state); }
};

// Modifiers that take part in matching a combination (the pointer buttons do not).
constexpr std::uint16_t kKeyboardModifiers = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_LOCK | XCB_MOD_MASK_CONTROL |
                                             XCB_MOD_MASK_1 | XCB_MOD_MASK_2 | XCB_MOD_MASK_3 |
                                             XCB_MOD_MASK_4 | XCB_MOD_MASK_5;

std::uint16_t xModifiersFromCarbon(std::uint32_t carbon)
{
    std::uint16_t mods = 0;
    if (carbon & XCarbonControlKey)
        mods |= XCB_MOD_MASK_CONTROL;
    if (carbon & XCarbonShiftKey)
        mods |= XCB_MOD_MASK_SHIFT;
    if (carbon & XCarbonOptionKey)
        mods |= XCB_MOD_MASK_1;
    if (carbon & XCarbonCmdKey)
        mods |= XCB_MOD_MASK_4;
    if (carbon & XCarbonAlphaLock)
        mods |= XCB_MOD_MASK_LOCK;
    return mods;
}

std::uint64_t flagsFromXState(std::uint16_t state)
{
    std::uint64_t flags = 0;
    if (state & XCB_MOD_MASK_SHIFT)
        flags |= XShiftKeyMask;
    if (state & XCB_MOD_MASK_CONTROL)
        flags |= XControlKeyMask;
    if (state & XCB_MOD_MASK_1)
        flags |= XAlternateKeyMask;
    if (state & XCB_MOD_MASK_4)
        flags |= XCommandKeyMask;
    if (state & XCB_MOD_MASK_LOCK)
        flags |= XCapsLockKeyMask;
    return flags;
}

// Numbers are counted per signature: only the pair names a grab.
using GrabId = std::pair<std::uint32_t, std::uint32_t>;

struct Grab
{
    xcb_keycode_t keycode = 0;
    std::uint16_t modifiers = 0;
    // The lock states it was grabbed under, one grab each.
    std::vector<std::uint16_t> lockCombinations;
};

struct PendingRelease
{
    std::uint64_t serial = 0;
    xcb_keycode_t keycode = 0;
    xcb_timestamp_t time = 0;
    XHotKeyEvent event;
};
} // namespace

class XX11HotKeyService::Private : public QAbstractNativeEventFilter
{
public:
    Private(XX11HotKeyService& service, std::function<std::vector<XScreenInfo>()> screens)
        : m_service(service), m_screens(std::move(screens))
    {
        auto* x11 = XQtX11Application();
        if (!x11)
            return;
        m_connection = x11->connection();
        m_root = DefaultRootWindow(x11->display());
        m_context.reset(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
        if (m_connection && m_context &&
            xkb_x11_setup_xkb_extension(m_connection, XKB_X11_MIN_MAJOR_XKB_VERSION,
                                        XKB_X11_MIN_MINOR_XKB_VERSION, XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS,
                                        nullptr, nullptr, &m_xkbFirstEvent, nullptr)) {
            m_device = xkb_x11_get_core_keyboard_device_id(m_connection);
            // A held key then repeats its press only; the release comes once, when it is let go.
            xcb_discard_reply(m_connection, xcb_xkb_per_client_flags(
                                                m_connection, XCB_XKB_ID_USE_CORE_KBD,
                                                XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT,
                                                XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT, 0, 0, 0)
                                                .sequence);
        }
        loadKeymap();
        qGuiApp->installNativeEventFilter(this);
    }

    ~Private() override
    {
        // Qt's connection goes with the application.
        if (!qGuiApp || !m_connection)
            return;
        qGuiApp->removeNativeEventFilter(this);
        for (const auto& [id, grab] : m_grabs)
            ungrab(grab, grab.lockCombinations);
        xcb_flush(m_connection);
    }

    bool registerHotKey(std::uint32_t signature, std::uint32_t id, std::uint16_t keyCode,
                        std::uint32_t carbonModifiers)
    {
        if (!m_connection || m_grabs.contains({signature, id}))
            return false;
        refreshKeymap();
        const auto keycode = m_keycodes.find(keyCode);
        if (keycode == m_keycodes.end())
            return false;
        Grab grab{keycode->second, xModifiersFromCarbon(carbonModifiers), {}};
        // Grabbing again what this connection holds would succeed and take it from the
        // first holder silently: ungrabbing one would then free both.
        for (const auto& [held, other] : m_grabs)
            if (other.keycode == grab.keycode && other.modifiers == grab.modifiers)
                return false;
        // The combination must fire whatever the state of Num Lock, Scroll Lock and, unless
        // it is part of it, Caps Lock.
        std::vector<std::uint16_t> locks{m_numLockMask, m_scrollLockMask};
        if (!(grab.modifiers & XCB_MOD_MASK_LOCK))
            locks.push_back(XCB_MOD_MASK_LOCK);
        std::vector<std::uint16_t> combinations{0};
        for (const std::uint16_t lock : locks) {
            if (!lock || (grab.modifiers & lock))
                continue;
            const std::size_t count = combinations.size();
            for (std::size_t i = 0; i < count; ++i) {
                if (!(combinations[i] & lock))
                    combinations.push_back(combinations[i] | lock);
            }
        }
        std::vector<xcb_void_cookie_t> cookies;
        for (const std::uint16_t extra : combinations)
            cookies.push_back(xcb_grab_key_checked(m_connection, 0, m_root, grab.modifiers | extra,
                                                   grab.keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        // Another client holding any of them (BadAccess) means the combination is not ours.
        std::vector<std::uint16_t> granted;
        bool refused = false;
        for (std::size_t i = 0; i < cookies.size(); ++i) {
            if (XcbReply<xcb_generic_error_t> error{xcb_request_check(m_connection, cookies[i])})
                refused = true;
            else
                granted.push_back(combinations[i]);
        }
        if (refused) {
            ungrab(grab, granted);
            xcb_flush(m_connection);
            return false;
        }
        grab.lockCombinations = std::move(combinations);
        m_grabs.emplace(GrabId{signature, id}, std::move(grab));
        return true;
    }

    void unregisterHotKey(std::uint32_t signature, std::uint32_t id)
    {
        const auto it = m_grabs.find({signature, id});
        if (it == m_grabs.end())
            return;
        ungrab(it->second, it->second.lockCombinations);
        xcb_flush(m_connection);
        if (m_active && *m_active == it->first)
            m_active.reset();
        m_grabs.erase(it);
    }

    QString characterForKeyCode(std::uint16_t keyCode) const
    {
        refreshKeymap();
        const auto keycode = m_keycodes.find(keyCode);
        if (!m_keymap || keycode == m_keycodes.end())
            return XUsLayoutCharacter(keyCode);
        // The level the key types at with no modifier held, in the layout in use now.
        xkb_layout_index_t layout = 0;
        if (std::unique_ptr<xkb_state, StateDeleter> state{
                xkb_x11_state_new_from_device(m_keymap.get(), m_connection, m_device)})
            layout = xkb_state_key_get_layout(state.get(), keycode->second);
        if (layout == XKB_LAYOUT_INVALID)
            layout = 0;
        const xkb_keysym_t* syms = nullptr;
        const int count = xkb_keymap_key_get_syms_by_level(m_keymap.get(), keycode->second, layout, 0, &syms);
        QString text;
        for (int i = 0; i < count; ++i) {
            char utf8[16];
            if (xkb_keysym_to_utf8(syms[i], utf8, sizeof utf8) > 0)
                text += QString::fromUtf8(utf8);
        }
        return text;
    }

    std::optional<std::uint16_t> keyCodeForKeyEvent(const QKeyEvent& event) const
    {
        if (event.nativeScanCode() != 0) {
            refreshKeymap();
            const auto it = m_codes.find(static_cast<xkb_keycode_t>(event.nativeScanCode()));
            if (it != m_codes.end())
                return it->second;
        }
        return XKeyCodeForQtKeyEvent(event);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t" || !message)
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        const std::uint8_t type = event->response_type & 0x7f;
        if (type == XCB_KEY_PRESS)
            return keyPressed(*reinterpret_cast<const xcb_key_press_event_t*>(event));
        if (type == XCB_KEY_RELEASE)
            return keyReleased(*reinterpret_cast<const xcb_key_release_event_t*>(event));
        if (type == XCB_MAPPING_NOTIFY) {
            m_keymapStale = true;
        } else if (m_xkbFirstEvent && type == m_xkbFirstEvent) {
            const auto xkbType = reinterpret_cast<const xcb_xkb_map_notify_event_t*>(event)->xkbType;
            if (xkbType == XCB_XKB_MAP_NOTIFY || xkbType == XCB_XKB_NEW_KEYBOARD_NOTIFY)
                m_keymapStale = true;
        }
        return false;
    }

private:
    bool keyPressed(const xcb_key_press_event_t& event)
    {
        // A release with the same time just before is the key repeating, when the server
        // cannot say so itself: the combination is still held.
        if (!m_pending.empty() && m_pending.back().keycode == event.detail &&
            m_pending.back().time == event.time) {
            m_active = GrabId{m_pending.back().event.signature, m_pending.back().event.id};
            m_activeKeycode = event.detail;
            m_pending.pop_back();
            return true;
        }
        if (m_active && m_activeKeycode == event.detail)
            return true;
        const std::uint16_t state = event.state & kKeyboardModifiers & ~(m_numLockMask | m_scrollLockMask);
        for (const auto& [id, grab] : m_grabs) {
            const std::uint16_t held =
                (grab.modifiers & XCB_MOD_MASK_LOCK) ? state : state & ~XCB_MOD_MASK_LOCK;
            if (grab.keycode == event.detail && held == grab.modifiers) {
                m_active = id;
                m_activeKeycode = event.detail;
                m_activeFiredOnPress = m_service.firesOn(id.first) == XHotKeyFires::OnPress;
                if (m_activeFiredOnPress)
                    queueDelivery(id, event.detail, event.time, event.root_x, event.root_y, event.state);
                return true;
            }
        }
        return false;
    }

    bool keyReleased(const xcb_key_release_event_t& event)
    {
        // The modifiers may go first: the release of the key itself ends the combination.
        if (!m_active || m_activeKeycode != event.detail)
            return false;
        const GrabId id = *m_active;
        m_active.reset();
        if (!m_grabs.contains(id) || m_activeFiredOnPress)
            return true;
        queueDelivery(id, event.detail, event.time, event.root_x, event.root_y, event.state);
        return true;
    }

    void queueDelivery(GrabId id, xcb_keycode_t keycode, xcb_timestamp_t time, std::int16_t rootX,
                       std::int16_t rootY, std::uint16_t state)
    {
        XHotKeyEvent hotKeyEvent;
        hotKeyEvent.signature = id.first;
        hotKeyEvent.id = id.second;
        // Device pixels for now: the screens are asked at delivery.
        hotKeyEvent.location = QPointF(rootX, rootY);
        hotKeyEvent.modifierFlags = flagsFromXState(state);
        hotKeyEvent.timestamp = time / 1000.0;
        const std::uint64_t serial = ++m_lastSerial;
        // A press is never a repeat taken back: only releases wait in the repeat check.
        m_pending.push_back({serial, m_activeFiredOnPress ? xcb_keycode_t(0) : keycode, time, hotKeyEvent});
        // Never inside the filter: once the events read with this one are through.
        QMetaObject::invokeMethod(
            &m_receiver, [this, serial] { deliverPending(serial); }, Qt::QueuedConnection);
    }

    // A release taken back as a repeat is no longer there when its call comes.
    void deliverPending(std::uint64_t serial)
    {
        const auto it = std::find_if(m_pending.begin(), m_pending.end(),
                                     [serial](const PendingRelease& p) { return p.serial == serial; });
        if (it == m_pending.end())
            return;
        XHotKeyEvent event = it->event;
        m_pending.erase(it);
        event.location = XDeviceToLogicalPoint(event.location, m_screens());
        m_service.deliver(event);
    }

    void ungrab(const Grab& grab, const std::vector<std::uint16_t>& combinations)
    {
        for (const std::uint16_t extra : combinations)
            xcb_ungrab_key(m_connection, grab.keycode, m_root, grab.modifiers | extra);
    }

    void refreshKeymap() const
    {
        if (m_keymapStale)
            loadKeymap();
    }

    void loadKeymap() const
    {
        m_keymapStale = false;
        if (!m_connection || !m_context || m_device < 0)
            return;
        std::unique_ptr<xkb_keymap, KeymapDeleter> keymap{xkb_x11_keymap_new_from_device(
            m_context.get(), m_connection, m_device, XKB_KEYMAP_COMPILE_NO_FLAGS)};
        if (!keymap)
            return;
        m_keymap = std::move(keymap);
        m_keycodes.clear();
        m_codes.clear();
        // The keyboard description resolves the names' aliases, both ways.
        for (const XVirtualKey& key : XVirtualKeyTable()) {
            if (!*key.xkbName)
                continue;
            const xkb_keycode_t keycode = xkb_keymap_key_by_name(m_keymap.get(), key.xkbName);
            if (keycode == XKB_KEYCODE_INVALID || keycode > 255)
                continue;
            m_keycodes.emplace(key.code, static_cast<xcb_keycode_t>(keycode));
            m_codes.emplace(keycode, key.code);
        }
        readLockMasks();
    }

    // Which of Mod1 to Mod5 Num Lock and Scroll Lock are, from the modifier map.
    void readLockMasks() const
    {
        m_numLockMask = 0;
        m_scrollLockMask = 0;
        std::vector<xkb_keycode_t> numLocks;
        std::vector<xkb_keycode_t> scrollLocks;
        const xkb_keycode_t min = xkb_keymap_min_keycode(m_keymap.get());
        const xkb_keycode_t max = xkb_keymap_max_keycode(m_keymap.get());
        for (xkb_keycode_t keycode = min; keycode <= max && keycode <= 255; ++keycode) {
            const xkb_layout_index_t layouts = xkb_keymap_num_layouts_for_key(m_keymap.get(), keycode);
            for (xkb_layout_index_t layout = 0; layout < layouts; ++layout) {
                const xkb_level_index_t levels =
                    xkb_keymap_num_levels_for_key(m_keymap.get(), keycode, layout);
                for (xkb_level_index_t level = 0; level < levels; ++level) {
                    const xkb_keysym_t* syms = nullptr;
                    const int count =
                        xkb_keymap_key_get_syms_by_level(m_keymap.get(), keycode, layout, level, &syms);
                    for (int i = 0; i < count; ++i) {
                        if (syms[i] == XKB_KEY_Num_Lock)
                            numLocks.push_back(keycode);
                        else if (syms[i] == XKB_KEY_Scroll_Lock)
                            scrollLocks.push_back(keycode);
                    }
                }
            }
        }
        XcbReply<xcb_get_modifier_mapping_reply_t> map{
            xcb_get_modifier_mapping_reply(m_connection, xcb_get_modifier_mapping(m_connection), nullptr)};
        if (!map)
            return;
        const xcb_keycode_t* keycodes = xcb_get_modifier_mapping_keycodes(map.get());
        const int perModifier = map->keycodes_per_modifier;
        for (int modifier = 0; modifier < 8; ++modifier) {
            for (int i = 0; i < perModifier; ++i) {
                const xcb_keycode_t keycode = keycodes[modifier * perModifier + i];
                if (!keycode)
                    continue;
                if (std::find(numLocks.begin(), numLocks.end(), keycode) != numLocks.end())
                    m_numLockMask |= 1 << modifier;
                if (std::find(scrollLocks.begin(), scrollLocks.end(), keycode) != scrollLocks.end())
                    m_scrollLockMask |= 1 << modifier;
            }
        }
    }

    XX11HotKeyService& m_service;
    std::function<std::vector<XScreenInfo>()> m_screens;
    // Receives the queued deliveries on the main thread.
    QObject m_receiver;
    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = 0;
    std::uint8_t m_xkbFirstEvent = 0;
    std::int32_t m_device = -1;
    std::unique_ptr<xkb_context, ContextDeleter> m_context;
    // What the server's keyboard description says, read again after it changes.
    mutable std::unique_ptr<xkb_keymap, KeymapDeleter> m_keymap;
    mutable bool m_keymapStale = false;
    mutable std::unordered_map<std::uint16_t, xcb_keycode_t> m_keycodes;
    mutable std::unordered_map<xkb_keycode_t, std::uint16_t> m_codes;
    mutable std::uint16_t m_numLockMask = 0;
    mutable std::uint16_t m_scrollLockMask = 0;
    std::map<GrabId, Grab> m_grabs;
    // The combination pressed and not yet released.
    std::optional<GrabId> m_active;
    xcb_keycode_t m_activeKeycode = 0;
    bool m_activeFiredOnPress = false;
    std::deque<PendingRelease> m_pending;
    std::uint64_t m_lastSerial = 0;
};

XX11HotKeyService::XX11HotKeyService(std::function<std::vector<XScreenInfo>()> screens)
    : m_impl(std::make_unique<Private>(*this, std::move(screens)))
{
}

XX11HotKeyService::~XX11HotKeyService() = default;

bool XX11HotKeyService::registerHotKey(std::uint32_t signature, std::uint32_t id, std::uint16_t keyCode,
                                       std::uint32_t carbonModifiers)
{
    return m_impl->registerHotKey(signature, id, keyCode, carbonModifiers);
}

void XX11HotKeyService::unregisterHotKey(std::uint32_t signature, std::uint32_t id)
{
    m_impl->unregisterHotKey(signature, id);
}

QString XX11HotKeyService::characterForKeyCode(std::uint16_t keyCode) const
{
    return m_impl->characterForKeyCode(keyCode);
}

std::optional<std::uint16_t> XX11HotKeyService::keyCodeForKeyEvent(const QKeyEvent& event) const
{
    return m_impl->keyCodeForKeyEvent(event);
}
