#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT into a Qt signal on the event loop (a signal handler may do
// almost nothing, so it only writes a byte to a pipe).
class ShutdownSignal : public QObject
{
    Q_OBJECT

public:
    explicit ShutdownSignal(QObject* parent = nullptr);
    ~ShutdownSignal() override;

    bool install();

Q_SIGNALS:
    void requested(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
};
