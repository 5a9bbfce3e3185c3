#include "XControlMap.h"

#include <QEvent>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

XControlMap::XControlMap(const QString& path, QObject* parent) : QObject(parent), m_path(path) {}

void XControlMap::watch(QWidget* window)
{
    m_windows.append(window);
    connect(window, &QObject::destroyed, this, [this, window] { m_windows.removeAll(window); });
    window->installEventFilter(this);
    write();
}

bool XControlMap::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::Move || event->type() == QEvent::Resize)
        QTimer::singleShot(0, this, &XControlMap::write);
    return false;
}

void XControlMap::write()
{
    QJsonObject controls;
    for (QWidget* window : std::as_const(m_windows)) {
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (const QWidget* w : std::as_const(widgets)) {
            if (w->objectName().isEmpty() || !w->isVisible())
                continue;
            const double ratio = w->devicePixelRatioF();
            const QPoint origin = w->mapToGlobal(QPoint(0, 0));
            // Device pixels about the screen's origin, as clicks are posted.
            const QPointF screenOrigin = w->screen() ? QPointF(w->screen()->geometry().topLeft()) : QPointF();
            const QPointF device = screenOrigin + (QPointF(origin) - screenOrigin) * ratio;
            controls.insert(w->objectName(), QJsonObject{{QStringLiteral("x"), device.x()},
                                                         {QStringLiteral("y"), device.y()},
                                                         {QStringLiteral("width"), w->width() * ratio},
                                                         {QStringLiteral("height"), w->height() * ratio}});
        }
    }
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QJsonDocument(controls).toJson());
        file.commit();
    }
}
