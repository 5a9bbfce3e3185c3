#pragma once

#include "XHotKeyService.h"
#include "XScreenInfo.h"

#include <functional>
#include <memory>
#include <vector>

// Global keys on X11: passive key grabs on the root window, made on Qt's own connection
// so that the events reach its native event filter. Key codes become X keycodes through
// the keys' XKB names, so the numbering stays positional under every layout.
class XX11HotKeyService : public XHotKeyService
{
public:
    // Needs Qt's xcb platform (check QNativeInterface::QX11Application first); `screens`
    // turns the pointer's device pixels into logical coordinates.
    explicit XX11HotKeyService(std::function<std::vector<XScreenInfo>()> screens);
    ~XX11HotKeyService() override;
    XX11HotKeyService(const XX11HotKeyService&) = delete;
    XX11HotKeyService& operator=(const XX11HotKeyService&) = delete;

    bool registerHotKey(std::uint32_t signature, std::uint32_t id, std::uint16_t keyCode,
                        std::uint32_t carbonModifiers) override;
    void unregisterHotKey(std::uint32_t signature, std::uint32_t id) override;
    QString characterForKeyCode(std::uint16_t keyCode) const override;
    std::optional<std::uint16_t> keyCodeForKeyEvent(const QKeyEvent& event) const override;

private:
    class Private;
    std::unique_ptr<Private> m_impl;
};
