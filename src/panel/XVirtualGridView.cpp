#include "XVirtualGridView.h"

#include <QPainter>
#include <QPainterPath>

XVirtualGridView::XVirtualGridView(QWidget* parent) : XFlippedView(parent) {}

XGraphic& XVirtualGridView::graphic()
{
    if (!m_graphic) {
        m_graphic = XGraphic::graphicWithGraphicRect(XMakeGraphicRect(QRectF(rect())));
        m_graphic->setBorderColor(Qt::white);
        m_graphic->setRowCount(3);
        m_graphic->setColumnCount(13);
    }
    return *m_graphic;
}

void XVirtualGridView::setGraphicAttributes(std::vector<XGraphicLabel> attributes)
{
    m_graphicAttributes = std::move(attributes);
    update();
}

void XVirtualGridView::setHighlightedCells(std::vector<std::size_t> cells)
{
    m_highlightedCells = std::move(cells);
    update();
}

QSize XVirtualGridView::sizeHint() const
{
    const QSize largest = maximumSize();
    return largest.width() < QWIDGETSIZE_MAX && largest.height() < QWIDGETSIZE_MAX ? largest
                                                                                   : XFlippedView::sizeHint();
}

void XVirtualGridView::resizeEvent(QResizeEvent*)
{
    fitGraphicToBounds();
}

void XVirtualGridView::fitGraphicToBounds()
{
    XGraphic& g = graphic();
    g.setGraphicRect(XMakeGraphicRect(QRectF(rect())));
    g.calculateLinearEquations();
}

void XVirtualGridView::paintBackground(QPainter& painter)
{
    painter.fillRect(rect(), QColor(20, 70, 45));
}

void XVirtualGridView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintBackground(painter);
    XGraphic& g = graphic();
    for (std::size_t cell : m_highlightedCells) {
        const XGraphicRectStruct q = g.graphicRectForIndex(cell);
        QPainterPath path(q.topPoint);
        path.lineTo(q.leftPoint);
        path.lineTo(q.bottomPoint);
        path.lineTo(q.rightPoint);
        path.closeSubpath();
        painter.fillPath(path, QColor(80, 170, 255, 150));
    }
    g.drawGraphicWithAttributes(painter, m_graphicAttributes);
    // The next drawing follows a change of the view's size.
    g.setGraphicRect(XMakeGraphicRect(QRectF(rect())));
}
