#pragma once

#include <QFile>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QTextStream>

#include <optional>
#include <vector>

// What the click target wrote: where its table is, and every press, drag and release.
struct ClickLog
{
    struct Event
    {
        long long micros = 0; // when the target got it
        QString kind;         // press, drag or release
        QPointF point;
        int button = 0;
        int cell = -1;
        // When the X server made it, in its milliseconds.
        unsigned long long serverMillis = 0;
    };

    std::optional<QRect> table;
    std::vector<Event> events;

    static ClickLog read(const QString& path)
    {
        ClickLog log;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return log;
        QTextStream in(&file);
        for (QString line = in.readLine(); !line.isNull(); line = in.readLine()) {
            const QStringList f = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (f.size() == 5 && f[0] == QLatin1String("ready"))
                log.table = QRect(f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt());
            else if (f.size() == 7)
                log.events.push_back({f[0].toLongLong(), f[1], QPointF(f[2].toDouble(), f[3].toDouble()),
                                      f[4].toInt(), f[5].toInt(), f[6].toULongLong()});
        }
        return log;
    }
    std::vector<const Event*> ofKind(const QString& kind) const
    {
        std::vector<const Event*> result;
        for (const Event& e : events) {
            if (e.kind == kind)
                result.push_back(&e);
        }
        return result;
    }
    std::vector<int> pressedCells() const
    {
        std::vector<int> cells;
        for (const Event* e : ofKind(QStringLiteral("press")))
            cells.push_back(e->cell);
        return cells;
    }
};
