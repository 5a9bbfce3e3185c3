#include "XControlMap.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSaveFile>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <optional>

namespace {
// What a control shows, for the controls that show a text.
std::optional<QString> shownText(const QWidget& w)
{
    if (const auto* label = qobject_cast<const QLabel*>(&w))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w))
        return button->text();
    if (const auto* field = qobject_cast<const QLineEdit*>(&w))
        return field->text();
    return std::nullopt;
}
} // namespace

XControlMap::XControlMap(const QString& path, QObject* parent) : QObject(parent), m_path(path)
{
    // Texts change and alerts come and go without any window moving.
    m_refresh.setInterval(200);
    connect(&m_refresh, &QTimer::timeout, this, &XControlMap::write);
    m_refresh.start();
}

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
            QJsonObject control{{QStringLiteral("x"), device.x()},
                                {QStringLiteral("y"), device.y()},
                                {QStringLiteral("width"), w->width() * ratio},
                                {QStringLiteral("height"), w->height() * ratio}};
            if (const std::optional<QString> text = shownText(*w))
                control.insert(QStringLiteral("text"), *text);
            controls.insert(w->objectName(), control);
        }
    }
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (const auto* alert = qobject_cast<const QMessageBox*>(top); alert && alert->isVisible())
            controls.insert(QStringLiteral("alert"),
                            QJsonObject{{QStringLiteral("text"), alert->text()},
                                        {QStringLiteral("informativeText"), alert->informativeText()}});
    }
    const QByteArray json = QJsonDocument(controls).toJson();
    if (json == m_written)
        return;
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(json);
        if (file.commit())
            m_written = json;
    }
}
