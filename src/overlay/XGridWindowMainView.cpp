#include "XGridWindowMainView.h"

#include "XGridFootprint.h"
#include "XPaintOut.h"
#include "platform/XLog.h"
#include "platform/XPlatform.h"

#include <QBitmap>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QThread>

#include <QtMath>

#include <cmath>

namespace {
// A translucent window must still show where the grid's box is.
const QColor kTranslucentTint(255, 255, 255, 40);
// Where the snapshot does not reach (the window was moved or enlarged since).
const QColor kNoSnapshotColor(48, 48, 48);

// A window region in the device pixels of a snapshot, a pixel wider all round: the lines'
// antialiased rims go too. Rectangles that may overlap: a union of thousands is slow.
std::vector<QRect> toDevicePixels(const QRegion& region, double ratio)
{
    std::vector<QRect> device;
    for (const QRect& r : region) {
        device.emplace_back(QPoint(static_cast<int>(std::floor(r.left() * ratio)) - 1,
                                   static_cast<int>(std::floor(r.top() * ratio)) - 1),
                            QPoint(static_cast<int>(std::ceil((r.right() + 1) * ratio)),
                                   static_cast<int>(std::ceil((r.bottom() + 1) * ratio))));
    }
    return device;
}
} // namespace

XGridWindowMainView::XGridWindowMainView(XPlatform& platform, const QRect& frame, QWidget* parent)
    : XFlippedView(parent), m_platform(platform)
{
    setGeometry(frame);
    setupView();
    refreshScreenMapping();
    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(kRefreshDelayMs);
    connect(&m_refreshTimer, &QTimer::timeout, this, &XGridWindowMainView::finishRefresh);
}

void XGridWindowMainView::setControls(std::vector<QWidget*> controls)
{
    m_controls.assign(controls.begin(), controls.end());
}

void XGridWindowMainView::setCoveringWindow(QWidget* window)
{
    if (m_coveringWindow)
        m_coveringWindow->removeEventFilter(this);
    m_coveringWindow = window;
    if (window)
        window->installEventFilter(this);
}

QRegion XGridWindowMainView::controlsRegion() const
{
    QRegion region;
    for (const QPointer<QWidget>& control : m_controls) {
        if (control && control->isVisibleTo(this))
            region += control->geometry();
    }
    return region;
}

void XGridWindowMainView::setupView()
{
    m_graphic = XGraphic::graphicWithGraphicRect(resetGraphicRect());
    m_graphic.setBorderColor(Qt::red);
    m_graphic.setRowCount(3);
    m_graphic.setColumnCount(13);
}

XGraphicRectStruct XGridWindowMainView::resetGraphicRect() const
{
    const QRectF bounds(rect());
    return XMakeGraphicRect(
        QRectF(bounds.x() + 10, bounds.y() + 10, bounds.width() * 0.8, bounds.height() - 20));
}

void XGridWindowMainView::resetGraphic()
{
    m_graphic.setGraphicRect(resetGraphicRect());
    m_graphic.setZeroZoneWidth(0);
    m_graphic.setRowCount(3);
    m_graphic.setColumnCount(13);
    setNeedsDisplay();
}

void XGridWindowMainView::setNeedsDisplay()
{
    m_footprintValid = false;
    updateShape();
    update();
}

void XGridWindowMainView::setTranslucentEditing(bool translucent)
{
    m_translucentEditing = translucent;
    setAttribute(Qt::WA_TranslucentBackground, translucent);
}

