#pragma once

#include <QObject>
#include <QString>

class QWidget;

// A test hook: with TABLECLICK_CONTROL_MAP set to a file, the named controls of the given
// windows are written there, with their areas in global device pixels, whenever a window
// is shown, moved or resized; end-to-end tests find the controls by it.
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
};
