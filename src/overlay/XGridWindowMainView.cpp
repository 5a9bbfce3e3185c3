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
// antialiased rims go too.
QRegion toDevicePixels(const QRegion& region, double ratio)
{
    QRegion device;
    for (const QRect& r : region) {
        device += QRect(QPoint(static_cast<int>(std::floor(r.left() * ratio)) - 1,
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
        // What the window shows of itself is its shape: the grid's own lines.
        if (isVisible() && !mask().isEmpty())
            XPaintOutRegion(shot, toDevicePixels(mask(), ratio));
        shot.setDevicePixelRatio(ratio);
    }
    m_screenBehind = shot;
    m_screenBehindArea = area;
}

void XGridWindowMainView::dropScreenBehind()
{
    m_screenBehind = QImage();
    m_screenBehindArea = QRect();
}

const QRegion& XGridWindowMainView::footprint()
{
    if (!m_footprintValid) {
        m_graphic.calculateRowLinearEquations();
        m_graphic.calculateColumnLinearEquations();
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
    // itself, and no shape work while the grid is dragged.
    if (m_platform.windowAcceptsMouse(*this)) {
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
        paintContent(painter, m_graphic, false);
    }
    const QRegion region = QRegion(QBitmap::fromImage(image.createAlphaMask())).translated(visible.topLeft());
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
    if (m_grapPosition.gapNumber >= 0) {
        m_graphic.setGapHandlePoint(p, m_grapPosition);
        showCursor(Qt::CrossCursor);
    } else if (m_handlePosition < XHandleBody) {
        m_graphic.setPoint(p, m_handlePosition);
        showCursor(Qt::CrossCursor);
    } else if (m_handlePosition == XHandleBody) {
        m_graphic.moveXBy(p.x() - m_preMouseDraggedPoint.x(), p.y() - m_preMouseDraggedPoint.y());
        showCursor(Qt::PointingHandCursor);
    }
    // Only where the grid was and where it is now changes; the window keeps its shape.
    m_dragging = m_grapPosition.gapNumber >= 0 || m_handlePosition <= XHandleBody;
    m_footprintValid = false;
    update(before + footprint());
    m_preMouseDraggedPoint = p;
}

void XGridWindowMainView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_handlePosition = XHandleNone;
    m_grapPosition.gapNumber = -1;
    if (m_dragging) {
        m_dragging = false;
        update(footprint());
    }
    setCursor(Qt::ArrowCursor);
}

void XGridWindowMainView::resizeEvent(QResizeEvent*)
{
    Q_EMIT resized();
    setNeedsDisplay();
    refreshScreenMapping();
}

void XGridWindowMainView::moveEvent(QMoveEvent*)
{
    // The snapshot stays where it was taken on the screen, so it shifts in the window.
    if (!m_screenBehind.isNull() && m_platform.windowAcceptsMouse(*this))
        update();
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
        m_graphic.calculateRowLinearEquations();
        m_graphic.calculateColumnLinearEquations();
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
