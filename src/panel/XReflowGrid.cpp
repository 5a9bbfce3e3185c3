#include "XReflowGrid.h"

#include <QGridLayout>

#include <algorithm>

XReflowGrid::XReflowGrid(int mostColumns, QWidget* parent)
    : QWidget(parent), m_grid(new QGridLayout(this)), m_mostColumns(std::max(1, mostColumns)),
      m_columns(m_mostColumns)
{
    m_grid->setAlignment(Qt::AlignTop);
}

void XReflowGrid::addWidget(QWidget* widget)
{
    const int at = static_cast<int>(m_widgets.size());
    m_widgets.push_back(widget);
    m_grid->addWidget(widget, at / m_columns, at % m_columns);
}

int XReflowGrid::columnsFor(int width) const
{
    int widest = 0;
    for (const QWidget* widget : m_widgets)
        widest = std::max(widest, widget->minimumSizeHint().width());
    const QMargins margins = m_grid->contentsMargins();
    const int room = width - margins.left() - margins.right();
    const int spacing = std::max(0, m_grid->horizontalSpacing());
    int columns = m_mostColumns;
    while (columns > 1 && columns * widest + (columns - 1) * spacing > room)
        --columns;
    return columns;
}

void XReflowGrid::arrange(int columns)
{
    m_columns = columns;
    for (QWidget* widget : m_widgets)
        m_grid->removeWidget(widget);
    for (int i = 0; i < static_cast<int>(m_widgets.size()); ++i)
        m_grid->addWidget(m_widgets[static_cast<std::size_t>(i)], i / columns, i % columns);
    // Columns and rows no longer used keep no room.
    for (int c = 0; c < m_grid->columnCount(); ++c)
        m_grid->setColumnStretch(c, c < columns ? 1 : 0);
    updateGeometry();
}

QSize XReflowGrid::minimumSizeHint() const
{
    int widest = 0;
    for (const QWidget* widget : m_widgets)
        widest = std::max(widest, widget->minimumSizeHint().width());
    const QMargins margins = m_grid->contentsMargins();
    return QSize(widest + margins.left() + margins.right(), m_grid->minimumSize().height());
}

void XReflowGrid::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (const int columns = columnsFor(width()); columns != m_columns)
        arrange(columns);
}