void XGridWindowMainView::captureScreenBehind()
{
    if (m_translucentEditing)
        return;
    const QRect area = m_platform.windowFrame(*this).toAlignedRect();
    QImage shot = m_platform.screenSnapshot(area);
    if (!shot.isNull() && area.width() > 0) {
        shot = shot.convertToFormat(QImage::Format_RGB32);
        const double ratio = static_cast<double>(shot.width()) / area.width();
        // What the window shows of itself is its shape: the grid's own lines (and handles
        // and controls, taken again). Where the last snapshot saw under them, it says what
        // is there; the rest is painted out.
        if (isVisible() && !mask().isEmpty()) {
            std::vector<QRect> hidden = toDevicePixels(mask(), ratio);
            if (!m_screenBehind.isNull() && m_screenBehind.devicePixelRatio() == ratio)
                hidden = copiedFromLastSnapshot(shot, std::move(hidden), area, ratio);
            XPaintOutRects(shot, hidden);
        }
        shot.setDevicePixelRatio(ratio);
        // Under our panel the last snapshot still knows the table, where it reaches.
        const QRect covered = m_coveringWindow && m_coveringWindow->isVisible()
                                  ? m_coveringWindow->geometry() & area & m_screenBehindArea
                                  : QRect();
        if (!covered.isEmpty() && !m_screenBehind.isNull()) {
            QPainter painter(&shot);
            painter.setClipRect(covered.translated(-area.topLeft()));
            painter.drawImage(QRect(m_screenBehindArea.topLeft() - area.topLeft(), m_screenBehindArea.size()),
                              m_screenBehind);
        }
    }
    m_screenBehind = shot;
    m_screenBehindArea = area;
}

std::vector<QRect> XGridWindowMainView::copiedFromLastSnapshot(QImage& shot, std::vector<QRect> hidden,
                                                               const QRect& area, double ratio) const
{
    QImage last = m_screenBehind.convertToFormat(QImage::Format_RGB32);
    last.setDevicePixelRatio(1);
    const QPoint offset(qRound((m_screenBehindArea.x() - area.x()) * ratio),
                        qRound((m_screenBehindArea.y() - area.y()) * ratio));
    // A pixel in from its edges: rounding may differ there.
    const QRect known = QRect(offset, last.size()).adjusted(1, 1, -1, -1) & shot.rect();
    std::vector<QRect> rest;
    for (const QRect& r : hidden) {
        const QRect inside = r & shot.rect();
        if (!known.contains(inside)) {
            rest.push_back(r);
            continue;
        }
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            const auto* from = reinterpret_cast<const QRgb*>(last.constScanLine(y - offset.y())) +
                               (inside.left() - offset.x());
            auto* to = reinterpret_cast<QRgb*>(shot.scanLine(y)) + inside.left();
            std::copy(from, from + inside.width(), to);
        }
    }
    return rest;
}

void XGridWindowMainView::dropScreenBehind()
{
    m_screenBehind = QImage();
    m_screenBehindArea = QRect();
    if (m_refreshing) {
        m_refreshTimer.stop();
        m_refreshing = false;
        m_platform.setPressShield(*this, false);
    }
}

bool XGridWindowMainView::showsScreenBehind() const
{
    return m_shapedToPaint && !m_translucentEditing && isVisible() && m_platform.windowAcceptsMouse(*this);
}

void XGridWindowMainView::refreshScreenBehind()
{
    if (!showsScreenBehind())
        return;
    // The shield first: no moment in which a press could pass.
    m_platform.setPressShield(*this, true);
    if (!m_refreshing) {
        m_refreshing = true;
        updateShape();
    }
    m_refreshTimer.start();
}

void XGridWindowMainView::finishRefresh()
{
    m_refreshTimer.stop();
    if (!m_refreshing)
        return;
    if (showsScreenBehind())
        captureScreenBehind();
    m_refreshing = false;
    updateShape();
    m_platform.setPressShield(*this, false);
    update();
}

bool XGridWindowMainView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_coveringWindow && showsScreenBehind()) {
        const QRect panel = m_coveringWindow->geometry();
        bool over = panel.intersects(geometry());
        if (event->type() == QEvent::Move) {
            const QRect before(static_cast<QMoveEvent*>(event)->oldPos(), panel.size());
            over = over || before.intersects(geometry());
        }
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            if (over)
                refreshScreenBehind();
            break;
        default:
            break;
        }
    }
    return XFlippedView::eventFilter(watched, event);
}

const QRegion& XGridWindowMainView::footprint()
{
    if (!m_footprintValid) {
        m_graphic.calculateLinearEquations();
        m_footprint = XGridFootprint(m_graphic, m_platform.windowAcceptsMouse(*this));
        m_footprintValid = true;
    }
    return m_footprint;
}

