#pragma once

#include "HKHotKey.h"

#include <functional>
#include <memory>
#include <vector>

class XHotKeyService;
struct XHotKeyEvent;

// The registry of global hot keys: registers them with the platform under the
// signature 'htk1' and increasing numbers (from 1, never reused), and invokes the one
// whose combination was released.
class HKHotKeyCenter
{
public:
    static constexpr std::uint32_t kSignature = 0x68746B31;
    using HotKeys = std::vector<std::shared_ptr<HKHotKey>>;
    using Predicate = std::function<bool(const HKHotKey&)>;

    // The application makes one, which becomes the shared one; tests make their own.
    explicit HKHotKeyCenter(XHotKeyService& service);
    // Unregisters whatever is still registered.
    ~HKHotKeyCenter();
    HKHotKeyCenter(const HKHotKeyCenter&) = delete;
    HKHotKeyCenter& operator=(const HKHotKeyCenter&) = delete;

    // The center of the application: the one made last and still alive.
    static HKHotKeyCenter* sharedHotKeyCenter();

    // Null when that combination is registered already or the platform refuses it.
    std::shared_ptr<HKHotKey> registerHotKeyWithKeyCode(std::uint16_t keyCode, std::uint64_t modifierFlags,
                                                        QObject* target, const QByteArray& action,
                                                        QVariant object = {});
    std::shared_ptr<HKHotKey> registerHotKeyWithKeyCode(std::uint16_t keyCode, std::uint64_t modifierFlags,
                                                        HKHotKey::Task task);
    // No duplicate check: with an equal one registered, the given hot key comes back
    // unregistered. Null when the platform refuses.
    std::shared_ptr<HKHotKey> registerHotKey(std::shared_ptr<HKHotKey> hotKey);

    void unregisterHotKey(HKHotKey& hotKey);
    void unregisterHotKeyWithKeyCode(std::uint16_t keyCode, std::uint64_t modifierFlags);
    void unregisterHotKeysWithTarget(const QObject* target);
    void unregisterHotKeysWithTarget(const QObject* target, const QByteArray& action);
    void unregisterHotKeysMatching(const Predicate& predicate);
    void unregisterAllHotKeys();

    HotKeys hotKeysMatching(const Predicate& predicate) const;
    bool hasRegisteredHotKeyWithKeyCode(std::uint16_t keyCode, std::uint64_t modifierFlags) const;
    // Those that hold a platform reference.
    HotKeys registeredHotKeys() const;

private:
    friend class HKHotKey;
    // A hot key may outlive the center that registered it.
    static bool isLive(const HKHotKeyCenter* center);
    void dispatch(const XHotKeyEvent& event);

    XHotKeyService& m_service;
    HotKeys _registeredHotKeys;
    std::uint32_t _nextHotKeyID = 1;
};
