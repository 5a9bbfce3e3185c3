#include "XPlaybackControls.h"

#include "XEvent.h"

void XPlaybackControls::setDelayText(const QString& text)
{
    const std::lock_guard lock(m_mutex);
    m_delayText = text;
}

QString XPlaybackControls::delayText() const
{
    const std::lock_guard lock(m_mutex);
    return m_delayText;
}

void XPlaybackControls::setPanelWindow(bool isKey, const QRectF& deviceFrame)
{
    const std::lock_guard lock(m_mutex);
    m_panelWindowIsKey = isKey;
    m_panelWindowFrame = deviceFrame;
}

bool XPlaybackControls::panelWindowIsKeyAndMisses(QPointF p) const
{
    const std::lock_guard lock(m_mutex);
    return m_panelWindowIsKey && !XContainScreenPoint(m_panelWindowFrame, p);
}
