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
        long long micros = 0;
        QString kind; // press, drag or release
        QPointF point;
        int button = 0;
        int cell = -1;
    };

    std::optional<QRect> table;
    std::vector<Event> events;

    static ClickLog read(const QString& path);
    std::vector<int> pressedCells() const;
    std::vector<const Event*> ofKind(const QString& kind) const;
};
