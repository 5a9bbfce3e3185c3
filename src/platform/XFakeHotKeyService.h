#pragma once

#include "XInertHotKeyService.h"

#include <set>
#include <utility>
#include <vector>

// Global keys for tests: records what was grabbed and released, refuses what the test
// says another program holds and what the X11 service would refuse (an identifier or a
// combination already held), and fires when the test says so (at once, on the calling
// thread). Answers as a US keyboard would.
class XFakeHotKeyService : public XInertHotKeyService
{
public:
    struct Registration
    {
        std::uint32_t signature = 0;
        std::uint32_t id = 0;
        std::uint16_t keyCode = 0;
        std::uint32_t carbonModifiers = 0;
    };

    bool registerHotKey(std::uint32_t signature, std::uint32_t id, std::uint16_t keyCode,
                        std::uint32_t carbonModifiers) override;
    void unregisterHotKey(std::uint32_t signature, std::uint32_t id) override;

    // As if another program held the combination.
    void refuse(std::uint16_t keyCode, std::uint32_t carbonModifiers);
    void stopRefusing() { m_refused.clear(); }

    // Grabbed now, in the order they were grabbed.
    const std::vector<Registration>& registrations() const { return m_registrations; }
    std::optional<Registration> registration(std::uint16_t keyCode, std::uint32_t carbonModifiers) const;
    // Every successful grab, in order, released since or not.
    const std::vector<Registration>& registrationLog() const { return m_registrationLog; }
    const std::vector<std::pair<std::uint32_t, std::uint32_t>>& unregistrations() const
    {
        return m_unregistrations;
    }

    // One release of the combination registered under {signature, id}, registered or not.
    void fire(std::uint32_t signature, std::uint32_t id, QPointF location = {},
              std::uint64_t modifierFlags = 0, double timestamp = 0);
    // The release of a grabbed combination; false when nothing holds it.
    bool fireCombination(std::uint16_t keyCode, std::uint32_t carbonModifiers, QPointF location = {},
                         std::uint64_t modifierFlags = 0);

private:
    std::vector<Registration> m_registrations;
    std::vector<Registration> m_registrationLog;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> m_unregistrations;
    std::set<std::pair<std::uint16_t, std::uint32_t>> m_refused;
};
