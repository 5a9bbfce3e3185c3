#pragma once

#include "XGraphicHandlePosition.h"
#include "XGraphicRectStruct.h"
#include "XLinearEquation.h"

#include <QColor>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QPainter;
class QPen;

// A line that could not be formed (two equal points) is missing.
using XLineArray = std::vector<std::optional<XLinearEquation>>;
using XGapArray = std::vector<double>; // empty: the array does not exist yet

// One label of the preview: the text drawn in a cell.
struct XGraphicLabel
{
    long index = 0;
    std::optional<QString> string;
};

// The grid laid over a betting table: a free quadrilateral cut into rows and columns,
// the first column being the zero cell. A copyable value; the line arrays are shared
// immutably and replaced whole, so a copy taken on one thread stays consistent.
class XGraphic
{
public:
    XGraphic();
    static XGraphic graphicWithGraphicRect(const XGraphicRectStruct& rect);
    void setupGraphic();

    bool needDrawGrid() const { return m_needDrawGrid; }
    void setNeedDrawGrid(bool v) { m_needDrawGrid = v; }
    double zeroZoneWidth() const { return m_zeroZoneWidth; }
    void setZeroZoneWidth(double v) { m_zeroZoneWidth = v; }
    std::size_t rowCount() const { return m_rowCount; }
    // Two or more also resets leftGaps and rightGaps to count + 1 zeros.
    void setRowCount(std::size_t count);
    std::size_t columnCount() const { return m_columnCount; }
    // Two or more also resets topGaps and bottomGaps to count + 1 zeros.
    void setColumnCount(std::size_t count);
    QColor borderColor() const { return m_borderColor; }
    void setBorderColor(const QColor& c) { m_borderColor = c; }
    const XGapArray& topGaps() const { return m_topGaps; }
    const XGapArray& leftGaps() const { return m_leftGaps; }
    const XGapArray& bottomGaps() const { return m_bottomGaps; }
    const XGapArray& rightGaps() const { return m_rightGaps; }
    void setTopGaps(XGapArray v) { m_topGaps = std::move(v); }
    void setLeftGaps(XGapArray v) { m_leftGaps = std::move(v); }
    void setBottomGaps(XGapArray v) { m_bottomGaps = std::move(v); }
    void setRightGaps(XGapArray v) { m_rightGaps = std::move(v); }
    const XLineArray& rowLines() const { return *m_rowLines; }
    const XLineArray& columnLines() const { return *m_columnLines; }
    // Stroke width of the cell outlines; a shape mask is drawn with wider lines so
    // that they are easy to grab.
    double lineWidth() const { return m_lineWidth; }
    void setLineWidth(double v) { m_lineWidth = v; }
    double handleSize() const { return m_handleSize; }
    void setHandleSize(double v) { m_handleSize = v; }
    const XGraphicRectStruct& graphicRect() const { return m_graphicRect; }
    void setGraphicRect(const XGraphicRectStruct& r) { m_graphicRect = r; }

    // Number of cells: rows × columns − 2 (the zero column is one cell); 0 for a
    // grid too small to hold a cell.
    std::size_t graphicCount() const;

    void calculateRowLinearEquations();
    void calculateColumnLinearEquations();
    // Both, as every owner computes the lines after a change.
    void calculateLinearEquations();
    // Uses the lines as last computed. All zero for an index past the last cell or a
    // cell bounded by a missing line.
    XGraphicRectStruct graphicRectForIndex(std::size_t index) const;
    // Computes the lines first when they were never computed.
    QRectF maxRectForIndex(std::size_t index);
    QString graphicRectDescription() const;

    // Handles and editing.
    QPointF handlePointWithHandlePosition(unsigned position) const;
    QRectF handleRectWithPoint(QPointF point) const;
    QRectF handleRectWithHandlePosition(unsigned position) const;
    unsigned handlePositionAtPoint(QPointF point) const;
    std::vector<XGraphicHandlePosition> handleGaps() const;
    XGraphicHandlePosition handleGapPositionAtPoint(QPointF point) const;
    void setPoint(QPointF point, unsigned position);
    void setGapHandlePoint(QPointF point, const XGraphicHandlePosition& handle);
    void moveXBy(double dx, double dy);

    // Drawing into the painter's current (top-left-origin) coordinates.
    void drawGraphicWithAttributes(QPainter& painter, const std::vector<XGraphicLabel>& labels);
    void drawGraphic(QPainter& painter) { drawGraphicWithAttributes(painter, {}); }
    void drawGraphicRect(QPainter& painter, const XGraphicRectStruct& rect) const;
    void drawHandles(QPainter& painter) const;
    void drawHandleWithHandlePosition(QPainter& painter, unsigned position) const;
    void drawHandleAtPoint(QPainter& painter, QPointF point) const;

private:
    void strokeGraphicRect(QPainter& painter, const XGraphicRectStruct& rect, QPen pen) const;
    void setZeroZoneEdge(QPointF point);
    XGapArray* gapArrayForEdge(unsigned position);

    bool m_needDrawGrid = true;
    double m_zeroZoneWidth = 0;
    std::size_t m_rowCount = 1;
    std::size_t m_columnCount = 1;
    QColor m_borderColor = Qt::black;
    XGapArray m_topGaps;
    XGapArray m_leftGaps;
    XGapArray m_bottomGaps;
    XGapArray m_rightGaps;
    std::shared_ptr<const XLineArray> m_rowLines;
    std::shared_ptr<const XLineArray> m_columnLines;
    double m_lineWidth = 2.0;
    double m_handleSize = 10.0;
    XGraphicRectStruct m_graphicRect;
};

// The rim drawn on both sides of every grid line: dark for a light line, light for a dark one.
QColor XGridOutlineColor(const QColor& line);

// A point is inside a box when min ≤ p < max on both axes.
bool XPointInRect(QPointF point, const QRectF& rect);
