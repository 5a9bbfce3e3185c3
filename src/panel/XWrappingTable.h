#pragma once

#include <QObject>

#include <vector>

class QGridLayout;
class QWidget;

// A table of equal cells whose first column (the row's key) stays on the left and whose
// other columns go onto further lines of the same row when the page is too narrow for them
// all; the header above wraps alike. The page grows taller, never wider than it is.
class XWrappingTable : public QObject
{
    Q_OBJECT
public:
    // `header` and `rows` are the page's two grids, the rows scrolling up and down under the
    // header; the page's width tells how many columns fit a line.
    XWrappingTable(QWidget& page, QGridLayout& header, QGridLayout& rows, int cellWidth, int keyWidth);

    // The key column's label first, then one per column.
    void setHeader(std::vector<QWidget*> labels);
    // The key first, then one cell per column.
    void addRow(std::vector<QWidget*> cells);
    // The least width that shows a key and one column.
    int minimumWidth() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int perLineFor(int width) const;
    // Lines a row takes with `perLine` columns on each.
    int linesFor(int perLine) const;
    void arrange(int perLine);
    static void place(QGridLayout& grid, const std::vector<QWidget*>& cells, int firstRow, int perLine);

    QWidget& m_page;
    QGridLayout& m_header;
    QGridLayout& m_rows;
    int m_cellWidth;
    int m_keyWidth;
    std::vector<QWidget*> m_labels;
    std::vector<std::vector<QWidget*>> m_cells;
    int m_perLine = 0;
};