void XGridWindowMainView::setShapedToPaint(bool shaped)
{
    m_shapedToPaint = shaped;
    if (shaped)
        updateShape();
    else
        clearMask();
}

const QImage& XGridWindowMainView::handleSprite() const
{
    const double ratio = devicePixelRatioF();
    const double size = m_graphic.handleSize();
    if (m_handleSprite.isNull() || m_handleSprite.devicePixelRatio() != ratio ||
        m_handleSprite.width() != qCeil((size + 4) * ratio)) {
        // One handle, drawn once as XGraphic draws it, with room for its outline.
        m_handleSprite = QImage(QSize(qCeil((size + 4) * ratio), qCeil((size + 4) * ratio)),
                                QImage::Format_ARGB32_Premultiplied);
        m_handleSprite.setDevicePixelRatio(ratio);
        m_handleSprite.fill(Qt::transparent);
        QPainter painter(&m_handleSprite);
        painter.setRenderHint(QPainter::Antialiasing);
        const double centre = (size + 4) / 2;
        m_graphic.drawHandleAtPoint(painter, QPointF(centre, centre));
    }
    return m_handleSprite;
}

void XGridWindowMainView::drawHandles(QPainter& painter, const XGraphic& graphic) const
{
    const QImage& sprite = handleSprite();
    const double offset = (graphic.handleSize() + 4) / 2;
    const auto stamp = [&](QPointF centre) {
        painter.drawImage(QPointF(std::round(centre.x() - offset), std::round(centre.y() - offset)), sprite);
    };
    for (unsigned position : {XHandleTop, XHandleLeft, XHandleZeroZone, XHandleBottom, XHandleRight})
        stamp(graphic.handlePointWithHandlePosition(position));
    for (const XGraphicHandlePosition& handle : graphic.handleGaps())
        stamp(handle.handlePoint);
}

