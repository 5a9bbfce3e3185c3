#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class QWidget;

// A test hook: with TABLECLICK_CONTROL_MAP set to a file, the named controls of the given
// windows are written there, with their areas in global device pixels and the texts of
// labels, buttons and fields, whenever a window is shown, moved or resized and a few times
// a second when anything changed; an alert on the screen is written as "alert" with its
// texts. End-to-end tests find the controls and read what they show by it.
class XControlMap : public QObject
{
    Q_OBJECT
public:
    XControlMap(const QString& path, QObject* parent = nullptr);
    void watch(QWidget* window);
    void write();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_path;
    QList<QWidget*> m_windows;
    QTimer m_refresh;
    QByteArray m_written;
};
