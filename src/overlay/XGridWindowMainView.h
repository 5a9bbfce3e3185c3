#pragma once

#include "XFlippedView.h"
#include "XScreenMapping.h"
#include "geometry/XGraphic.h"

#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class XPlatform;

// The content of the overlay window: the grid the user fits to the betting table, its
// mouse editing, and the mapping of a cell to the point on the screen where it is clicked.
class XGridWindowMainView : public XFlippedView
{
    Q_OBJECT
public:
    XGridWindowMainView(XPlatform& platform, const QRect& frame, QWidget* parent = nullptr);

    XGraphic& graphic() { return m_graphic; }
    const XGraphic& graphic() const { return m_graphic; }
    unsigned handlePosition() const { return m_handlePosition; }
    const XGraphicHandlePosition& grapPosition() const { return m_grapPosition; }
    QPointF preMouseDraggedPoint() const { return m_preMouseDraggedPoint; }

    XGraphicRectStruct resetGraphicRect() const;
    void resetGraphic();
    // Redraw after the grid or the window state changed; also re-shapes the window.
    void setNeedsDisplay();

    // While editing the window takes every press in its box, so that fitting the grid
    // never clicks the table, and the table must show through it in another way: with a
    // compositor the window is translucent (set before the window first shows)...
    void setTranslucentEditing(bool translucent);
    bool translucentEditing() const { return m_translucentEditing; }
    // ...without one it shows a snapshot of the screen under it, its own lines painted
    // out; taken at unlocking, before the window covers the table...
    void captureScreenBehind();
    void dropScreenBehind();
    const QImage& screenBehind() const { return m_screenBehind; }
    // ...and taken again once the window (or the panel over it) has stopped moving: for a
    // moment the window shows only its lines, handles and controls (a shield takes the
    // presses meanwhile) while the table repaints what it uncovers, then the snapshot is
    // taken and the window is whole again.
    void refreshScreenBehind();
    bool refreshingScreenBehind() const { return m_refreshing; }
    static constexpr int kRefreshDelayMs = 50;

    // Controls of the window's own (its grip, its move handle): shown while the rest is
    // shaped away, and never under a handle the user drags.
    void setControls(std::vector<QWidget*> controls);
    // A window of ours that may lie over this one (the side panel): what a snapshot sees
    // of it is not the table.
    void setCoveringWindow(QWidget* window);

    // Any thread. On the view's own thread the answer comes from the live window and
    // grid (and is published); other threads get what was last published.
    QPointF screenCenterPointForIndex(std::size_t index);
    // Main thread: publish the current mapping for playback threads.
    void refreshScreenMapping();
    std::shared_ptr<const XScreenMappingChannel> screenMappingChannel() const { return m_mappingChannel; }

Q_SIGNALS:
    void resized();
    // The user let go of a handle or the grid.
    void graphicEdited();

public:
    // Shape the window to what the view paints, so that the table underneath stays
    // visible without a compositor. Only for a view that is its own window.
    void setShapedToPaint(bool shaped);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setupView();
    void paintContent(QPainter& painter, XGraphic& graphic, bool acceptsMouse) const;
    void paintEditBackground(QPainter& painter, const QRegion& region) const;
    void drawHandles(QPainter& painter, const XGraphic& graphic) const;
    const QImage& handleSprite() const;
    const QRegion& footprint();
    std::shared_ptr<const XScreenMapping> currentScreenMapping();
    void updateShape();
    bool showsScreenBehind() const;
    void finishRefresh();
    // Fills what `hidden` covers of a new snapshot from the last one where it reaches;
    // returns the rest.
    std::vector<QRect> copiedFromLastSnapshot(QImage& shot, std::vector<QRect> hidden, const QRect& area,
                                              double ratio) const;
    // Where dragging a handle or the grid with the pointer at `p` leaves it: whatever of the
    // grid was inside the window stays inside, clear of the controls.
    void dragTo(QPointF p);
    QRegion controlsRegion() const;

    XPlatform& m_platform;
    XGraphic m_graphic;
    unsigned m_handlePosition = XHandleNone;
    XGraphicHandlePosition m_grapPosition{0, -1, {}};
    QPointF m_preMouseDraggedPoint;
    bool m_shapedToPaint = false;
    bool m_translucentEditing = false;
    QImage m_screenBehind;
    QRect m_screenBehindArea; // global logical
    QRegion m_footprint;
    bool m_footprintValid = false;
    bool m_dragging = false;
    bool m_refreshing = false;
    QTimer m_refreshTimer;
    std::vector<QPointer<QWidget>> m_controls;
    QPointer<QWidget> m_coveringWindow;
    mutable QImage m_handleSprite;

    std::shared_ptr<XScreenMappingChannel> m_mappingChannel = std::make_shared<XScreenMappingChannel>();
};
