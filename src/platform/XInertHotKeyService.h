#pragma once

#include "XHotKeyService.h"

// For a display without global keys (the offscreen platform): takes every registration,
// never fires, and answers as a US keyboard would.
class XInertHotKeyService : public XHotKeyService
{
public:
    bool registerHotKey(std::uint32_t signature, std::uint32_t id, std::uint16_t keyCode,
                        std::uint32_t carbonModifiers) override;
    void unregisterHotKey(std::uint32_t, std::uint32_t) override {}
    QString characterForKeyCode(std::uint16_t keyCode) const override;
    std::optional<std::uint16_t> keyCodeForKeyEvent(const QKeyEvent& event) const override;
};
