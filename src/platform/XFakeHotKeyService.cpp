#include "XFakeHotKeyService.h"

#include <algorithm>

bool XFakeHotKeyService::registerHotKey(std::uint32_t signature, std::uint32_t id, std::uint16_t keyCode,
                                        std::uint32_t carbonModifiers)
{
    // As the X11 service: a pair names one grab, and one combination is held once.
    const bool idInUse = std::any_of(m_registrations.begin(), m_registrations.end(), [&](const Registration& r) {
        return r.signature == signature && r.id == id;
    });
    if (idInUse || m_refused.contains({keyCode, carbonModifiers}) || registration(keyCode, carbonModifiers))
        return false;
    m_registrations.push_back({signature, id, keyCode, carbonModifiers});
    m_registrationLog.push_back(m_registrations.back());
    return true;
}

void XFakeHotKeyService::unregisterHotKey(std::uint32_t signature, std::uint32_t id)
{
    m_unregistrations.emplace_back(signature, id);
    std::erase_if(m_registrations,
                  [&](const Registration& r) { return r.signature == signature && r.id == id; });
}

void XFakeHotKeyService::refuse(std::uint16_t keyCode, std::uint32_t carbonModifiers)
{
    m_refused.insert({keyCode, carbonModifiers});
}

std::optional<XFakeHotKeyService::Registration>
XFakeHotKeyService::registration(std::uint16_t keyCode, std::uint32_t carbonModifiers) const
{
    const auto it = std::find_if(m_registrations.begin(), m_registrations.end(), [&](const Registration& r) {
        return r.keyCode == keyCode && r.carbonModifiers == carbonModifiers;
    });
    if (it == m_registrations.end())
        return std::nullopt;
    return *it;
}

void XFakeHotKeyService::fire(std::uint32_t signature, std::uint32_t id, QPointF location,
                              std::uint64_t modifierFlags, double timestamp)
{
    deliver({signature, id, location, modifierFlags, timestamp});
}

bool XFakeHotKeyService::fireCombination(std::uint16_t keyCode, std::uint32_t carbonModifiers,
                                         QPointF location, std::uint64_t modifierFlags)
{
    const auto found = registration(keyCode, carbonModifiers);
    if (!found)
        return false;
    fire(found->signature, found->id, location, modifierFlags);
    return true;
}
