#include "XRunStatusView.h"

#include "bets/XPlaybackQueue.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
// A notice is kept at least this long, and as long as runs click, to be read in time.
constexpr int kNoticeMilliseconds = 3000;
// After the user's mouse ended a run, Stop stays pressable this long: it may be what the
// mouse was on its way to.
constexpr int kStopStaysMilliseconds = 1000;
} // namespace

XRunStatusView::XRunStatusView(XPlaybackQueue& queue, const QString& namePrefix, QWidget* parent)
    : QWidget(parent), m_queue(queue)
{
    setObjectName(namePrefix + QStringLiteral("RunStatusView"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_stopButton = new QPushButton(tr("Stop"), this);
    m_stopButton->setObjectName(namePrefix + QStringLiteral("StopButton"));
    // Wayland shows no client the user's mouse, nor keys pressed in native windows.
    m_stopButton->setToolTip(queue.clicksThroughPortal()
                                 ? tr("Stop clicking now (Escape does the same while an X11 window has the keyboard)")
                                 : tr("Stop clicking now (Escape, or move the mouse, does the same)"));
    m_stopButton->setEnabled(false);
    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(namePrefix + QStringLiteral("RunStatusLabel"));
    m_statusLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Texts come and go while the user reaches for a button: the line wraps within the
    // room it has, two lines high whatever it says, so that no button beside or below
    // it ever moves.
    m_statusLabel->setWordWrap(true);
    m_statusLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_statusLabel->setFixedHeight(2 * m_statusLabel->fontMetrics().lineSpacing());
    layout->addWidget(m_stopButton);
    layout->addWidget(m_statusLabel, 1);

    connect(m_stopButton, &QPushButton::clicked, this, [this] {
        // The way to Stop is a move and a press of the mouse: the watch on the user's mouse
        // may have ended the run a moment before the click arrived. It was still Stop.
        if (m_queue.pendingCount() == 0 && m_tookTheMouse.isValid() &&
            !m_tookTheMouse.hasExpired(kStopStaysMilliseconds)) {
            show(tr("Stopped with Stop after %1").arg(m_lastCounts));
            return;
        }
        m_queue.stopAll(XRunEnd::StopButton);
    });
    connect(&queue, &XPlaybackQueue::progressChanged, this, [this](int clicked, int total) {
        m_running = true;
        m_clicked = clicked;
        m_total = total;
        render();
    });
    connect(&queue, &XPlaybackQueue::activeChanged, this, [this](bool active) {
        if (!active)
            updateStopButton();
    });
    connect(&queue, &XPlaybackQueue::runEnded, this, &XRunStatusView::showEnd);
    connect(&queue, &XPlaybackQueue::pendingChanged, this, &XRunStatusView::render);
    connect(&queue, &XPlaybackQueue::escapeUnavailable, this, [this] {
        showNotice(tr("Escape is taken by another program: stop with Stop or by moving the mouse"));
    });
    connect(&queue, &XPlaybackQueue::clickNote, this, [this](XClickNote note) {
        switch (note) {
        case XClickNote::ConsentOncePerSession:
            showNotice(tr("The desktop asks whether Tableclick may control the mouse: switch on "
                          "\"Allow remote interaction\" and press Share. It asks once per login"));
            break;
        case XClickNote::WaylandWindowsUnreachable:
            showNotice(noRemoteControl());
            break;
        }
    });
}

QString XRunStatusView::noRemoteControl()
{
    return tr("This Wayland desktop offers no remote control: Tableclick can click only "
              "X11/XWayland windows here, not native Wayland ones");
}

void XRunStatusView::showNotice(const QString& notice)
{
    m_notice = notice;
    m_noticeShownUntil.setRemainingTime(kNoticeMilliseconds);
    show(m_shown);
    QTimer::singleShot(kNoticeMilliseconds + 10, this, [this] { show(m_shown); });
}

void XRunStatusView::updateStopButton()
{
    m_stopButton->setEnabled(m_queue.pendingCount() > 0 ||
                             (m_tookTheMouse.isValid() && !m_tookTheMouse.hasExpired(kStopStaysMilliseconds)));
}

void XRunStatusView::show(const QString& text)
{
    m_shown = text;
    if (!m_notice.isEmpty() && m_noticeShownUntil.hasExpired() && m_queue.pendingCount() == 0)
        m_notice.clear();
    if (m_notice.isEmpty())
        m_statusLabel->setText(text);
    else
        m_statusLabel->setText(text.isEmpty() ? m_notice : m_notice + QStringLiteral(" · ") + text);
    // What a narrow panel cuts off the second line.
    m_statusLabel->setToolTip(m_statusLabel->text());
}

QString XRunStatusView::statusText() const
{
    return m_statusLabel->text();
}

void XRunStatusView::render()
{
    const bool busy = m_queue.pendingCount() > 0;
    updateStopButton();
    if (!busy)
        return; // the last run's end stays readable
    QStringList parts;
    // A run of no clicks only asks the desktop for the mouse.
    if (m_running)
        parts << (m_total > 0 ? tr("Clicking %1 of %2").arg(m_clicked).arg(m_total)
                              : tr("Asking the desktop to let Tableclick click"));
    if (const int waiting = m_queue.waitingCount(); waiting > 0)
        parts << (waiting == 1 ? tr("1 run waiting") : tr("%1 runs waiting").arg(waiting));
    if (!parts.isEmpty())
        show(parts.join(QStringLiteral(" · ")));
}

void XRunStatusView::showEnd(XRunEnd reason, int clicked, int total, const QString& where)
{
    m_running = false;
    const QString counts = tr("%1 of %2 clicks").arg(clicked).arg(total);
    m_lastCounts = counts;
    m_tookTheMouse = QElapsedTimer();
    if (reason == XRunEnd::PointerMoved || reason == XRunEnd::UserClicked) {
        m_tookTheMouse.start();
        QTimer::singleShot(kStopStaysMilliseconds + 10, this, &XRunStatusView::updateStopButton);
    }
    updateStopButton();
    switch (reason) {
    case XRunEnd::Finished:
        show(tr("Done: %1").arg(counts));
        break;
    case XRunEnd::StopButton:
        show(tr("Stopped with Stop after %1").arg(counts));
        break;
    case XRunEnd::EscapeKey:
        show(tr("Stopped with Escape after %1").arg(counts));
        break;
    case XRunEnd::PointerMoved:
        show(tr("Stopped: the mouse moved, after %1").arg(counts));
        break;
    case XRunEnd::UserClicked:
        show(tr("Stopped: you clicked or scrolled, after %1").arg(counts));
        break;
    case XRunEnd::ClickNotTaken:
        show(tr("Stopped: the table did not take %1 (its button release never arrived); check the table, "
                "then try again with a longer Pause")
                 .arg(where));
        break;
    case XRunEnd::PointRefused:
        show(tr("Nothing clicked: %1 is not on any screen (a damaged or outdated point); fix it, then try again")
                 .arg(where));
        break;
    case XRunEnd::OwnWindow:
        show(tr("Stopped before %1: it would click Tableclick's own window; move the window or the point, "
                "after %2")
                 .arg(where, counts));
        break;
    case XRunEnd::DisplayLost:
        show(tr("Stopped: the display went away, after %1").arg(counts));
        break;
    case XRunEnd::RemoteRefused:
        show(tr("Nothing clicked: the desktop did not allow Tableclick to control the mouse. Try again "
                "and allow remote interaction"));
        break;
    case XRunEnd::RemoteUnanswered:
        show(tr("Nothing clicked: the desktop's question whether Tableclick may control the mouse "
                "was not answered in time. Try again to be asked again"));
        break;
    case XRunEnd::RemoteFailed:
        show(tr("Nothing clicked: the desktop could not start its remote control; clicks reach only "
                "X11/XWayland windows until it can"));
        break;
    case XRunEnd::RemoteEnded:
        show(tr("Stopped: the desktop ended its remote control, after %1; the next run asks again")
                 .arg(counts));
        break;
    case XRunEnd::MonitorNotShared:
        show(tr("Stopped: the point is on a monitor the desktop did not share, after %1").arg(counts));
        break;
    case XRunEnd::RemoteAllowed:
        show(tr("Tableclick may click native Wayland windows until you log out"));
        break;
    case XRunEnd::RemoteUnavailable:
        showNotice(noRemoteControl());
        show(QString());
        break;
    case XRunEnd::Shutdown:
        break;
    }
}