void XGridWindowMainView::paintContent(QPainter& painter, XGraphic& graphic, bool acceptsMouse) const
{
    // Antialiased lines cost most of a repaint: while a drag moves them they are drawn
    // plain, and smoothed once the button is up.
    painter.setRenderHint(QPainter::Antialiasing, !m_dragging);
    // Click-through, only what the window's shape keeps shows: the lines.
    if (painter.device() == this && !acceptsMouse)
        painter.fillRect(rect(), Qt::black);
    graphic.drawGraphic(painter);
    if (acceptsMouse) {
        drawHandles(painter, graphic);
        painter.setPen(QPen(Qt::red, 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void XGridWindowMainView::paintEditBackground(QPainter& painter, const QRegion& region) const
{
    if (m_translucentEditing) {
        painter.fillRect(rect(), kTranslucentTint);
        return;
    }
    const QRect target(m_screenBehindArea.topLeft() - m_platform.windowFrame(*this).topLeft().toPoint(),
                       m_screenBehindArea.size());
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QRegion uncovered = m_screenBehind.isNull() ? region : region - target;
    for (const QRect& r : uncovered)
        painter.fillRect(r, kNoSnapshotColor);
    if (!m_screenBehind.isNull())
        painter.drawImage(target, m_screenBehind);
    painter.restore();
}

void XGridWindowMainView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const bool editing = m_platform.windowAcceptsMouse(*this);
    if (editing)
        paintEditBackground(painter, event->region());
    paintContent(painter, m_graphic, editing);
    refreshScreenMapping();
}

void XGridWindowMainView::updateShape()
{
    if (!m_shapedToPaint || size().isEmpty())
        return;
    // Editing, the window is its whole box: one rectangle that follows every resize by
    // itself, and no shape work while the grid is dragged; only while the snapshot is
    // taken again does it show no more than the locked grid does, with its handles.
    const bool editing = m_platform.windowAcceptsMouse(*this);
    if (editing && !m_refreshing) {
        if (!mask().isEmpty())
            clearMask();
        return;
    }
    // Only what lies on a monitor is shaped: a window stored far larger than the screens
    // costs no more than the screens do.
    QRect onScreens;
    for (const XScreenInfo& screen : m_platform.screens())
        onScreens |= screen.geometry.toAlignedRect();
    const QRect visible = onScreens.isEmpty() ? rect() : rect() & onScreens.translated(-geometry().topLeft());
    if (visible.isEmpty()) {
        setMask(QRegion(0, 0, 1, 1));
        return;
    }
    QImage image(visible.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.translate(-visible.topLeft());
        paintContent(painter, m_graphic, editing);
    }
    QRegion region = QRegion(QBitmap::fromImage(image.createAlphaMask())).translated(visible.topLeft());
    if (editing)
        region += controlsRegion();
    // An empty mask would mean no mask at all: the whole window.
    setMask(region.isEmpty() ? QRegion(0, 0, 1, 1) : region);
}

void XGridWindowMainView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPointF p = event->position();
    XLogIn(lcTrace(), "%f,%f", p.x(), p.y());
    m_grapPosition = m_graphic.handleGapPositionAtPoint(p);
    if (m_grapPosition.gapNumber < 0)
        m_handlePosition = m_graphic.handlePositionAtPoint(p);
    m_preMouseDraggedPoint = p;
}

void XGridWindowMainView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPointF p = event->position();
    const QRegion before = footprint();
    const auto showCursor = [this](Qt::CursorShape shape) {
        if (cursor().shape() != shape)
            setCursor(shape);
    };
    m_dragging = m_grapPosition.gapNumber >= 0 || m_handlePosition <= XHandleBody;
    if (!m_dragging) {
        m_preMouseDraggedPoint = p;
        return;
    }
    dragTo(p);
    showCursor(m_handlePosition == XHandleBody && m_grapPosition.gapNumber < 0 ? Qt::PointingHandCursor
                                                                               : Qt::CrossCursor);
    // Only where the grid was and where it is now changes; the window keeps its shape.
    m_footprintValid = false;
    update(before + footprint());
}

void XGridWindowMainView::dragTo(QPointF p)
{
    XGraphic start = m_graphic;
    start.calculateLinearEquations();
    const double margin = m_graphic.handleSize() / 2;
    const QRectF inner = QRectF(rect()).adjusted(margin, margin, -margin, -margin);
    std::vector<QRectF> controls;
    for (const QRect& r : controlsRegion())
        controls.push_back(QRectF(r).adjusted(-margin, -margin, margin, margin));
    const auto outsideBy = [&](QPointF q) {
        return std::hypot(std::max({inner.left() - q.x(), 0.0, q.x() - inner.right()}),
                          std::max({inner.top() - q.y(), 0.0, q.y() - inner.bottom()}));
    };
    const auto onAControl = [&](QPointF q) {
        return std::any_of(controls.begin(), controls.end(), [q](const QRectF& c) { return c.contains(q); });
    };
    const auto inSight = [&](QPointF q) { return outsideBy(q) == 0 && !onAControl(q); };
    // A handle in sight stays in sight, off the controls; one that was not (the window was
    // made smaller since) may go anywhere, unless it is the one in the user's hand.
    const auto stays = [&](QPointF before, QPointF after) { return !inSight(before) || inSight(after); };
    // The corners and the zero-zone handle hold every line between them (gap handles
    // move along the edges they span).
    const auto handlesOf = [](const XGraphic& g) {
        std::vector<QPointF> points;
        for (unsigned position : {XHandleTop, XHandleLeft, XHandleZeroZone, XHandleBottom, XHandleRight})
            points.push_back(g.handlePointWithHandlePosition(position));
        return points;
    };
    const std::vector<QPointF> was = handlesOf(start);
    const QPointF from = m_preMouseDraggedPoint;
    const XGraphicHandlePosition gap = m_grapPosition;
    const unsigned position = m_handlePosition;
    // A gap handle's line moves only its end on the handle's edge, along that edge.
    std::optional<XLinearEquation> gapEdge;
    if (gap.gapNumber >= 0 && !start.rowLines().empty() && !start.columnLines().empty()) {
        const XLineArray& rows = start.rowLines();
        const XLineArray& columns = start.columnLines();
        gapEdge = gap.positon == XHandleTop      ? rows.front()
                  : gap.positon == XHandleLeft   ? columns.front()
                  : gap.positon == XHandleBottom ? rows.back()
                                                 : columns.back();
    }
    const auto apply = [&](XGraphic& g, QPointF q) {
        if (gap.gapNumber >= 0)
            g.setGapHandlePoint(q, gap);
        else if (position < XHandleBody)
            g.setPoint(q, position);
        else
            g.moveXBy(q.x() - from.x(), q.y() - from.y());
    };
    const auto fits = [&](QPointF q) {
        if (gap.gapNumber >= 0)
            return !gapEdge || inSight(gapEdge->nearestPointAtPoint(q));
        XGraphic g = start;
        apply(g, q);
        const std::vector<QPointF> now = handlesOf(g);
        for (std::size_t i = 0; i < now.size(); ++i) {
            if (!stays(was[i], now[i]))
                return false;
        }
        // The corners come first, in handle-position order.
        return position >= XHandleBody || inSight(now[position]);
    };
    // As far towards `to` as fits, from a point that fits.
    const auto reach = [&](QPointF a, QPointF to) {
        if (fits(to))
            return to;
        double lo = 0;
        double hi = 1;
        for (int i = 0; i < 20; ++i) {
            const double mid = (lo + hi) / 2;
            (fits(a + (to - a) * mid) ? lo : hi) = mid;
        }
        return a + (to - a) * lo;
    };
    // Pressed at a handle's rim past the edge, the handle starts from the edge.
    QPointF begin = from;
    if (!fits(begin))
        begin = QPointF(std::clamp(p.x(), inner.left(), inner.right()),
                        std::clamp(p.y(), inner.top(), inner.bottom()));
    // Stopped at an edge, the drag slides along it.
    QPointF q = reach(begin, p);
    q = reach(q, QPointF(p.x(), q.y()));
    q = reach(q, QPointF(q.x(), p.y()));
    apply(m_graphic, q);
    m_preMouseDraggedPoint = q;
}

void XGridWindowMainView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // The last moves may come no sooner than the release: the drag ends where it was let go.
    if (m_grapPosition.gapNumber >= 0 || m_handlePosition <= XHandleBody) {
        const QRegion before = footprint();
        dragTo(event->position());
        m_dragging = false;
        m_footprintValid = false;
        update(before + footprint());
        Q_EMIT graphicEdited();
    }
    m_handlePosition = XHandleNone;
    m_grapPosition.gapNumber = -1;
    setCursor(Qt::ArrowCursor);
}

