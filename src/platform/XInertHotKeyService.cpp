#include "XInertHotKeyService.h"

#include "XVirtualKeys.h"

bool XInertHotKeyService::registerHotKey(std::uint32_t, std::uint32_t, std::uint16_t, std::uint32_t)
{
    return true;
}

QString XInertHotKeyService::characterForKeyCode(std::uint16_t keyCode) const
{
    return XUsLayoutCharacter(keyCode);
}

std::optional<std::uint16_t> XInertHotKeyService::keyCodeForKeyEvent(const QKeyEvent& event) const
{
    return XKeyCodeForQtKeyEvent(event);
}
