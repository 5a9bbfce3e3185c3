#pragma once

#include <QProcess>
#include <QSize>
#include <QString>
#include <QStringList>

// An Xvfb of the test's own, on the first free display number from `firstNumber`, so that
// killing it or changing its monitors spares the shared one. Gone with this object (or the
// test process).
class PrivateXServer
{
public:
    PrivateXServer(QSize screen, int firstNumber);
    ~PrivateXServer() { kill(); }

    // Empty when no server could be started.
    QString name() const { return m_name; }
    void kill();
    // xdotool on this display.
    void xdotool(const QStringList& arguments) const;

private:
    QProcess m_server;
    QString m_name;
};
