#include "XRunStatusView.h"

#include "bets/XPlaybackQueue.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

XRunStatusView::XRunStatusView(XPlaybackQueue& queue, const QString& namePrefix, QWidget* parent)
    : QWidget(parent), m_queue(queue)
{
    setObjectName(namePrefix + QStringLiteral("RunStatusView"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_stopButton = new QPushButton(tr("Stop"), this);
    m_stopButton->setObjectName(namePrefix + QStringLiteral("StopButton"));
    m_stopButton->setToolTip(tr("Stop clicking now (Escape, or move the mouse, does the same)"));
    m_stopButton->setEnabled(false);
    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(namePrefix + QStringLiteral("RunStatusLabel"));
    m_statusLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_stopButton);
    layout->addWidget(m_statusLabel, 1);

    connect(m_stopButton, &QPushButton::clicked, this, [this] { m_queue.stopAll(XRunEnd::StopButton); });
    connect(&queue, &XPlaybackQueue::progressChanged, this, [this](int clicked, int total) {
        m_running = true;
        m_clicked = clicked;
        m_total = total;
        render();
    });
    connect(&queue, &XPlaybackQueue::activeChanged, this, [this](bool active) {
        if (!active)
            m_stopButton->setEnabled(false);
    });
    connect(&queue, &XPlaybackQueue::runEnded, this, &XRunStatusView::showEnd);
    connect(&queue, &XPlaybackQueue::pendingChanged, this, &XRunStatusView::render);
    connect(&queue, &XPlaybackQueue::escapeUnavailable, this, [this] {
        m_statusLabel->setText(tr("Escape is taken by another program: stop with Stop or by moving the mouse"));
    });
}

QString XRunStatusView::statusText() const
{
    return m_statusLabel->text();
}

void XRunStatusView::render()
{
    const bool busy = m_queue.pendingCount() > 0;
    m_stopButton->setEnabled(busy);
    if (!busy)
        return; // the last run's end stays readable
    QStringList parts;
    if (m_running)
        parts << tr("Clicking %1 of %2").arg(m_clicked).arg(m_total);
    if (const int waiting = m_queue.waitingCount(); waiting > 0)
        parts << (waiting == 1 ? tr("1 run waiting") : tr("%1 runs waiting").arg(waiting));
    if (!parts.isEmpty())
        m_statusLabel->setText(parts.join(QStringLiteral(" · ")));
}

void XRunStatusView::showEnd(XRunEnd reason, int clicked, int total)
{
    m_running = false;
    m_stopButton->setEnabled(m_queue.pendingCount() > 0);
    const QString counts = tr("%1 of %2 clicks").arg(clicked).arg(total);
    switch (reason) {
    case XRunEnd::Finished:
        m_statusLabel->setText(tr("Done: %1").arg(counts));
        break;
    case XRunEnd::StopButton:
        m_statusLabel->setText(tr("Stopped with Stop after %1").arg(counts));
        break;
    case XRunEnd::EscapeKey:
        m_statusLabel->setText(tr("Stopped with Escape after %1").arg(counts));
        break;
    case XRunEnd::PointerMoved:
        m_statusLabel->setText(tr("Stopped: the mouse moved, after %1").arg(counts));
        break;
    case XRunEnd::Shutdown:
        break;
    }
}
