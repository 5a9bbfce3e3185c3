#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

#include <atomic>
#include <cstddef>
#include <functional>
#include <mutex>

// What a run reads while it clicks. The main thread publishes it; runs read it before
// every click.
class XPlaybackControls
{
public:
    void setNeedMouseDrag(bool on) { m_needMouseDrag = on; }
    bool needMouseDrag() const { return m_needMouseDrag; }
    void setDelayText(const QString& text);
    QString delayText() const;
    // The window holding the panel: whether it is the active one, and its frame in
    // global device pixels.
    void setPanelWindow(bool isKey, const QRectF& deviceFrame);
    // True when the panel's window is active and the point lies outside it: the window
    // under the point is then activated before the first click of a run.
    bool panelWindowIsKeyAndMisses(QPointF devicePoint) const;

private:
    std::atomic<bool> m_needMouseDrag{false};
    mutable std::mutex m_mutex;
    QString m_delayText;
    bool m_panelWindowIsKey = false;
    QRectF m_panelWindowFrame;
};

// Where a cell is on the screen, in global device pixels; called from playback threads.
using XCellLocator = std::function<QPointF(std::size_t index)>;
