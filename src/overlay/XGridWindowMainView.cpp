#include "XGridWindowMainView.h"

#include "platform/XLog.h"
#include "platform/XPlatform.h"

#include <QBitmap>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QThread>

namespace {
// A grid being edited is masked with wider lines than it draws, so that a line can be
// grabbed to move the grid.
constexpr double kGrabbableLineWidth = 6.0;
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
    updateShape();
    update();
}

void XGridWindowMainView::setShapedToPaint(bool shaped)
{
    m_shapedToPaint = shaped;
    if (shaped)
        updateShape();
    else
        clearMask();
}

void XGridWindowMainView::paintContent(QPainter& painter, XGraphic& graphic, bool acceptsMouse) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    // Only what the window's shape keeps shows: a dark rim around the lines where the
    // shape is wider than they are.
    if (painter.device() == this)
        painter.fillRect(rect(), Qt::black);
    graphic.drawGraphic(painter);
    if (acceptsMouse) {
        graphic.drawHandles(painter);
        painter.setPen(QPen(Qt::red, 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void XGridWindowMainView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintContent(painter, m_graphic, m_platform.windowAcceptsMouse(*this));
    refreshScreenMapping();
}

void XGridWindowMainView::updateShape()
{
    if (!m_shapedToPaint || size().isEmpty())
        return;
    const bool acceptsMouse = m_platform.windowAcceptsMouse(*this);
    XGraphic shape = m_graphic;
    shape.setLineWidth(acceptsMouse ? kGrabbableLineWidth : m_graphic.lineWidth());
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        paintContent(painter, shape, acceptsMouse);
    }
    QRegion region(QBitmap::fromImage(image.createAlphaMask()));
    // Controls laid over the view (the side panel while editing) stay whole.
    for (const QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible())
            region += child->geometry();
    }
    // An empty mask would mean no mask at all: the whole window.
    setMask(region.isEmpty() ? QRegion(0, 0, 1, 1) : region);
}

void XGridWindowMainView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPointF p = event->position();
    XLog("%f,%f", p.x(), p.y());
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
    if (m_grapPosition.gapNumber >= 0) {
        m_graphic.setGapHandlePoint(p, m_grapPosition);
        setCursor(Qt::CrossCursor);
    } else if (m_handlePosition < XHandleBody) {
        m_graphic.setPoint(p, m_handlePosition);
        setCursor(Qt::CrossCursor);
    } else if (m_handlePosition == XHandleBody) {
        m_graphic.moveXBy(p.x() - m_preMouseDraggedPoint.x(), p.y() - m_preMouseDraggedPoint.y());
        setCursor(Qt::PointingHandCursor);
    }
    setNeedsDisplay();
    m_preMouseDraggedPoint = p;
}

void XGridWindowMainView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_handlePosition = XHandleNone;
    m_grapPosition.gapNumber = -1;
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
