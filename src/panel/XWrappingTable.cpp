#include "XWrappingTable.h"

#include <QEvent>
#include <QGridLayout>
#include <QStyle>
#include <QWidget>

#include <algorithm>

XWrappingTable::XWrappingTable(QWidget& page, QGridLayout& header, QGridLayout& rows, int cellWidth,
                               int keyWidth)
    : QObject(&page), m_page(page), m_header(header), m_rows(rows), m_cellWidth(cellWidth),
      m_keyWidth(keyWidth)
{
    page.installEventFilter(this);
}

void XWrappingTable::setHeader(std::vector<QWidget*> labels)
{
    m_labels = std::move(labels);
    arrange(perLineFor(m_page.width()));
}

void XWrappingTable::addRow(std::vector<QWidget*> cells)
{
    m_cells.push_back(std::move(cells));
    place(m_rows, m_cells.back(), static_cast<int>(m_cells.size() - 1) * linesFor(m_perLine), m_perLine);
}

int XWrappingTable::minimumWidth() const
{
    const QMargins margins = m_rows.contentsMargins();
    const int spacing = std::max(0, m_rows.horizontalSpacing());
    return margins.left() + margins.right() + m_keyWidth + spacing + m_cellWidth +
           m_page.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

int XWrappingTable::perLineFor(int width) const
{
    const int columns = std::max(1, static_cast<int>(m_labels.size()) - 1);
    const int spacing = std::max(0, m_rows.horizontalSpacing());
    // The cells' room: the margins, the scroll bar and the key left out.
    const int room = width - (minimumWidth() - m_cellWidth);
    return std::clamp((room + spacing) / (m_cellWidth + spacing), 1, columns);
}

int XWrappingTable::linesFor(int perLine) const
{
    const int columns = std::max(1, static_cast<int>(m_labels.size()) - 1);
    return (columns + perLine - 1) / std::max(1, perLine);
}

void XWrappingTable::place(QGridLayout& grid, const std::vector<QWidget*>& cells, int firstRow, int perLine)
{
    if (cells.empty())
        return;
    const int lines = static_cast<int>((cells.size() - 1 + perLine - 1) / perLine);
    grid.addWidget(cells[0], firstRow, 0, std::max(1, lines), 1, Qt::AlignTop);
    for (std::size_t c = 1; c < cells.size(); ++c) {
        const int at = static_cast<int>(c - 1);
        grid.addWidget(cells[c], firstRow + at / perLine, 1 + at % perLine);
    }
}

void XWrappingTable::arrange(int perLine)
{
    m_perLine = perLine;
    const int lines = linesFor(perLine);
    for (QGridLayout* grid : {&m_header, &m_rows}) {
        while (QLayoutItem* item = grid->takeAt(0))
            delete item;
        // Header and rows keep the same columns; those no longer used take no room.
        for (int c = 0; c < std::max(grid->columnCount(), perLine + 2); ++c) {
            grid->setColumnStretch(c, c == perLine + 1 ? 1 : 0);
            grid->setColumnMinimumWidth(c, c == 0 ? m_keyWidth : c <= perLine ? m_cellWidth : 0);
        }
    }
    place(m_header, m_labels, 0, perLine);
    for (std::size_t row = 0; row < m_cells.size(); ++row)
        place(m_rows, m_cells[row], static_cast<int>(row) * lines, perLine);
}

bool XWrappingTable::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_page && event->type() == QEvent::Resize) {
        if (const int perLine = perLineFor(m_page.width()); perLine != m_perLine)
            arrange(perLine);
    }
    return QObject::eventFilter(watched, event);
}
