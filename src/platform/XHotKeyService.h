#pragma once

#include <QPointF>
#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>

class QKeyEvent;

// Modifier flags in the program's own numbering, as they are stored.
enum XModifierFlag : std::uint64_t
{
    XCapsLockKeyMask = 0x10000,
    XShiftKeyMask = 0x20000,
    XControlKeyMask = 0x40000,
    XAlternateKeyMask = 0x80000, // Option / Alt
    XCommandKeyMask = 0x100000,  // Command / Super
    XFunctionKeyMask = 0x800000,
};

// Registration masks, as the hot-key layer hands them over.
enum XCarbonModifier : std::uint32_t
{
    XCarbonCmdKey = 0x100,
    XCarbonShiftKey = 0x200,
    XCarbonAlphaLock = 0x400,
    XCarbonOptionKey = 0x800,
    XCarbonControlKey = 0x1000,
};

// One release of a registered combination.
struct XHotKeyEvent
{
    std::uint32_t signature = 0;
    std::uint32_t id = 0;
    // The pointer at the release: global logical coordinates, origin at the top-left of
    // the virtual screen, y downward.
    QPointF location;
    // Modifiers held at the release, in the program's numbering.
    std::uint64_t modifierFlags = 0;
    // Seconds, from a monotonic clock.
    double timestamp = 0;
};

enum class XHotKeyFires
{
    OnRelease,
    OnPress,
};

// System-wide key combinations. Key codes are the program's own positional numbering
// (the key at the position of the US layout's A is 0, Escape 53, F1 122…); a backend
// translates them to its keyboard. Everything here runs on the main thread.
class XHotKeyService
{
public:
    using Handler = std::function<void(const XHotKeyEvent&)>;
    virtual ~XHotKeyService() = default;

    // Grabs the combination under the identifier {signature, id}: numbers are counted per
    // signature, so only the pair names a grab. False when it cannot be had: another
    // program holds it, this service holds it already (under any identifier), the
    // identifier is in use, or no key of this keyboard sits at that position.
    virtual bool registerHotKey(std::uint32_t signature, std::uint32_t id, std::uint16_t keyCode,
                                std::uint32_t carbonModifiers) = 0;
    virtual void unregisterHotKey(std::uint32_t signature, std::uint32_t id) = 0;

    // The text the key types under the current keyboard layout with no modifier held;
    // empty when it types nothing.
    virtual QString characterForKeyCode(std::uint16_t keyCode) const = 0;
    // The program's key code of a key event of this application; nothing when the key has
    // no position in the numbering.
    virtual std::optional<std::uint16_t> keyCodeForKeyEvent(const QKeyEvent& event) const = 0;

    // Each release of a combination registered under `signature` (each press, for one that
    // stops something and must not wait for the key to come up) reaches this handler,
    // queued on the main thread, never from inside the event filter.
    void setHandler(std::uint32_t signature, Handler handler, XHotKeyFires fires = XHotKeyFires::OnRelease)
    {
        m_handlers[signature] = {std::move(handler), fires};
    }
    void removeHandler(std::uint32_t signature) { m_handlers.erase(signature); }
    XHotKeyFires firesOn(std::uint32_t signature) const
    {
        const auto it = m_handlers.find(signature);
        return it == m_handlers.end() ? XHotKeyFires::OnRelease : it->second.fires;
    }

protected:
    void deliver(const XHotKeyEvent& event) const
    {
        const auto it = m_handlers.find(event.signature);
        if (it != m_handlers.end() && it->second.handler)
            it->second.handler(event);
    }

private:
    struct Registered
    {
        Handler handler;
        XHotKeyFires fires = XHotKeyFires::OnRelease;
    };
    std::map<std::uint32_t, Registered> m_handlers;
};
