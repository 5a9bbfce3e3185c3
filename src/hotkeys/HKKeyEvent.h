#pragma once

#include <QMetaType>
#include <QPointF>
#include <QString>

#include <cstdint>

// A key event as the hot-key layer hands it to what a hot key invokes.
struct HKKeyEvent
{
    static constexpr int kKeyDown = 10;
    static constexpr int kKeyUp = 11;
    static constexpr int kFlagsChanged = 12;

    int type = kKeyUp;
    // Global logical coordinates, origin at the top-left of the virtual screen, y downward.
    QPointF locationInWindow;
    std::uint64_t modifierFlags = 0;
    double timestamp = 0;
    long windowNumber = -1;
    QString characters;
    QString charactersIgnoringModifiers;
    bool isARepeat = false;
    std::uint16_t keyCode = 0;
};
Q_DECLARE_METATYPE(HKKeyEvent)
