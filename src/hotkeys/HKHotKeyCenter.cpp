#include "HKHotKeyCenter.h"

#include "HKKeyCodes.h"

#include "platform/XHotKeyService.h"
#include "platform/XLog.h"

#include <algorithm>

namespace {
// Live centers, oldest first: the last one is the shared one.
std::vector<HKHotKeyCenter*>& liveCenters()
{
    static std::vector<HKHotKeyCenter*> centers;
    return centers;
}
} // namespace

HKHotKeyCenter::HKHotKeyCenter(XHotKeyService& service) : m_service(service)
{
    liveCenters().push_back(this);
    m_service.setHandler(kSignature, [this](const XHotKeyEvent& event) { dispatch(event); });
}

HKHotKeyCenter::~HKHotKeyCenter()
{
    unregisterAllHotKeys();
    std::erase(liveCenters(), this);
    // Another center on the same service takes the events back.
    const auto& centers = liveCenters();
    const auto other = std::find_if(centers.rbegin(), centers.rend(),
                                    [this](const HKHotKeyCenter* c) { return &c->m_service == &m_service; });
    if (other != centers.rend()) {
        HKHotKeyCenter* center = *other;
        m_service.setHandler(kSignature, [center](const XHotKeyEvent& event) { center->dispatch(event); });
    } else {
        m_service.removeHandler(kSignature);
    }
}

HKHotKeyCenter* HKHotKeyCenter::sharedHotKeyCenter()
{
    const auto& centers = liveCenters();
    return centers.empty() ? nullptr : centers.back();
}

bool HKHotKeyCenter::isLive(const HKHotKeyCenter* center)
{
    const auto& centers = liveCenters();
    return std::find(centers.begin(), centers.end(), center) != centers.end();
}

std::shared_ptr<HKHotKey> HKHotKeyCenter::registerHotKeyWithKeyCode(std::uint16_t keyCode,
                                                                    std::uint64_t modifierFlags,
                                                                    QObject* target, const QByteArray& action,
                                                                    QVariant object)
{
    if (hasRegisteredHotKeyWithKeyCode(keyCode, modifierFlags))
        return nullptr;
    return registerHotKey(
        HKHotKey::hotKeyWithKeyCode(keyCode, modifierFlags, target, action, std::move(object)));
}

std::shared_ptr<HKHotKey> HKHotKeyCenter::registerHotKeyWithKeyCode(std::uint16_t keyCode,
                                                                    std::uint64_t modifierFlags,
                                                                    HKHotKey::Task task)
{
    if (hasRegisteredHotKeyWithKeyCode(keyCode, modifierFlags))
        return nullptr;
    return registerHotKey(HKHotKey::hotKeyWithKeyCode(keyCode, modifierFlags, std::move(task)));
}

std::shared_ptr<HKHotKey> HKHotKeyCenter::registerHotKey(std::shared_ptr<HKHotKey> hotKey)
{
    if (!hotKey)
        return nullptr;
    if (std::any_of(_registeredHotKeys.begin(), _registeredHotKeys.end(),
                    [&](const auto& registered) { return registered->isEqual(*hotKey); }))
        return hotKey;
    const std::uint32_t id = _nextHotKeyID;
    if (!m_service.registerHotKey(kSignature, id, hotKey->keyCode(),
                                  HKCarbonModifierFlagsFromCocoaModifiers(hotKey->modifierFlags())))
        return nullptr;
    hotKey->setHotKeyRef(HKHotKeyRef{kSignature, id}, this);
    hotKey->setHotKeyID(id);
    ++_nextHotKeyID;
    _registeredHotKeys.push_back(hotKey);
    return hotKey;
}

void HKHotKeyCenter::unregisterHotKey(HKHotKey& hotKey)
{
    if (const auto ref = hotKey.hotKeyRef()) {
        m_service.unregisterHotKey(ref->signature, ref->id);
        hotKey.setHotKeyRef(std::nullopt);
    }
    // Those taken out may be their last owner's: they go only once the list is whole again,
    // since one that still holds a grab unregisters itself on the way out.
    const std::uint16_t keyCode = hotKey.keyCode();
    const std::uint64_t flags = hotKey.modifierFlags();
    HotKeys removed;
    std::erase_if(_registeredHotKeys, [&](std::shared_ptr<HKHotKey>& registered) {
        if (registered->keyCode() != keyCode || registered->modifierFlags() != flags)
            return false;
        removed.push_back(std::move(registered));
        return true;
    });
}

void HKHotKeyCenter::unregisterHotKeyWithKeyCode(std::uint16_t keyCode, std::uint64_t modifierFlags)
{
    unregisterHotKeysMatching([&](const HKHotKey& hotKey) {
        return hotKey.keyCode() == keyCode && hotKey.modifierFlags() == modifierFlags;
    });
}

void HKHotKeyCenter::unregisterHotKeysWithTarget(const QObject* target)
{
    unregisterHotKeysMatching([&](const HKHotKey& hotKey) { return hotKey.target() == target; });
}

void HKHotKeyCenter::unregisterHotKeysWithTarget(const QObject* target, const QByteArray& action)
{
    unregisterHotKeysMatching(
        [&](const HKHotKey& hotKey) { return hotKey.target() == target && hotKey.action() == action; });
}

void HKHotKeyCenter::unregisterHotKeysMatching(const Predicate& predicate)
{
    for (const auto& hotKey : hotKeysMatching(predicate))
        unregisterHotKey(*hotKey);
}

void HKHotKeyCenter::unregisterAllHotKeys()
{
    const HotKeys snapshot = _registeredHotKeys;
    for (const auto& hotKey : snapshot)
        unregisterHotKey(*hotKey);
}

HKHotKeyCenter::HotKeys HKHotKeyCenter::hotKeysMatching(const Predicate& predicate) const
{
    HotKeys result;
    std::copy_if(_registeredHotKeys.begin(), _registeredHotKeys.end(), std::back_inserter(result),
                 [&](const auto& hotKey) { return predicate(*hotKey); });
    return result;
}

bool HKHotKeyCenter::hasRegisteredHotKeyWithKeyCode(std::uint16_t keyCode, std::uint64_t modifierFlags) const
{
    return std::any_of(_registeredHotKeys.begin(), _registeredHotKeys.end(), [&](const auto& hotKey) {
        return hotKey->keyCode() == keyCode && hotKey->modifierFlags() == modifierFlags;
    });
}

HKHotKeyCenter::HotKeys HKHotKeyCenter::registeredHotKeys() const
{
    return hotKeysMatching([](const HKHotKey& hotKey) { return hotKey.hotKeyRef().has_value(); });
}

void HKHotKeyCenter::dispatch(const XHotKeyEvent& event)
{
    const HotKeys matches =
        hotKeysMatching([&](const HKHotKey& hotKey) { return hotKey.hotKeyID() == event.id; });
    if (matches.size() > 1)
        XLogIn(lcHotKeys(), "ERROR!");
    if (matches.empty())
        return;
    HKKeyEvent keyUp;
    keyUp.type = HKKeyEvent::kKeyUp;
    keyUp.locationInWindow = event.location;
    keyUp.modifierFlags = event.modifierFlags;
    keyUp.timestamp = event.timestamp;
    keyUp.windowNumber = -1;
    keyUp.isARepeat = false;
    keyUp.keyCode = matches.front()->keyCode();
    // The copy keeps the hot key alive should its action unregister it.
    const std::shared_ptr<HKHotKey> hotKey = matches.front();
    hotKey->invokeWithEvent(keyUp);
}
