#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a signal on the main thread, so that the program
// saves what the user set up before it ends.
class XTerminationWatcher : public QObject
{
    Q_OBJECT
public:
    explicit XTerminationWatcher(QObject* parent = nullptr);
    ~XTerminationWatcher() override;

Q_SIGNALS:
    void terminationRequested(int signalNumber);

private:
    QSocketNotifier* m_notifier = nullptr;
};
