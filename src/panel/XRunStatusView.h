#pragma once

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QPushButton;
class XPlaybackQueue;
enum class XRunEnd;

// A panel's view of the clicking: a Stop button, enabled while any run clicks or
// waits, and a line that tells the running run's progress, how many wait, and why the
// last one ended when it did not finish.
class XRunStatusView : public QWidget
{
    Q_OBJECT
public:
    // `namePrefix` keeps the object names of one panel's view apart from another's.
    XRunStatusView(XPlaybackQueue& queue, const QString& namePrefix, QWidget* parent = nullptr);

    QPushButton* stopButton() const { return m_stopButton; }
    QString statusText() const;

private:
    void render();
    void updateStopButton();
    void showEnd(XRunEnd reason, int clicked, int total, const QString& where);
    // The line, after a notice that must stay readable.
    void show(const QString& text);
    // Kept in front of the line for a while, or for as long as runs click.
    void showNotice(const QString& notice);
    static QString noRemoteControl();

    XPlaybackQueue& m_queue;
    QPushButton* m_stopButton = nullptr;
    QLabel* m_statusLabel = nullptr;
    bool m_running = false;
    int m_clicked = 0;
    int m_total = 0;
    QString m_shown;
    // When the user's mouse last ended a run, and what it had clicked.
    QElapsedTimer m_tookTheMouse;
    QString m_lastCounts;
    // Said once, and kept in front of the progress for a while, or for as long as runs click.
    QString m_notice;
    QDeadlineTimer m_noticeShownUntil;
};
