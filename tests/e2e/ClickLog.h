#pragma once

#include <QPointF>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

// What the click target wrote: where its table is, and every press, drag and release.
struct ClickLog
{
    struct Event
    {
        long long micros = 0; // when the target got it
        QString kind; // press, drag or release
        QPointF point;
        int button = 0;
        int cell = -1;
        // When the X server made it, in its milliseconds.
        unsigned long long serverMillis = 0;
    };

    std::optional<QRect> table;
    std::vector<Event> events;

    static ClickLog read(const QString& path);
    std::vector<int> pressedCells() const;
    std::vector<const Event*> ofKind(const QString& kind) const;
};