void XGridWindowMainView::resizeEvent(QResizeEvent*)
{
    Q_EMIT resized();
    refreshScreenBehind();
    setNeedsDisplay();
    refreshScreenMapping();
}

void XGridWindowMainView::moveEvent(QMoveEvent*)
{
    // The snapshot stays where it was taken on the screen, so it shifts in the window, until
    // it is taken again.
    if (!m_screenBehind.isNull() && m_platform.windowAcceptsMouse(*this))
        update();
    refreshScreenBehind();
    refreshScreenMapping();
}

void XGridWindowMainView::showEvent(QShowEvent*)
{
    setNeedsDisplay();
    refreshScreenMapping();
}

std::shared_ptr<const XScreenMapping> XGridWindowMainView::currentScreenMapping()
{
    if (m_graphic.rowLines().empty() && m_graphic.graphicCount() > 0) {
        m_graphic.calculateLinearEquations();
    }
    return std::make_shared<const XScreenMapping>(
        XScreenMapping{m_platform.windowFrame(*this), m_platform.screens(), m_graphic});
}

void XGridWindowMainView::refreshScreenMapping()
{
    m_mappingChannel->publish(currentScreenMapping());
}

QPointF XGridWindowMainView::screenCenterPointForIndex(std::size_t index)
{
    if (QThread::currentThread() == thread())
        refreshScreenMapping();
    return m_mappingChannel->current()->screenCenterPointForIndex(index);
}
