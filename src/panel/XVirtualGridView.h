#pragma once

#include "geometry/XGraphic.h"
#include "overlay/XFlippedView.h"

#include <optional>

// The bet preview: the table's 3 × 13 cells with the click count of each cell in yellow.
class XVirtualGridView : public XFlippedView
{
    Q_OBJECT
public:
    explicit XVirtualGridView(QWidget* parent = nullptr);

    // Made on first request from the view's bounds: white lines, 3 rows, 13 columns.
    XGraphic& graphic();
    void setGraphicAttributes(std::vector<XGraphicLabel> attributes);
    const std::vector<XGraphicLabel>& graphicAttributes() const { return m_graphicAttributes; }
    bool needDrawGrid() { return graphic().needDrawGrid(); }
    void setNeedDrawGrid(bool v) { graphic().setNeedDrawGrid(v); }
    // Cells drawn highlighted without being part of the bet (a hovered bet button).
    void setHighlightedCells(std::vector<std::size_t> cells);
    virtual void resetView() {}
    // A view whose size is bounded prefers its largest size.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // The grid follows the view's size, so that a view laid out after it was made still
    // gets its cells right.
    void resizeEvent(QResizeEvent* event) override;
    void fitGraphicToBounds();
    virtual void paintBackground(QPainter& painter);

private:
    std::optional<XGraphic> m_graphic;
    std::vector<XGraphicLabel> m_graphicAttributes;
    std::vector<std::size_t> m_highlightedCells;
};
